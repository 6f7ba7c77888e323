// Reads a drop block once from start to end. Asking the drop for its names
// one index at a time rescans the block from its start on every call, which
// makes a large drop quadratic; the walk gives the same names in the same order.
#include "framework/win32/DropFiles_win32.h"

#include <shlobj.h>

#include <string>

namespace {

// The bytes that may be read from p: the global block's size, or, for a
// block the shell did not allocate with GlobalAlloc, the rest of its region.
size_t ReadableBytes(HDROP hDrop, const void* p) {
    if (SIZE_T size = ::GlobalSize(hDrop)) return size;
    MEMORY_BASIC_INFORMATION info{};
    if (!::VirtualQuery(p, &info, sizeof info)) return 0;
    return static_cast<const char*>(info.BaseAddress) + info.RegionSize - static_cast<const char*>(p);
}

template <class Char>
size_t Length(const Char* s, size_t max) {
    size_t n = 0;
    while (n < max && s[n]) ++n;
    return n;
}

// Wide names are converted as the ANSI drop query converts them.
void EmitWide(const wchar_t* name, size_t length, std::string& buffer,
              const std::function<void(std::string_view)>& fn) {
    const int n = ::WideCharToMultiByte(CP_ACP, 0, name, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    buffer.resize(n > 0 ? static_cast<size_t>(n) : 0);
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, name, static_cast<int>(length), buffer.data(), n, nullptr, nullptr);
    fn(buffer);
}

template <class Char, class Emit>
UINT Walk(const DROPFILES* block, size_t size, Emit emit) {
    if (size < sizeof(DROPFILES) || block->pFiles >= size) return 0;
    const auto* p = reinterpret_cast<const Char*>(reinterpret_cast<const char*>(block) + block->pFiles);
    size_t left = (size - block->pFiles) / sizeof(Char);
    UINT count = 0;
    while (left > 0 && *p) {
        const size_t n = Length(p, left);
        if (n == left) break;  // no terminating NUL inside the block: not a name
        emit(p, n);
        ++count;
        p += n + 1;
        left -= n + 1;
    }
    return count;
}

template <class Emit>
UINT WalkDrop(HDROP hDrop, Emit emitAnsi, std::function<void(const wchar_t*, size_t)> emitWide) {
    struct Lock {
        HDROP h;
        const DROPFILES* block;
        explicit Lock(HDROP drop) : h(drop), block(static_cast<const DROPFILES*>(::GlobalLock(drop))) {}
        ~Lock() {
            if (block) ::GlobalUnlock(h);
        }
    } lock(hDrop);
    if (!lock.block) return 0;
    const size_t size = ReadableBytes(hDrop, lock.block);
    return lock.block->fWide ? Walk<wchar_t>(lock.block, size, emitWide) : Walk<char>(lock.block, size, emitAnsi);
}

}  // namespace

void Win32DropFiles::ForEachName(const std::function<void(std::string_view)>& fn) const {
    std::string buffer;
    WalkDrop(
        m_hDrop, [&](const char* name, size_t n) { fn(std::string_view(name, n)); },
        [&](const wchar_t* name, size_t n) { EmitWide(name, n, buffer, fn); });
}
