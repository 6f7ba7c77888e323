// Win32 back end: the shell's folder browser, document opening, and running
// a command script through the command interpreter.
#include "framework/win32/Win32.h"
#include <shlobj.h>

#include <string>

#include "framework/Shell.h"

namespace {

class Win32ShellFolder : public CShellFolder {
public:
    explicit Win32ShellFolder(LPITEMIDLIST pidl) : m_pidl(pidl) {}
    ~Win32ShellFolder() override {
        IMalloc* malloc = nullptr;
        if (SUCCEEDED(::SHGetMalloc(&malloc))) {
            malloc->Free(m_pidl);
            malloc->Release();
        }
    }
    std::string GetPath() const override {
        char path[MAX_PATH] = {};
        if (!::SHGetPathFromIDListA(m_pidl, path)) return std::string();
        return path;
    }

private:
    LPITEMIDLIST m_pidl;
};

// The interpreter named by COMSPEC when that program exists, else cmd.exe
// found along the usual search path.
std::string Interpreter() {
    char comspec[MAX_PATH];
    const DWORD n = ::GetEnvironmentVariableA("COMSPEC", comspec, sizeof comspec);
    if (n > 0 && n < sizeof comspec && ::GetFileAttributesA(comspec) != INVALID_FILE_ATTRIBUTES) return comspec;
    return "cmd.exe";
}

// The script's path travels in an environment variable that the interpreter
// expands once: its characters (spaces, & ^ ( ) % !) are never parsed as
// syntax, which quoting alone cannot promise for %.
constexpr char kScriptVariable[] = "TARNIX_SCRIPT";

void RunInterpreter(const std::string& scriptPath, const std::string& command) {
    std::string line = "\"" + Interpreter() + "\" /c " + command;
    ::SetEnvironmentVariableA(kScriptVariable, scriptPath.c_str());
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::SetEnvironmentVariableA(kScriptVariable, nullptr);
}

std::string FileUrl(const std::string& path) {
    std::string url = "file:///";
    for (char c : path) url += c == '\\' ? '/' : c;
    return url;
}

}  // namespace

std::unique_ptr<CShellFolder> AfxBrowseForFolder(const std::string& title) {
    char displayName[MAX_PATH] = {};
    BROWSEINFOA bi{};
    bi.pszDisplayName = displayName;
    bi.lpszTitle = title.c_str();
    LPITEMIDLIST pidl = ::SHBrowseForFolderA(&bi);
    if (!pidl) return nullptr;
    return std::make_unique<Win32ShellFolder>(pidl);
}

bool AfxShellOpen(CWnd* pOwner, const std::string& target) {
    HWND owner = pOwner ? static_cast<HWND>(pOwner->m_hWnd) : nullptr;
    const auto result = reinterpret_cast<INT_PTR>(
        ::ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    return result > 32;
}

bool AfxOpenManual(CWnd* pOwner, const std::string& manualPath, const std::string& topic) {
    if (::GetFileAttributesA(manualPath.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    return AfxShellOpen(pOwner, FileUrl(manualPath) + "#" + topic);
}

void AfxRunScript(const std::string& scriptPath) {
    RunInterpreter(scriptPath, std::string("\"\"%") + kScriptVariable + "%\"\"");
}

void AfxDeleteScript(const std::string& scriptPath) {
    RunInterpreter(scriptPath, std::string("del \"%") + kScriptVariable + "%\"");
}
