// The shell's folder browser, worked from outside.
#include "FolderBrowser.h"

#include <commctrl.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "RemoteMemory.h"

namespace e2e {

namespace {

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "C:\a\b\" -> "b"; "C:\" -> "C:".
std::string LastPart(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/'))
        path.pop_back();
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

} // namespace

namespace {

// The tree item next to `item` in direction `how` (TVGN_*), 0 if none or no answer.
DWORD_PTR NextItem(HWND tree, WPARAM how, DWORD_PTR item)
{
    DWORD_PTR next = 0;
    if (!SendMessageTimeoutW(tree, TVM_GETNEXTITEM, how, static_cast<LPARAM>(item), SMTO_NORMAL,
                             5000, &next))
        return 0;
    return next;
}

} // namespace

std::optional<std::string> FolderBrowserSelection(HANDLE process, HWND browser)
{
    HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    if (tree == nullptr)
        return std::nullopt;
    const DWORD_PTR item = NextItem(tree, TVGN_CARET, 0);
    if (item == 0)
        return std::nullopt;
    return TreeItemText(process, tree, item);
}

std::optional<std::string> TreeItemText(HANDLE process, HWND tree, DWORD_PTR item)
{
    // One block in the program: the item structure, then the buffer its pszText points to.
    constexpr size_t kTextSize = 520;
    RemoteBlock remote(process, sizeof(TVITEMA) + kTextSize);
    if (remote.Address() == nullptr)
        return std::nullopt;
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = reinterpret_cast<HTREEITEM>(item);
    request.pszText = static_cast<char*>(remote.Address()) + sizeof(TVITEMA);
    request.cchTextMax = static_cast<int>(kTextSize);
    const char empty = '\0';
    DWORD_PTR ok = 0;
    if (!remote.Write(&request, sizeof request) || !remote.Write(&empty, 1, sizeof request))
        return std::nullopt;
    if (!SendMessageTimeoutW(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(remote.Address()),
                             SMTO_NORMAL, 5000, &ok)) {
        remote.Leak();
        return std::nullopt;
    }
    char text[kTextSize] = {};
    if (!ok || !remote.Read(text, kTextSize - 1, sizeof request))
        return std::nullopt;
    return std::string(text);
}

bool SelectTopLevelItemInBrowser(HANDLE process, HWND browser, const std::string& part)
{
    HWND tree = FindWindowExA(browser, nullptr, WC_TREEVIEWA, nullptr);
    if (tree == nullptr)
        return false;
    for (DWORD_PTR item = NextItem(tree, TVGN_CHILD, NextItem(tree, TVGN_ROOT, 0)); item != 0;
         item = NextItem(tree, TVGN_NEXT, item)) {
        const std::optional<std::string> text = TreeItemText(process, tree, item);
        if (!text || Lower(*text).find(Lower(part)) == std::string::npos)
            continue;
        DWORD_PTR ok = 0;
        return SendMessageTimeoutW(tree, TVM_SELECTITEM, TVGN_CARET, static_cast<LPARAM>(item),
                                   SMTO_NORMAL, 5000, &ok) &&
               ok != 0;
    }
    return false;
}

bool SelectFolderInBrowser(HANDLE process, HWND browser, const std::string& path,
                           std::chrono::milliseconds timeout)
{
    const std::string wanted = Lower(LastPart(path));
    std::string copy = path;
    return WaitUntil([&] {
        LRESULT ignored = 0;
        if (!SendWithRemoteData(process, browser, BFFM_SETSELECTIONA, TRUE, &copy[0],
                                copy.size() + 1, &ignored))
            return false;
        const std::optional<std::string> shown = FolderBrowserSelection(process, browser);
        if (!shown)
            return false;
        const std::string item = Lower(*shown);
        const bool drive = !wanted.empty() && wanted.back() == ':';
        return drive ? item.find(wanted) != std::string::npos : item == wanted;
    }, timeout, std::chrono::milliseconds(200));
}

} // namespace e2e
