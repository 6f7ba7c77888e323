// Keys posted to a control.
#include "Keys.h"

namespace e2e {

namespace {

// Undocumented, so absent from the headers; the value is the one Windows and Wine use.
constexpr UINT kWmKeyF1 = 0x004D;

bool IsExtendedKey(WORD vk)
{
    switch (vk) {
    case VK_INSERT: case VK_DELETE: case VK_HOME: case VK_END: case VK_PRIOR: case VK_NEXT:
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

bool PostKey(HWND window, WORD virtualKey)
{
    LPARAM flags = 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC)) << 16;
    if (IsExtendedKey(virtualKey))
        flags |= 1L << 24;
    const LPARAM up = flags | (1L << 30) | (1L << 31);
    if (!PostMessageA(window, WM_KEYDOWN, virtualKey, flags))
        return false;
    if (virtualKey == VK_F1 && !PostMessageA(window, kWmKeyF1, 0, 0))
        return false;
    return PostMessageA(window, WM_KEYUP, virtualKey, up) != 0;
}

bool PostChars(HWND window, const std::string& text)
{
    for (unsigned char c : text)
        if (!PostMessageA(window, WM_CHAR, c, 1))
            return false;
    return true;
}

} // namespace e2e
