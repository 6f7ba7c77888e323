// Windows of the program found by their process and class rather than by their owner: the
// folder browser (shown without an owner), the Insert popup menu (class "#32768"), and the
// window that has the keyboard focus.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

// The visible top-level windows of process `pid`, in Z order (EnumWindows).
std::vector<HWND> ProcessWindows(DWORD pid);

// Waits for a visible top-level window of process `pid` whose class name is `className`
// (exactly, e.g. "#32770" for a dialog, "#32768" for a popup menu) and that is not `except`
// (e.g. the main window, itself a "#32770"). nullptr when `timeout` passed first.
HWND WaitForProcessWindow(DWORD pid, const std::string& className, HWND except = nullptr,
                          std::chrono::milliseconds timeout = kTimeout);

// The window with the keyboard focus in the thread that owns `window` (GetGUIThreadInfo);
// nullptr if that thread has no focus window or is gone.
HWND FocusedWindowOf(HWND window);

} // namespace e2e
