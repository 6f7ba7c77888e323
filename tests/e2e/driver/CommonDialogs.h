// The system's dialogs that the program opens, worked from outside: the common Save As
// dialog and message boxes.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// The file-name box of a common Open or Save As dialog: the edit with id edt1, or the edit
// inside the combo box with id cmb13 (the explorer-style templates use either). nullptr if
// `dialog` has neither.
HWND FileNameEdit(HWND dialog);

// Types `path` into the dialog's file-name box (WM_SETTEXT) and clicks its OK button ("Save"
// or "Open", id IDOK) with a posted BM_CLICK, as a user would. Posted, so it returns at
// once: the dialog validates the name and closes itself (or shows a message of its own).
// False if there is no file-name box or a message could not be delivered.
bool ChooseFileName(HWND dialog, const std::string& path);

// Clicks a dialog's button with a posted BM_CLICK (IDOK, IDCANCEL, ...). False if the dialog
// has no such button or the post failed.
bool ClickDialogButton(HWND dialog, int id);

// The message of a message box: the texts of its static controls that hold text (the
// icon's static holds none), joined with '\n'. Empty if `box` is gone.
std::string MessageBoxText(HWND box);

// The window's caption (GetWindowTextA, which needs no answer from the window's thread for
// a window of another process); empty if it is gone.
std::string Caption(HWND window);

} // namespace e2e
