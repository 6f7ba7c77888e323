// Answering `pause` in a command interpreter that the program started.
#include "ConsolePause.h"

#include <tlhelp32.h>

#include <map>

namespace e2e {

namespace {

// Reads the whole screen buffer; rows joined with '\n', each without its trailing blanks.
bool ReadScreen(HANDLE output, std::string* text)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(output, &info))
        return false;
    const SHORT width = info.dwSize.X;
    text->clear();
    std::string row(static_cast<size_t>(width), ' ');
    for (SHORT y = 0; y < info.dwSize.Y; ++y) {
        DWORD read = 0;
        if (!ReadConsoleOutputCharacterA(output, &row[0], static_cast<DWORD>(width), {0, y},
                                         &read))
            return false;
        std::string line = row.substr(0, read);
        line.erase(line.find_last_not_of(' ') + 1);
        *text += line;
        *text += '\n';
    }
    text->erase(text->find_last_not_of('\n') + 1);
    return true;
}

int CountPrompts(const std::string& screen)
{
    static const std::string kPrompt = "Press any key";
    int count = 0;
    for (size_t at = screen.find(kPrompt); at != std::string::npos;
         at = screen.find(kPrompt, at + kPrompt.size()))
        ++count;
    return count;
}

bool PressEnter(HANDLE input)
{
    INPUT_RECORD keys[2] = {};
    for (int i = 0; i < 2; ++i) {
        keys[i].EventType = KEY_EVENT;
        KEY_EVENT_RECORD& key = keys[i].Event.KeyEvent;
        key.bKeyDown = i == 0;
        key.wRepeatCount = 1;
        key.wVirtualKeyCode = VK_RETURN;
        key.wVirtualScanCode = static_cast<WORD>(MapVirtualKeyA(VK_RETURN, MAPVK_VK_TO_VSC));
        key.uChar.AsciiChar = '\r';
    }
    DWORD written = 0;
    return WriteConsoleInputA(input, keys, 2, &written) && written == 2;
}

} // namespace

DWORD FindCommandInterpreter(DWORD ancestor)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return 0;
    std::map<DWORD, DWORD> parentOf;
    std::map<DWORD, std::string> nameOf;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        parentOf[entry.th32ProcessID] = entry.th32ParentProcessID;
        nameOf[entry.th32ProcessID] = entry.szExeFile;
    }
    CloseHandle(snapshot);
    for (const auto& [pid, name] : nameOf) {
        if (lstrcmpiA(name.c_str(), "cmd.exe") != 0)
            continue;
        // Walk up the parents; the bound guards against a cycle of reused ids.
        DWORD up = pid;
        for (int depth = 0; depth < 16 && parentOf.count(up); ++depth) {
            up = parentOf[up];
            if (up == ancestor)
                return pid;
        }
    }
    return 0;
}

PauseAnswer AnswerPause(DWORD ancestor, std::chrono::milliseconds timeout, int prompt)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto left = [&deadline] {
        auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        return rest.count() > 0 ? rest : std::chrono::milliseconds(0);
    };
    auto failed = [](PauseAnswer* answer, const char* step) {
        answer->failure = std::string(step) + " (error " + std::to_string(GetLastError()) + ")";
    };

    PauseAnswer answer;
    DWORD cmd = 0;
    if (!WaitUntil([&] { return (cmd = FindCommandInterpreter(ancestor)) != 0; }, left())) {
        answer.failure = "no cmd.exe below process " + std::to_string(ancestor);
        return answer;
    }

    const HANDLE savedIn = GetStdHandle(STD_INPUT_HANDLE);
    const HANDLE savedOut = GetStdHandle(STD_OUTPUT_HANDLE);
    const HANDLE savedErr = GetStdHandle(STD_ERROR_HANDLE);
    FreeConsole();
    if (!WaitUntil([cmd] { return AttachConsole(cmd) != 0; }, left())) {
        failed(&answer, "AttachConsole");
    } else {
        const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
        HANDLE output = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
        HANDLE input = CreateFileA("CONIN$", GENERIC_READ | GENERIC_WRITE, share, nullptr,
                                   OPEN_EXISTING, 0, nullptr);
        if (output == INVALID_HANDLE_VALUE || input == INVALID_HANDLE_VALUE)
            failed(&answer, "opening CONOUT$ or CONIN$");
        else if (!WaitUntil([&] {
                     return ReadScreen(output, &answer.screen) &&
                            CountPrompts(answer.screen) >= prompt;
                 }, left()))
            failed(&answer, "waiting for \"Press any key\" on the console");
        else if (!(answer.answered = PressEnter(input)))
            failed(&answer, "WriteConsoleInputA");
        if (output != INVALID_HANDLE_VALUE)
            CloseHandle(output);
        if (input != INVALID_HANDLE_VALUE)
            CloseHandle(input);
        FreeConsole();
    }
    SetStdHandle(STD_INPUT_HANDLE, savedIn);
    SetStdHandle(STD_OUTPUT_HANDLE, savedOut);
    SetStdHandle(STD_ERROR_HANDLE, savedErr);
    return answer;
}

} // namespace e2e
