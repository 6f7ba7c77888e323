// Files the tests prepare and check, and filling a small drive.
#include "Files.h"

#include <windows.h>

#include <algorithm>

namespace e2e {

namespace {

// Writes `size` bytes with one WriteFile call; true only if all were written.
bool WriteAll(HANDLE file, const char* data, DWORD size)
{
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

} // namespace

std::optional<std::string> ReadFileBytes(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE |
                              FILE_SHARE_DELETE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        bytes.append(buffer, read);
    CloseHandle(file);
    return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const bool ok = bytes.empty() ||
                    WriteAll(file, bytes.data(), static_cast<DWORD>(bytes.size()));
    return CloseHandle(file) && ok;
}

bool PathExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::string> ListFolder(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

bool MakeFolders(const std::string& path)
{
    for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
        CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool RemoveTree(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return true;
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileA(path.c_str()) != 0;
    }
    bool ok = true;
    for (const std::string& name : ListFolder(path))
        ok = RemoveTree(path + "\\" + name) && ok;
    return RemoveDirectoryA(path.c_str()) && ok;
}

bool FillDrive(const std::string& fillerPath, unsigned long long maxBytes)
{
    HANDLE file = CreateFileA(fillerPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const std::string piece(4096, 'f');
    unsigned long long total = 0;
    while (total <= maxBytes && WriteAll(file, piece.data(), static_cast<DWORD>(piece.size())))
        total += piece.size();
    // A drive with a smaller allocation unit may still hold a partial piece.
    while (total <= maxBytes && WriteAll(file, piece.data(), 1))
        ++total;
    CloseHandle(file);
    if (total > maxBytes)
        return false;

    const std::string probePath = fillerPath + ".probe";
    HANDLE probe = CreateFileA(probePath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    bool full = probe != INVALID_HANDLE_VALUE;
    if (full) {
        full = !WriteAll(probe, "x", 1) || !FlushFileBuffers(probe);
        CloseHandle(probe);
        DeleteFileA(probePath.c_str());
    }
    return full;
}

} // namespace e2e
