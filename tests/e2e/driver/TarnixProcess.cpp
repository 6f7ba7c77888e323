// One run of the program under test, driven from outside.
#include "TarnixProcess.h"

#include "ConsolePause.h"
#include "Keys.h"
#include "Screenshot.h"
#include "WindowText.h"

#include <cstring>

namespace e2e {

namespace {

// The test's environment with `extra` added or replacing same-named entries, as a
// CreateProcess environment block: "name=value\0" entries, then one more NUL.
std::vector<char> MakeEnvironment(const std::vector<std::pair<std::string, std::string>>& extra)
{
    std::vector<std::string> entries;
    if (char* block = GetEnvironmentStringsA()) {
        for (const char* entry = block; *entry; entry += std::strlen(entry) + 1)
            entries.emplace_back(entry);
        FreeEnvironmentStringsA(block);
    }
    for (const auto& [name, value] : extra) {
        const std::string prefix = name + "=";
        for (auto it = entries.begin(); it != entries.end();) {
            if (it->size() >= prefix.size() &&
                CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, it->c_str(),
                               static_cast<int>(prefix.size()), prefix.c_str(),
                               static_cast<int>(prefix.size())) == CSTR_EQUAL)
                it = entries.erase(it);
            else
                ++it;
        }
        entries.push_back(prefix + value);
    }
    std::vector<char> block;
    for (const std::string& entry : entries)
        block.insert(block.end(), entry.c_str(), entry.c_str() + entry.size() + 1);
    block.push_back('\0');
    return block;
}

struct MainWindowSearch {
    DWORD pid;
    const std::string* caption;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<MainWindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid || !IsWindowVisible(window))
        return TRUE;
    char text[512];
    int length = GetWindowTextA(window, text, sizeof text);
    if (*search->caption != std::string(text, length > 0 ? length : 0))
        return TRUE;
    search->found = window;
    return FALSE;
}

} // namespace

TarnixProcess::~TarnixProcess()
{
    if (m_hProcess == nullptr)
        return;
    if (IsRunning()) {
        TerminateProcess(m_hProcess, 255);
        WaitForSingleObject(m_hProcess, 5000);
    }
    CloseHandle(m_hProcess);
}

bool TarnixProcess::Start(const std::string& exe, const StartOptions& options,
                          std::chrono::milliseconds timeout)
{
    std::string commandLine = "\"" + exe + "\"";
    if (!options.arguments.empty())
        commandLine += " " + options.arguments;
    std::vector<char> environment = MakeEnvironment(options.environment);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // No standard handles and no console, as when the shell starts a windowed program.
    // Otherwise Wine hands it the test's own (the log file) and the test's "no console"
    // state, and a cmd.exe it starts (system()) would write to the log and read the test's
    // empty input instead of getting a console of its own, where `pause` waits.
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, DETACHED_PROCESS,
                        environment.data(),
                        options.workingDirectory.empty() ? nullptr
                                                         : options.workingDirectory.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    m_hProcess = info.hProcess;
    m_pid = info.dwProcessId;

    MainWindowSearch search{m_pid, &options.caption, nullptr};
    WaitUntil([&] {
        if (!IsRunning())
            return true;
        EnumWindows(MatchMainWindow, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeout);
    m_hwndMain = search.found;
    if (m_hwndMain == nullptr && IsRunning()) {
        TerminateProcess(m_hProcess, 255);
        WaitForSingleObject(m_hProcess, 5000);
    }
    return m_hwndMain != nullptr;
}

HWND TarnixProcess::Control(int id) const
{
    return m_hwndMain ? GetDlgItem(m_hwndMain, id) : nullptr;
}

std::optional<std::string> TarnixProcess::Text(int id) const
{
    HWND control = Control(id);
    return control ? GetText(control) : std::nullopt;
}

bool TarnixProcess::SetText(int id, const std::string& text) const
{
    HWND control = Control(id);
    return control && e2e::SetText(control, text);
}

bool TarnixProcess::WaitForText(int id, const std::string& expected,
                                std::chrono::milliseconds timeout) const
{
    return WaitUntil([&] { return Text(id) == expected; }, timeout);
}

std::optional<int> TarnixProcess::Check(int id) const
{
    HWND control = Control(id);
    return control ? GetCheck(control) : std::nullopt;
}

bool TarnixProcess::Click(int id) const
{
    HWND control = Control(id);
    return control && PostMessageA(control, BM_CLICK, 0, 0);
}

bool TarnixProcess::Sync(int markerEdit, std::chrono::milliseconds timeout) const
{
    HWND edit = Control(markerEdit);
    DWORD_PTR result = 0;
    auto send = [edit, &result](UINT msg, WPARAM wp) {
        return SendMessageTimeoutW(edit, msg, wp, 0, SMTO_NORMAL,
                                   static_cast<UINT>(kMessageTimeout.count()), &result) != 0;
    };
    if (!edit || !send(EM_SETMODIFY, FALSE) || !PostMessageA(edit, EM_SETMODIFY, TRUE, 0))
        return false;
    if (!WaitUntil([&] { return send(EM_GETMODIFY, 0) && result != 0; }, timeout))
        return false;
    return send(EM_SETMODIFY, FALSE);
}

bool TarnixProcess::DropFiles(const std::vector<std::string>& names, DropPoint where) const
{
    return DeliverDrop(m_hProcess, m_hwndMain, MakeDropBlock(names, where),
                       static_cast<DWORD>(kTimeout.count()));
}

bool TarnixProcess::DropFilesWide(const std::vector<std::wstring>& names, DropPoint where) const
{
    return DeliverDrop(m_hProcess, m_hwndMain, MakeDropBlockWide(names, where),
                       static_cast<DWORD>(kTimeout.count()));
}

bool TarnixProcess::IsTopmost() const
{
    return (GetWindowLongPtrA(m_hwndMain, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::optional<std::pair<DWORD, DWORD>> TarnixProcess::Selection(int id) const
{
    HWND control = Control(id);
    DWORD start = 0, end = 0;
    DWORD_PTR result = 0;
    // Wine and Windows both carry EM_GETSEL's two out-parameters across processes.
    if (!control || !SendMessageTimeoutW(control, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                                         reinterpret_cast<LPARAM>(&end), SMTO_NORMAL,
                                         static_cast<UINT>(kMessageTimeout.count()), &result))
        return std::nullopt;
    return std::make_pair(start, end);
}

bool TarnixProcess::Select(int id, DWORD start, DWORD end) const
{
    HWND control = Control(id);
    DWORD_PTR result = 0;
    return control && SendMessageTimeoutW(control, EM_SETSEL, start, end, SMTO_NORMAL,
                                          static_cast<UINT>(kMessageTimeout.count()), &result);
}

bool TarnixProcess::PostKey(int id, WORD virtualKey) const
{
    HWND control = Control(id);
    return control && e2e::PostKey(control, virtualKey);
}

std::vector<HWND> TarnixProcess::OwnedWindows() const
{
    return e2e::OwnedWindows(m_hwndMain);
}

HWND TarnixProcess::WaitForOwnedWindow(const std::string& caption,
                                       std::chrono::milliseconds timeout) const
{
    return e2e::WaitForOwnedWindow(m_hwndMain, caption, timeout);
}

PauseAnswer TarnixProcess::AnswerPause(std::chrono::milliseconds timeout, int prompt) const
{
    return e2e::AnswerPause(m_pid, timeout, prompt);
}

bool TarnixProcess::Screenshot(const std::string& bmpPath) const
{
    return SaveScreenshot(m_hwndMain, bmpPath);
}

bool TarnixProcess::WaitForExit(std::chrono::milliseconds timeout) const
{
    return m_hProcess &&
           WaitForSingleObject(m_hProcess, static_cast<DWORD>(timeout.count())) == WAIT_OBJECT_0;
}

bool TarnixProcess::IsRunning() const
{
    return m_hProcess && WaitForSingleObject(m_hProcess, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> TarnixProcess::ExitCode() const
{
    DWORD code = 0;
    if (!m_hProcess || IsRunning() || !GetExitCodeProcess(m_hProcess, &code))
        return std::nullopt;
    return code;
}

bool TarnixProcess::Close(std::chrono::milliseconds timeout) const
{
    if (!IsRunning())
        return true;
    PostMessageA(m_hwndMain, WM_CLOSE, 0, 0);
    return WaitForExit(timeout);
}

} // namespace e2e
