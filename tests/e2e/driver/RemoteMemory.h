// Memory inside the program's process, for messages whose parameters point to data: Wine and
// Windows carry only the system's own such messages across processes (WM_GETTEXT, ...), not
// WM_DROPFILES, BFFM_SETSELECTIONA or TVM_GETITEMA, whose pointers must be valid in the
// receiving process.
#pragma once

#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteBlock {
public:
    // Commits `size` bytes of read-write memory in `process` (VirtualAllocEx; the handle
    // needs PROCESS_VM_OPERATION, and PROCESS_VM_READ/WRITE to read or write). On failure
    // the block is empty: Address() is nullptr.
    RemoteBlock(HANDLE process, size_t size);
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    // Frees the memory (VirtualFreeEx) unless Leak() was called.
    ~RemoteBlock();

    // The block's address in the other process (nullptr if the allocation failed).
    void* Address() const { return m_address; }
    // Copies `size` bytes from `data` to the block's byte `offset`. False on failure or if
    // the range does not fit.
    bool Write(const void* data, size_t size, size_t offset = 0) const;
    // Copies `size` bytes from the block's byte `offset` to `data`. False on failure.
    bool Read(void* data, size_t size, size_t offset = 0) const;
    // Leaves the memory allocated when the object goes: for a program that may still read
    // it (a message that timed out).
    void Leak() { m_address = nullptr; }

private:
    HANDLE m_hProcess;
    size_t m_size;
    void* m_address;
};

// Sends `msg` with wParam `wp` and lParam the address of a copy of `data` inside `process`,
// with SendMessageTimeout; afterwards copies the block back into `data` (for messages that
// fill it in). `*result` receives the message's result. False if the block could not be
// made or the program did not answer within `timeoutMs` (the block is then left in place).
bool SendWithRemoteData(HANDLE process, HWND window, UINT msg, WPARAM wp, void* data,
                        size_t size, LRESULT* result, DWORD timeoutMs = 5000);

} // namespace e2e
