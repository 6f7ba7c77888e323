// The real system clipboard as plain ANSI text.
#include "Clipboard.h"

#include <cstring>

namespace e2e {

namespace {

bool OpenWithRetries(std::chrono::milliseconds timeout)
{
    return WaitUntil([] { return OpenClipboard(nullptr) != 0; }, timeout,
                     std::chrono::milliseconds(10));
}

} // namespace

std::optional<std::string> ReadClipboardText(std::chrono::milliseconds timeout)
{
    if (!OpenWithRetries(timeout))
        return std::nullopt;
    std::optional<std::string> text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
            const SIZE_T size = GlobalSize(data);
            const void* nul = std::memchr(bytes, '\0', size);
            text.emplace(bytes, nul ? static_cast<const char*>(nul) - bytes : size);
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool WriteClipboardText(const std::string& text, std::chrono::milliseconds timeout)
{
    const size_t length = std::strlen(text.c_str());
    if (!OpenWithRetries(timeout))
        return false;
    EmptyClipboard();
    bool ok = false;
    if (HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, length + 1)) {
        std::memcpy(GlobalLock(block), text.c_str(), length + 1);
        GlobalUnlock(block);
        ok = SetClipboardData(CF_TEXT, block) != nullptr;
        if (!ok)
            GlobalFree(block);
    }
    CloseClipboard();
    return ok;
}

bool EmptyTheClipboard(std::chrono::milliseconds timeout)
{
    if (!OpenWithRetries(timeout))
        return false;
    const bool ok = EmptyClipboard() != 0;
    CloseClipboard();
    return ok;
}

DWORD ClipboardSequence()
{
    return GetClipboardSequenceNumber();
}

bool WaitForClipboardChange(DWORD before, std::chrono::milliseconds timeout)
{
    return WaitUntil([before] { return GetClipboardSequenceNumber() != before; }, timeout);
}

} // namespace e2e
