// Memory inside the program's process.
#include "RemoteMemory.h"

namespace e2e {

RemoteBlock::RemoteBlock(HANDLE process, size_t size)
    : m_hProcess(process),
      m_size(size),
      m_address(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE,
                               PAGE_READWRITE))
{
}

RemoteBlock::~RemoteBlock()
{
    if (m_address)
        VirtualFreeEx(m_hProcess, m_address, 0, MEM_RELEASE);
}

bool RemoteBlock::Write(const void* data, size_t size, size_t offset) const
{
    SIZE_T done = 0;
    return m_address && offset <= m_size && size <= m_size - offset &&
           WriteProcessMemory(m_hProcess, static_cast<char*>(m_address) + offset, data, size,
                              &done) &&
           done == size;
}

bool RemoteBlock::Read(void* data, size_t size, size_t offset) const
{
    SIZE_T done = 0;
    return m_address && offset <= m_size && size <= m_size - offset &&
           ReadProcessMemory(m_hProcess, static_cast<const char*>(m_address) + offset, data,
                             size, &done) &&
           done == size;
}

bool SendWithRemoteData(HANDLE process, HWND window, UINT msg, WPARAM wp, void* data,
                        size_t size, LRESULT* result, DWORD timeoutMs)
{
    RemoteBlock block(process, size);
    if (!block.Write(data, size))
        return false;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(window, msg, wp, reinterpret_cast<LPARAM>(block.Address()),
                             SMTO_NORMAL, timeoutMs, &answer)) {
        block.Leak();
        return false;
    }
    *result = static_cast<LRESULT>(answer);
    return block.Read(data, size);
}

} // namespace e2e
