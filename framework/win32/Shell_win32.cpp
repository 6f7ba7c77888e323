// Win32 back end: the shell's folder browser, document opening, and running
// a command script through the command interpreter.
#include "framework/win32/Win32.h"
#include <shlobj.h>

#include <cstdio>
#include <cstring>
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

// The interpreter runs in the script's folder and is given the script's bare
// name, so no character of the folder's path is ever parsed as syntax:
// quoting cannot protect %, which the interpreter expands even inside quotes.
// A network folder cannot be the interpreter's current folder; there the
// full path travels in an environment variable, which it expands once.
constexpr char kScriptVariable[] = "TARNIX_SCRIPT";

enum class ScriptVerb { Run, Delete };

std::string ScriptCommand(ScriptVerb verb, bool network, const std::string& name) {
    if (!network) return (verb == ScriptVerb::Delete ? "del " : "") + name;
    const std::string var = std::string("%") + kScriptVariable + "%";
    return verb == ScriptVerb::Delete ? "del \"" + var + "\"" : "\"\"" + var + "\"\"";
}

void RunInterpreter(const std::string& scriptPath, ScriptVerb verb) {
    const size_t slash = scriptPath.find_last_of('\\');
    if (slash == std::string::npos) return;
    std::string folder = scriptPath.substr(0, slash);
    if (!folder.empty() && folder.back() == ':') folder += '\\';  // "C:" alone means C:'s current folder
    const bool network = scriptPath.rfind("\\\\", 0) == 0;
    std::string line = "\"" + Interpreter() + "\" /c " + ScriptCommand(verb, network, scriptPath.substr(slash + 1));

    ::SetEnvironmentVariableA(kScriptVariable, scriptPath.c_str());
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         network ? nullptr : folder.c_str(), &si, &pi)) {
        ::WaitForSingleObject(pi.hProcess, INFINITE);
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
    }
    ::SetEnvironmentVariableA(kScriptVariable, nullptr);
}

// A file: address for a path in the ANSI code page: UTF-8, with every byte
// that is not plainly safe in an address percent-encoded (spaces, #, %, ...).
std::string FileUrl(const std::string& path) {
    const int wide = ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wide > 0 ? wide : 0), L'\0');
    if (wide > 0) ::MultiByteToWideChar(CP_ACP, 0, path.data(), static_cast<int>(path.size()), w.data(), wide);
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), utf8.data(), n, nullptr, nullptr);

    std::string url = "file:///";
    for (unsigned char c : utf8) {
        if (c == '\\') {
            url += '/';
        } else if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                   std::strchr("/:.-_~", c)) {
            url += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            url += escaped;
        }
    }
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

// The page is opened as a file: address with the topic as its anchor, by the
// program registered for .html pages: given a file: address alone, the shell
// would take the anchor for part of the file's name.
bool AfxOpenManual(CWnd* pOwner, const std::string& manualPath, const std::string& topic) {
    if (::GetFileAttributesA(manualPath.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    const std::string url = FileUrl(manualPath) + "#" + topic;
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_CLASSNAME | SEE_MASK_FLAG_NO_UI;
    info.hwnd = pOwner ? static_cast<HWND>(pOwner->m_hWnd) : nullptr;
    info.lpVerb = "open";
    info.lpFile = url.c_str();
    info.lpClass = ".html";
    info.nShow = SW_SHOWNORMAL;
    return ::ShellExecuteExA(&info) != FALSE;
}

void AfxRunScript(const std::string& scriptPath) { RunInterpreter(scriptPath, ScriptVerb::Run); }

void AfxDeleteScript(const std::string& scriptPath) { RunInterpreter(scriptPath, ScriptVerb::Delete); }
