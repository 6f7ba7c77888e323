// Keys posted to a control, so that the program's own modal loop and dialog manager see them.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Posts a key press to `window` as the keyboard would deliver it: WM_KEYDOWN, then
// WM_KEYUP, with repeat count 1 and the key's scan code. The program's message loop
// translates the key down into WM_CHAR itself (TranslateMessage), so Enter in a multi-line
// edit adds exactly one line, and its dialog manager (IsDialogMessage) sees Enter, Escape
// and Tab. For F1, WM_KEYF1 is posted between the two, as Wine does for a real F1 (it then
// becomes WM_HELP). Returns false if a post failed (the window is gone). Posted, so it
// returns before the program handled the key: poll for the effect.
bool PostKey(HWND window, WORD virtualKey);

// Posts WM_CHAR for each byte of `text` (ANSI), as typing those characters would give after
// translation. False if a post failed.
bool PostChars(HWND window, const std::string& text);

} // namespace e2e
