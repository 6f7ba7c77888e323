// The harness's command-line options.
#include "Options.h"

#include <cstdlib>
#include <cstring>

namespace e2e {

namespace {
std::string g_tarnixExe;
} // namespace

void ParseOptions(int* argc, char** argv)
{
    static const char kTarnix[] = "--tarnix=";
    int kept = 1;
    for (int i = 1; i < *argc; ++i) {
        if (std::strncmp(argv[i], kTarnix, sizeof kTarnix - 1) == 0)
            g_tarnixExe = WindowsPath(argv[i] + sizeof kTarnix - 1);
        else
            argv[kept++] = argv[i];
    }
    *argc = kept;
    argv[kept] = nullptr;
}

const std::string& TarnixExe()
{
    return g_tarnixExe;
}

std::string WindowsPath(const std::string& path)
{
    if (path.empty() || path[0] != '/')
        return path;
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

std::string ArtifactPath(const std::string& fileName)
{
    const char* dir = std::getenv("TARNIX_E2E_ARTIFACTS");
    if (dir == nullptr || *dir == '\0')
        return fileName;
    std::string path = WindowsPath(dir);
    if (path.back() != '\\')
        path += '\\';
    return path + fileName;
}

} // namespace e2e
