// Reading and writing other processes' windows.
#include "WindowText.h"

namespace e2e {

namespace {

// Always the wide form: under Wine 8, SendMessageTimeoutA's WM_GETTEXTLENGTH ignores its
// timeout and blocks for as long as the program does (e.g. while it waits in system()).
bool Send(HWND window, UINT msg, WPARAM wp, LPARAM lp, DWORD_PTR* result,
          std::chrono::milliseconds timeout = kMessageTimeout)
{
    return SendMessageTimeoutW(window, msg, wp, lp, SMTO_NORMAL,
                               static_cast<UINT>(timeout.count()), result) != 0;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM lp)
{
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(child);
    return TRUE;
}

struct OwnedSearch {
    HWND owner;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM lp)
{
    auto* search = reinterpret_cast<OwnedSearch*>(lp);
    if (GetWindow(window, GW_OWNER) == search->owner && IsWindowVisible(window))
        search->found.push_back(window);
    return TRUE;
}

} // namespace

std::optional<std::string> GetText(HWND window, std::chrono::milliseconds timeout)
{
    // Read as UTF-16 and converted with the ANSI code page, which is what the program's own
    // GetWindowTextA does with the control's text.
    DWORD_PTR length = 0;
    if (!Send(window, WM_GETTEXTLENGTH, 0, 0, &length, timeout))
        return std::nullopt;
    std::wstring wide(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!Send(window, WM_GETTEXT, wide.size(), reinterpret_cast<LPARAM>(&wide[0]), &copied,
              timeout))
        return std::nullopt;
    wide.resize(copied < wide.size() ? copied : wide.size() - 1);
    if (wide.empty())
        return std::string();
    const int size = WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), &text[0], size,
                        nullptr, nullptr);
    return text;
}

bool SetText(HWND window, const std::string& text)
{
    const char* bytes = text.c_str(); // up to the first NUL, as WM_SETTEXT would take it
    const int size = MultiByteToWideChar(CP_ACP, 0, bytes, -1, nullptr, 0);
    std::wstring wide(static_cast<size_t>(size > 0 ? size : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, bytes, -1, &wide[0], size);
    DWORD_PTR result = 0;
    return Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), &result) &&
           result != 0;
}

std::string ClassName(HWND window)
{
    char name[256];
    int length = GetClassNameA(window, name, sizeof name);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::optional<int> GetCheck(HWND button)
{
    DWORD_PTR state = 0;
    if (!IsWindow(button) || !Send(button, BM_GETCHECK, 0, 0, &state))
        return std::nullopt;
    return static_cast<int>(state);
}

std::vector<ChildWindow> Children(HWND parent)
{
    std::vector<HWND> handles;
    if (IsWindow(parent))
        EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&handles));
    std::vector<ChildWindow> children;
    for (HWND child : handles)
        children.push_back({child, GetDlgCtrlID(child), ClassName(child),
                            GetText(child).value_or(std::string())});
    return children;
}

std::vector<HWND> OwnedWindows(HWND owner)
{
    OwnedSearch search{owner, {}};
    EnumWindows(CollectOwned, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForOwnedWindow(HWND owner, const std::string& caption, std::chrono::milliseconds timeout)
{
    HWND match = nullptr;
    WaitUntil([&] {
        for (HWND window : OwnedWindows(owner)) {
            char text[512];
            int length = GetWindowTextA(window, text, sizeof text);
            if (caption.empty() || caption == std::string(text, length > 0 ? length : 0)) {
                match = window;
                return true;
            }
        }
        return false;
    }, timeout);
    return match;
}

} // namespace e2e
