// A real drop of files from outside.
#include "Drop.h"

#include <shlobj.h>

#include <cstring>

#include "RemoteMemory.h"

namespace e2e {

namespace {

template <typename Char>
std::vector<char> MakeBlock(const std::vector<std::basic_string<Char>>& names, DropPoint where,
                            BOOL wide)
{
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.pt = where.pt;
    header.fNC = where.nonClient;
    header.fWide = wide;
    std::vector<char> block(reinterpret_cast<const char*>(&header),
                            reinterpret_cast<const char*>(&header) + sizeof header);
    auto append = [&block](const Char* text, size_t count) {
        const char* bytes = reinterpret_cast<const char*>(text);
        block.insert(block.end(), bytes, bytes + count * sizeof(Char));
    };
    const Char nul = 0;
    for (const auto& name : names) {
        append(name.c_str(), name.size());
        append(&nul, 1);
    }
    append(&nul, 1);
    return block;
}

} // namespace

std::vector<char> MakeDropBlock(const std::vector<std::string>& names, DropPoint where)
{
    return MakeBlock(names, where, FALSE);
}

std::vector<char> MakeDropBlockWide(const std::vector<std::wstring>& names, DropPoint where)
{
    return MakeBlock(names, where, TRUE);
}

bool DeliverDrop(HANDLE process, HWND window, const std::vector<char>& block, DWORD timeoutMs)
{
    RemoteBlock remote(process, block.size());
    if (!remote.Write(block.data(), block.size()))
        return false;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote.Address()),
                             0, SMTO_NORMAL, timeoutMs, &result)) {
        remote.Leak();
        return false;
    }
    return true;
}

} // namespace e2e
