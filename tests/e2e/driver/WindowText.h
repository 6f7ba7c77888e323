// Reading and writing other processes' windows: texts, check states, children, owned windows.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "Wait.h"

namespace e2e {

// How long one message to the program may take before the program counts as hung.
constexpr std::chrono::milliseconds kMessageTimeout{5000};

// The window's text as the ANSI bytes the program's own GetWindowTextA would give, CR LF
// included (WM_GETTEXTLENGTH + WM_GETTEXT, sent in their wide form, which Wine marshals
// across processes, then converted with the ANSI code page; the test and the program run
// with the same one). nullopt if the window is gone or the program does not answer within
// `timeout` (e.g. it is blocked in system() or a modal call of its own).
std::optional<std::string> GetText(HWND window,
                                   std::chrono::milliseconds timeout = kMessageTimeout);

// Replaces the window's text with `text` up to its first NUL, as the program's own
// SetWindowTextA would (converted with the ANSI code page, WM_SETTEXT sent). False if the
// window refused it, is gone or does not answer within kMessageTimeout.
bool SetText(HWND window, const std::string& text);

// The window's class name ("Edit", "Button", "#32770"); empty if the window is gone.
std::string ClassName(HWND window);

// A button's check state (BM_GETCHECK, sent): 0 clear, 1 checked, 2 indeterminate;
// nullopt if the window is gone or does not answer.
std::optional<int> GetCheck(HWND button);

// One child window as a test sees it.
struct ChildWindow {
    HWND hwnd;
    int id;                // GetDlgCtrlID; -1 (0xFFFF) and 65535 both mean "no id"
    std::string className;
    std::string text;      // empty if it could not be read
};

// All descendants of `parent` in Z order (EnumChildWindows), with their ids and texts.
// Empty if `parent` is gone. Texts are read with GetText, so each may wait kMessageTimeout.
std::vector<ChildWindow> Children(HWND parent);

// The visible top-level windows whose owner is `owner` (message boxes, the Save As dialog,
// the folder browser). Empty if there are none.
std::vector<HWND> OwnedWindows(HWND owner);

// Waits for a visible window owned by `owner`; with a non-empty `caption`, one whose caption
// is exactly that. Returns it, or nullptr when `timeout` passed first.
HWND WaitForOwnedWindow(HWND owner, const std::string& caption = {},
                        std::chrono::milliseconds timeout = kTimeout);

} // namespace e2e
