// Files the tests prepare and check through the Windows API, in the program's view of the
// disk (the prefix's drives), and a way to fill a small drive to the last byte.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// The file's bytes; nullopt if it cannot be opened (e.g. it does not exist).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Creates or truncates `path` and writes `bytes`. False unless all of it was written.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

// Whether anything (file or folder) exists at `path`.
bool PathExists(const std::string& path);

// The names in `folder` (not "." and ".."), sorted byte-wise; empty if it cannot be listed.
std::vector<std::string> ListFolder(const std::string& folder);

// Creates the folder and the missing folders above it. False if it does not exist afterwards.
bool MakeFolders(const std::string& path);

// Removes the folder with everything in it (SHFileOperation-free: a plain recursive walk).
// Missing is fine. False if something could not be removed.
bool RemoveTree(const std::string& path);

// Fills the drive that `fillerPath` is on: writes the file in 4 KiB pieces, then byte by
// byte, until a write fails, and proves the drive full by failing to write one byte to a new
// probe file (which is then removed). False if the drive never filled (more than
// `maxBytes`) or the proof failed; the filler stays either way, remove it when done.
bool FillDrive(const std::string& fillerPath, unsigned long long maxBytes = 64ull << 20);

} // namespace e2e
