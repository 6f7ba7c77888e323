// The real system clipboard, read and written as plain ANSI text (CF_TEXT).
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

#include "Wait.h"

namespace e2e {

// The clipboard's CF_TEXT bytes up to the first NUL (or the block's end), exactly.
// nullopt if the clipboard holds no text or could not be opened within `timeout`
// (OpenClipboard fails while another program holds it open, so it is retried).
// Text put there by a program vanishes when that program exits: read while it runs.
std::optional<std::string> ReadClipboardText(std::chrono::milliseconds timeout = kTimeout);

// Empties the clipboard and puts `text` (up to its first NUL) there as CF_TEXT, owned by
// nobody; it stays until the next change. False if the clipboard could not be opened
// within `timeout` or memory ran out.
bool WriteClipboardText(const std::string& text, std::chrono::milliseconds timeout = kTimeout);

// Empties the clipboard. False if it could not be opened within `timeout`.
bool EmptyTheClipboard(std::chrono::milliseconds timeout = kTimeout);

// The clipboard's change counter (GetClipboardSequenceNumber): it rises with every change.
DWORD ClipboardSequence();

// Waits until the counter differs from `before`. False when `timeout` passed first.
bool WaitForClipboardChange(DWORD before, std::chrono::milliseconds timeout = kTimeout);

} // namespace e2e
