// Windows of the program found by their process and class.
#include "ProcessWindows.h"

#include "WindowText.h"

namespace e2e {

namespace {

struct ProcessSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOfProcess(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<ProcessSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::vector<HWND> ProcessWindows(DWORD pid)
{
    ProcessSearch search{pid, {}};
    EnumWindows(CollectOfProcess, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForProcessWindow(DWORD pid, const std::string& className, HWND except,
                          std::chrono::milliseconds timeout)
{
    HWND match = nullptr;
    WaitUntil([&] {
        for (HWND window : ProcessWindows(pid)) {
            if (window != except && ClassName(window) == className) {
                match = window;
                return true;
            }
        }
        return false;
    }, timeout);
    return match;
}

HWND FocusedWindowOf(HWND window)
{
    const DWORD thread = GetWindowThreadProcessId(window, nullptr);
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (thread == 0 || !GetGUIThreadInfo(thread, &info))
        return nullptr;
    return info.hwndFocus;
}

} // namespace e2e
