// How long a large drop takes the real program under Wine, next to the floor that Wine's own
// edit control sets: the time a bare multi-line edit takes to be given the same text. For each
// size, a fresh Tarnix gets a real drop (the block written into its memory, WM_DROPFILES sent)
// and is timed until its output box and the clipboard hold the text; then a child process of
// this program times SetWindowTextA of the same text on a bare edit: the plain edit with its
// default font (the floor), and the program's box alone, i.e. the edit of the common controls
// 6 that the program's manifest selects, with the font its dialog gives the box. Under Wine
// that font alone makes the edit markedly slower per line, so the second figure tells the
// program's own cost apart from the control's. Drops and floors alternate; each figure is the
// median of the runs. Beside the wall-clock times it gives the CPU time of the thread doing
// the work, which other load on a shared machine disturbs much less. It prints figures and
// never fails on timing; it fails only when it could not measure (the program did not start,
// or showed other text).
//
//   drop_bench.exe --tarnix=PATH [--sizes=1000,10000,100000] [--reps=3]
//   drop_bench.exe --tarnix=PATH --floor=N [--reps=3]   (the child: prints its figures)
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "bench/Rng.h"
#include "Clipboard.h"
#include "Drop.h"
#include "Options.h"
#include "RemoteMemory.h"
#include "TarnixProcess.h"
#include "WindowText.h"
#include "res/resource.h"

namespace {

// A drop of 100,000 names takes seconds under Wine, far beyond the driver's usual waits.
constexpr DWORD kDropTimeoutMs = 30 * 60 * 1000;
constexpr auto kLongWait = std::chrono::minutes(5);
constexpr double kMaxRatio = 1.2;
constexpr double kMaxPerLineGrowth = 1.5;

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The thread's user and kernel time so far; -1 if it cannot be read.
double ThreadCpuMs(HANDLE thread) {
    FILETIME created, exited, kernel, user;
    if (!thread || !GetThreadTimes(thread, &created, &exited, &kernel, &user)) return -1;
    auto ms = [](FILETIME t) { return ((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4; };
    return ms(kernel) + ms(user);
}

// The median; -1 for none or when any value is missing (negative).
double Median(std::vector<double> values) {
    if (values.empty() || *std::min_element(values.begin(), values.end()) < 0) return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}


const char* const kRoots[] = {"C:\\Data\\", "D:\\Work\\Clients\\", "C:\\Users\\alice\\Documents\\",
                              "E:\\Archive\\Scans\\"};
const char* const kDirs[] = {"Projects", "Reports", "Photos", "SourceCode",
                             "Backups",  "Assets",  "Builds", "MusicLibrary"};
const char* const kSubs[] = {"sub", "old", "2023", "Q3_final", "release", "drafts", "source", "x64"};
const char* const kStems[] = {"file", "report", "image", "module", "notes", "track", "invoice"};
const char* const kTails[] = {"", "_v2", "_final", " (copy)", "_backup", "_2023-10-05", "_draft_rev3"};
const char* const kExts[] = {".txt", ".jpg", ".cpp", ".h", ".docx", ".pdf", ".png", ".mp3"};

// n varied Windows names of about 70 bytes, e.g. C:\Data\Reports_55\x64\2023\file_000000_v2.cpp.
std::vector<std::string> MakeNames(size_t n) {
    Rng rng(n);
    std::vector<std::string> names;
    names.reserve(n);
    char number[32];
    for (size_t i = 0; i < n; ++i) {
        std::string name = rng.Pick(kRoots);
        std::snprintf(number, sizeof number, "_%02u\\", static_cast<unsigned>(rng.Below(100)));
        name += rng.Pick(kDirs);
        name += number;
        for (size_t depth = 2 + rng.Below(3); depth > 0; --depth) {
            name += rng.Pick(kSubs);
            name += '\\';
        }
        name += rng.Pick(kStems);
        std::snprintf(number, sizeof number, "_%06u", static_cast<unsigned>(i));
        name += number;
        name += rng.Pick(kTails);
        name += rng.Pick(kExts);
        names.push_back(std::move(name));
    }
    return names;
}

// What the default template %f\r\n makes of the names: each full name and CR LF.
std::string ExpectedText(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names) text += name + "\r\n";
    return text;
}

struct Memory {
    double peakWorkingSetMb = 0;
    double peakPagefileMb = 0;
};

// Under Wine the peak working set is the Unix process's VmHWM; the "peak" pagefile figure is
// its current anonymous memory (Wine keeps no peak of it).
std::optional<Memory> ProcessMemory(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
    if (!process) return std::nullopt;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    const BOOL ok = GetProcessMemoryInfo(process, &counters, sizeof counters);
    CloseHandle(process);
    if (!ok) return std::nullopt;
    return Memory{counters.PeakWorkingSetSize / 1048576.0, counters.PeakPagefileUsage / 1048576.0};
}

bool SendW(HWND window, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result, DWORD timeoutMs) {
    return SendMessageTimeoutW(window, msg, wp, lp, SMTO_NORMAL, timeoutMs, result) != 0;
}

struct DropResult {
    bool measured = false;  // false: the figures below mean nothing
    std::string problem;
    double handlerMs = 0;   // until the program's WM_DROPFILES handler returned
    double readyMs = 0;     // until the box had the full length and the clipboard had changed
    double cpuMs = -1;      // the program's window thread's CPU time in the handler
    double verifyMs = 0;    // reading back both texts to compare them (not part of readyMs)
    Memory before, after;
};

DropResult MeasureDrop(const std::vector<std::string>& names, const std::string& expected) {
    DropResult r;
    e2e::TarnixProcess tarnix;
    if (!tarnix.Start(e2e::TarnixExe())) {
        r.problem = "the program did not start";
        return r;
    }
    // Start-up work still queued (painting) would otherwise be counted as the drop's.
    tarnix.Sync(IDC_OUTPUT, kLongWait);
    r.before = ProcessMemory(tarnix.Pid()).value_or(Memory{});
    HWND box = tarnix.Control(IDC_OUTPUT);
    HANDLE uiThread = OpenThread(THREAD_QUERY_INFORMATION, FALSE,
                                 GetWindowThreadProcessId(tarnix.MainWindow(), nullptr));

    // The block is written before the clock starts: writing it is the shell's work, not the
    // program's. Sent, not posted, so that the send returns when the handler has returned.
    const std::vector<char> block = e2e::MakeDropBlock(names);
    e2e::RemoteBlock remote(tarnix.Process(), block.size());
    if (!remote.Address() || !remote.Write(block.data(), block.size())) {
        r.problem = "the drop block could not be written into the program";
        if (uiThread) CloseHandle(uiThread);
        return r;
    }
    const DWORD sequence = e2e::ClipboardSequence();
    DWORD_PTR result = 0;
    const double cpuStart = ThreadCpuMs(uiThread);
    const auto start = Clock::now();
    const bool sent = SendW(tarnix.MainWindow(), WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()), 0,
                            &result, kDropTimeoutMs);
    r.handlerMs = Ms(Clock::now() - start);
    const double cpuEnd = ThreadCpuMs(uiThread);
    if (uiThread) CloseHandle(uiThread);
    if (cpuStart >= 0 && cpuEnd >= 0) r.cpuMs = cpuEnd - cpuStart;
    if (!sent) {
        remote.Leak();  // the program may still read it
        r.problem = "the program did not answer the drop";
        return r;
    }
    // Cheap checks only inside the timed part: the full texts are compared afterwards.
    const bool ready = e2e::WaitUntil(
        [&] {
            DWORD_PTR length = 0;
            return e2e::ClipboardSequence() != sequence &&
                   SendW(box, WM_GETTEXTLENGTH, 0, 0, &length, kDropTimeoutMs) && length == expected.size();
        },
        kLongWait, std::chrono::milliseconds(1));
    r.readyMs = Ms(Clock::now() - start);
    if (!ready) {
        r.problem = "the box or the clipboard never held the text";
        return r;
    }
    // Read before the check: the program's answer to a cross-process WM_GETTEXT needs a
    // buffer of the text's size in its own memory, which is the check's, not the drop's.
    r.after = ProcessMemory(tarnix.Pid()).value_or(Memory{});
    const auto verifyStart = Clock::now();
    const std::optional<std::string> boxText = e2e::GetText(box, kLongWait);
    const std::optional<std::string> clipText = e2e::ReadClipboardText(kLongWait);
    r.verifyMs = Ms(Clock::now() - verifyStart);
    if (boxText != expected)
        r.problem = "the output box holds other text";
    else if (clipText != expected)
        r.problem = "the clipboard holds other text";
    else
        r.measured = true;
    tarnix.Close(kLongWait);
    return r;
}

LRESULT CALLBACK PlainParentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}

INT_PTR CALLBACK NoOpDialogProc(HWND, UINT msg, WPARAM, LPARAM) { return msg == WM_INITDIALOG; }

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The program's activation context, from the manifest in its resources: with it active,
// "EDIT" is the edit of the common controls 6, as in the program. Null if there is none.
HANDLE ProgramControls(const std::string& exe) {
    ACTCTXA context{};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = exe.c_str();
    context.lpResourceName = MAKEINTRESOURCEA(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    HANDLE handle = CreateActCtxA(&context);
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}

// The font the program's dialog gives its output box, read from the program's own dialog
// resource (created here with a do-nothing procedure), so it follows the resource. A copy:
// the dialog deletes its font when it ends. Null if the resource could not be used.
HFONT ProgramBoxFont(const std::string& exe) {
    HMODULE module = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return nullptr;
    HFONT copy = nullptr;
    if (HWND dialog = CreateDialogParamA(module, MAKEINTRESOURCEA(IDD_LISTER_DIALOG), nullptr, NoOpDialogProc, 0)) {
        LOGFONTA font{};
        HFONT boxFont = reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDC_OUTPUT, WM_GETFONT, 0, 0));
        if (boxFont && GetObjectA(boxFont, sizeof font, &font)) copy = CreateFontIndirectA(&font);
        DestroyWindow(dialog);
        Pump();
    }
    FreeLibrary(module);
    return copy;
}

struct Timing {
    double wallMs = -1;
    double cpuMs = -1;
};

// Times SetWindowTextA of `text` on a new, empty bare edit with the output box's styles, as
// the program's box is before its first drop; -1 if the edit could not be made or refused it.
Timing TimeBareEdit(const std::string& text, const char* parentClass, HFONT font) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    HWND parent = CreateWindowExA(0, parentClass, "Edit floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 380,
                                  240, nullptr, nullptr, instance, nullptr);
    // About the pixel size of the program's box (212 x 38 dialog units).
    HWND edit = parent ? CreateWindowExA(0, "EDIT", "",
                                         WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                                             ES_AUTOHSCROLL | ES_WANTRETURN,
                                         20, 27, 318, 62, parent, reinterpret_cast<HMENU>(IDC_OUTPUT), instance,
                                         nullptr)
                       : nullptr;
    Timing t;
    if (edit) {
        SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
        if (font) SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        SetFocus(edit);  // the program's box has the focus too
        Pump();
        const double cpuStart = ThreadCpuMs(GetCurrentThread());
        const auto start = Clock::now();
        SetWindowTextA(edit, text.c_str());
        t.wallMs = Ms(Clock::now() - start);
        const double cpuEnd = ThreadCpuMs(GetCurrentThread());
        if (cpuStart >= 0 && cpuEnd >= 0) t.cpuMs = cpuEnd - cpuStart;
        if (static_cast<size_t>(GetWindowTextLengthA(edit)) != text.size()) t = Timing{};
    }
    if (parent) DestroyWindow(parent);
    Pump();
    return t;
}

// The child: times the plain bare edit and the program's box alone (its control and font),
// alternately, `reps` times each, and prints one line of figures per kind and its peak
// working set. No "box" figures if the program's font or manifest could not be had.
int RunFloor(size_t n, int reps) {
    const std::string text = ExpectedText(MakeNames(n));
    WNDCLASSA cls{};
    cls.lpfnWndProc = PlainParentProc;
    cls.hInstance = GetModuleHandleA(nullptr);
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = "TarnixFloorParent";
    if (!RegisterClassA(&cls)) return 2;
    HFONT boxFont = ProgramBoxFont(e2e::TarnixExe());
    HANDLE controls = ProgramControls(e2e::TarnixExe());
    std::string floor = "floor", floorCpu = "floorcpu", box = "box", boxCpu = "boxcpu";
    auto add = [](std::string& line, double value) {
        char figure[32];
        std::snprintf(figure, sizeof figure, " %.3f", value);
        line += figure;
    };
    for (int i = 0; i < reps; ++i) {
        const Timing plain = TimeBareEdit(text, cls.lpszClassName, nullptr);
        if (plain.wallMs < 0) return 3;
        add(floor, plain.wallMs);
        add(floorCpu, plain.cpuMs);
        ULONG_PTR cookie = 0;
        if (boxFont && controls && ActivateActCtx(controls, &cookie)) {
            const Timing alone = TimeBareEdit(text, cls.lpszClassName, boxFont);
            DeactivateActCtx(0, cookie);
            add(box, alone.wallMs);
            add(boxCpu, alone.cpuMs);
        }
    }
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    std::printf("%s\n%s\n%s\n%s\npeak %llu\n", floor.c_str(), floorCpu.c_str(), box.c_str(), boxCpu.c_str(),
                static_cast<unsigned long long>(counters.PeakWorkingSetSize));
    std::fflush(stdout);
    return 0;
}

// The median of the figures on the line that starts with `key`; -1 if there are none.
double MedianAfter(const std::string& output, const std::string& key) {
    const std::string prefix = key + " ";
    size_t at = 0;
    while (at != std::string::npos && output.compare(at, prefix.size(), prefix) != 0) {
        at = output.find('\n', at);
        if (at != std::string::npos) ++at;
    }
    if (at == std::string::npos) return -1;
    std::vector<double> values;
    const char* p = output.c_str() + at + key.size();
    char* end = nullptr;
    for (double v = std::strtod(p, &end); end != p; v = std::strtod(p, &end)) {
        values.push_back(v);
        p = end;
    }
    return Median(values);
}

struct FloorResult {
    bool measured = false;
    Timing plain;           // the bare edit with its default font: the floor
    Timing box;             // the program's box alone; -1 if its font or manifest could not be had
    double peakWorkingSetMb = 0;
};

// Runs the floor in a process of its own, so the program's drop and the bare edit never
// share a heap or a message queue, and reads its figures from a pipe.
FloorResult MeasureFloor(size_t n, int reps) {
    FloorResult r;
    char self[MAX_PATH];
    if (!GetModuleFileNameA(nullptr, self, sizeof self)) return r;
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return r;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    std::string commandLine = "\"" + std::string(self) + "\" \"--tarnix=" + e2e::TarnixExe() +
                              "\" --floor=" + std::to_string(n) + " --reps=" + std::to_string(reps);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION info{};
    const BOOL created =
        CreateProcessA(self, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info);
    CloseHandle(writeEnd);
    if (!created) {
        CloseHandle(readEnd);
        return r;
    }
    std::string output;
    char buffer[256];
    DWORD got = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
    CloseHandle(readEnd);
    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    r.plain = {MedianAfter(output, "floor"), MedianAfter(output, "floorcpu")};
    r.box = {MedianAfter(output, "box"), MedianAfter(output, "boxcpu")};
    const double peak = MedianAfter(output, "peak");
    r.peakWorkingSetMb = peak / 1048576.0;
    r.measured = code == 0 && r.plain.wallMs > 0 && peak > 0;
    return r;
}

std::vector<size_t> ParseSizes(const char* list) {
    std::vector<size_t> sizes;
    for (const char* p = list; *p;) {
        char* end = nullptr;
        const unsigned long long n = std::strtoull(p, &end, 10);
        if (end == p) break;
        if (n > 0) sizes.push_back(static_cast<size_t>(n));
        p = *end == ',' ? end + 1 : end;
    }
    return sizes;
}

}  // namespace

int main(int argc, char** argv) {
    e2e::ParseOptions(&argc, argv);
    std::vector<size_t> sizes = {1000, 10000, 100000};
    int reps = 3;
    size_t floorOnly = 0;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--sizes=", 8) == 0)
            sizes = ParseSizes(argv[i] + 8);
        else if (std::strncmp(argv[i], "--reps=", 7) == 0)
            reps = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strncmp(argv[i], "--floor=", 8) == 0)
            floorOnly = static_cast<size_t>(std::strtoull(argv[i] + 8, nullptr, 10));
    }
    if (floorOnly > 0) return RunFloor(floorOnly, reps);
    if (e2e::TarnixExe().empty() || sizes.empty()) {
        std::fprintf(stderr, "usage: drop_bench --tarnix=PROGRAM [--sizes=N,N,...] [--reps=R]\n");
        return 2;
    }

    std::printf("Drop of N names on %s, against SetWindowTextA of the same text on a bare edit, with its "
                "default font (floor), and the program's box alone (its common controls 6 edit and its "
                "dialog's font); medians of %d runs.\n",
                e2e::TarnixExe().c_str(), reps);
    std::printf("%8s %9s %9s %6s %8s %8s %9s %6s %8s %8s %8s\n", "N", "drop", "floor", "ratio", "drop", "floor",
                "box", "ratio", "peak WS", "start WS", "floor WS");
    std::printf("%8s %9s %9s %6s %8s %8s %9s %6s %8s %8s %8s\n", "", "ms", "ms", "", "us/line", "us/line",
                "alone ms", "/box", "MB", "MB", "MB");
    std::fflush(stdout);

    bool allMeasured = true, allWithin = true, allWithinBox = true;
    double firstPerLine = 0, lastPerLine = 0;
    std::string cpuTable, notes;
    for (size_t n : sizes) {
        const std::vector<std::string> names = MakeNames(n);
        const std::string expected = ExpectedText(names);
        // Drops and floors alternate, so that a change in the machine's load (it is shared)
        // falls on both alike.
        std::vector<DropResult> drops;
        std::vector<double> dropMs, dropCpu, floorMs, floorCpu, boxMs, boxCpu;
        double floorPeakMb = 0;
        std::string problem;
        for (int rep = 0; rep < reps && problem.empty(); ++rep) {
            drops.push_back(MeasureDrop(names, expected));
            const FloorResult floor = MeasureFloor(n, 1);
            if (!drops.back().measured)
                problem = drops.back().problem;
            else if (!floor.measured)
                problem = "the bare edit could not be timed";
            dropMs.push_back(drops.back().readyMs);
            dropCpu.push_back(drops.back().cpuMs);
            floorMs.push_back(floor.plain.wallMs);
            floorCpu.push_back(floor.plain.cpuMs);
            boxMs.push_back(floor.box.wallMs);
            boxCpu.push_back(floor.box.cpuMs);
            floorPeakMb = std::max(floorPeakMb, floor.peakWorkingSetMb);
        }
        if (!problem.empty()) {
            allMeasured = false;
            std::printf("%8zu  not measured: %s\n", n, problem.c_str());
            std::fflush(stdout);
            continue;
        }
        const double drop = Median(dropMs), floor = Median(floorMs), box = Median(boxMs);
        const DropResult& typical = *std::find_if(drops.begin(), drops.end(),
                                                  [drop](const DropResult& d) { return d.readyMs == drop; });
        double peakMb = 0, startMb = 0;
        for (const DropResult& d : drops) {
            peakMb = std::max(peakMb, d.after.peakWorkingSetMb);
            startMb = std::max(startMb, d.before.peakWorkingSetMb);
        }
        const double ratio = drop / floor;
        const double boxRatio = box > 0 ? drop / box : -1;
        const double perLine = drop * 1000.0 / n;
        if (firstPerLine == 0) firstPerLine = perLine;
        lastPerLine = perLine;
        allWithin = allWithin && ratio <= kMaxRatio;
        allWithinBox = allWithinBox && boxRatio > 0 && boxRatio <= kMaxRatio;
        std::printf("%8zu %9.1f %9.1f %6.2f %8.1f %8.1f %9.1f %6.2f %8.1f %8.1f %8.1f\n", n, drop, floor, ratio,
                    perLine, floor * 1000.0 / n, box, boxRatio, peakMb, startMb, floorPeakMb);
        std::fflush(stdout);

        const double cpu = Median(dropCpu), cpuFloor = Median(floorCpu), cpuBox = Median(boxCpu);
        char line[256];
        std::snprintf(line, sizeof line, "%8zu %9.0f %9.0f %6.2f %8.1f %8.1f %9.0f %6.2f\n", n, cpu, cpuFloor,
                      cpu > 0 && cpuFloor > 0 ? cpu / cpuFloor : -1.0, cpu * 1000.0 / n, cpuFloor * 1000.0 / n,
                      cpuBox, cpu > 0 && cpuBox > 0 ? cpu / cpuBox : -1.0);
        cpuTable += line;
        std::string runs;
        for (size_t k = 0; k < dropMs.size(); ++k) {
            std::snprintf(line, sizeof line, "%s%.0f/%.0f/%.0f", k ? ", " : "", dropMs[k], floorMs[k], boxMs[k]);
            runs += line;
        }
        char note[512];
        std::snprintf(note, sizeof note,
                      "  N=%zu: %.2f MB of text (%.1f bytes a name); runs drop/floor/box ms: %s; in the median "
                      "drop the handler returned after %.1f ms and reading both texts back took %.1f ms; "
                      "pagefile %.1f MB\n",
                      n, expected.size() / 1048576.0, static_cast<double>(expected.size()) / n - 2, runs.c_str(),
                      typical.handlerMs, typical.verifyMs, typical.after.peakPagefileMb);
        notes += note;
    }
    std::printf("CPU time of the thread that does the work (the program's window thread in its drop handler; "
                "the bare edit's thread in SetWindowTextA), ms, medians; -1: not readable:\n");
    std::printf("%8s %9s %9s %6s %8s %8s %9s %6s\n", "N", "drop", "floor", "ratio", "drop", "floor", "box",
                "ratio");
    std::printf("%8s %9s %9s %6s %8s %8s %9s %6s\n", "", "cpu ms", "cpu ms", "", "us/line", "us/line", "alone ms",
                "/box");
    std::printf("%s%s", cpuTable.c_str(), notes.c_str());
    if (!allMeasured) {
        std::printf("Not every size could be measured.\n");
        return 1;
    }
    const bool linear = sizes.size() < 2 || lastPerLine <= kMaxPerLineGrowth * firstPerLine;
    std::printf("Ratio drop/floor <= %.1f at every size: %s (against the program's box alone: %s). "
                "Linear growth (us per line at %zu within %.1fx of %zu's: %.1f vs %.1f): %s.\n",
                kMaxRatio, allWithin ? "yes" : "NO", allWithinBox ? "yes" : "NO", sizes.back(), kMaxPerLineGrowth,
                sizes.front(), lastPerLine, firstPerLine, linear ? "yes" : "NO");
    return 0;
}
