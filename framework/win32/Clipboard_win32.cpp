// Win32 back end: plain text onto the clipboard.
#include "framework/win32/Win32.h"

#include <cstring>

#include "framework/Clipboard.h"

void CopyTextToClipboard(CWnd& owner, std::string_view text) {
    if (!::OpenClipboard(static_cast<HWND>(owner.m_hWnd))) return;
    ::EmptyClipboard();
    if (HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        char* p = static_cast<char*>(::GlobalLock(block));
        std::memcpy(p, text.data(), text.size());
        p[text.size()] = '\0';
        ::GlobalUnlock(block);
        if (!::SetClipboardData(CF_TEXT, block)) ::GlobalFree(block);  // not handed over: still ours
    }
    ::CloseClipboard();
}
