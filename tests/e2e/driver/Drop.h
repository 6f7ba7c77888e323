// A real drop of files from outside: the drop block lives in the receiving process, as the
// shell's does, and the program handles WM_DROPFILES with its own DragQueryFile calls.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Where the drop lands: a point in the window's client area (DROPFILES.pt) and whether it
// is in the non-client area (DROPFILES.fNC).
struct DropPoint {
    POINT pt{10, 10};
    bool nonClient = false;
};

// Builds a DROPFILES block with ANSI names (fWide FALSE): the header, each name with its
// NUL, one more NUL. Exposed so a test can also craft or inspect blocks.
std::vector<char> MakeDropBlock(const std::vector<std::string>& names, DropPoint where = {});

// The same with UTF-16 names (fWide TRUE); DragQueryFileA then converts them to the
// program's ANSI code page.
std::vector<char> MakeDropBlockWide(const std::vector<std::wstring>& names,
                                    DropPoint where = {});

// Writes `block` into `process` (VirtualAllocEx + WriteProcessMemory; the handle needs
// PROCESS_VM_OPERATION and PROCESS_VM_WRITE) and sends WM_DROPFILES with its address to
// `window` (SendMessageTimeout), so it returns after the program handled the drop. The
// block is freed afterwards; if the program did not answer within `timeoutMs` it is left
// in place (the program may still read it) and false is returned. False too if the memory
// could not be allocated or written.
bool DeliverDrop(HANDLE process, HWND window, const std::vector<char>& block,
                 DWORD timeoutMs = 15000);

} // namespace e2e
