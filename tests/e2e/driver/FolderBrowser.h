// The shell's folder browser (SHBrowseForFolder) of the program, worked from outside.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "Wait.h"

namespace e2e {

// The text of the item selected in the browser's folder tree (the SysTreeView32 child of
// `browser`), read with TVM_GETITEMA through memory in `process`; nullopt if there is no
// tree, no selection, or no answer.
std::optional<std::string> FolderBrowserSelection(HANDLE process, HWND browser);

// The text of one item of a tree view in `process`, read with TVM_GETITEMA; nullopt if
// there is no answer.
std::optional<std::string> TreeItemText(HANDLE process, HWND tree, DWORD_PTR item);

// Selects the first item under the tree's root (the desktop) whose text contains `part`,
// case ignored: a way to pick a shell folder that has no file-system path, such as
// "My Computer". False if there is no such item or the tree did not select it.
bool SelectTopLevelItemInBrowser(HANDLE process, HWND browser, const std::string& part);

// Selects `path` (a Windows path, ANSI) in the browser: sends BFFM_SETSELECTIONA with the
// path in `process`'s memory, and again until the tree's selected item names the path's
// last part (Wine sometimes ignores the first right after the browser opens). A folder's
// item must equal that part, a drive's item must contain "C:"; case is ignored. False if the
// selection did not show within `timeout`. The test then clicks the browser's OK (id 1).
bool SelectFolderInBrowser(HANDLE process, HWND browser, const std::string& path,
                           std::chrono::milliseconds timeout = kTimeout);

} // namespace e2e
