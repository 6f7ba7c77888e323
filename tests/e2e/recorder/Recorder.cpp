// A stand-in for the web browser, which does not exist on the test machine: the window tests
// register it as the program that opens .html pages, and it appends the arguments it was
// started with (after its own name, tab-separated, as UTF-8) as one line to the file named
// like itself with the extension .txt ("C:\rec\rec.exe" writes "C:\rec\rec.txt"). It shows
// nothing and ends at once.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr)
        return 1;
    std::wstring line;
    for (int i = 1; i < argc; ++i)
        line += (i > 1 ? L"\t" : L"") + std::wstring(argv[i]);
    line += L"\n";
    LocalFree(argv);

    wchar_t self[MAX_PATH];
    DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
    if (n == 0 || n >= MAX_PATH)
        return 1;
    std::wstring log(self, n);
    const size_t dot = log.rfind(L'.');
    log = (dot == std::wstring::npos ? log : log.substr(0, dot)) + L".txt";

    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(size > 0 ? size : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), &utf8[0], size,
                        nullptr, nullptr);
    HANDLE file = CreateFileW(log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == utf8.size() ? 0 : 1;
}
