// Win32 back end: the process entry point. It names the application after
// the executable and runs its InitInstance; the process ends when that returns.
#include "framework/win32/Win32.h"
#include <objbase.h>

#include <string>

#include "framework/WinApp.h"

static std::string ModulePath() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

IconHandle CWinApp::LoadIcon(UINT nIDResource) const {
    return ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;
    // The shell's folder browser and document opening expect COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    app->SetModulePath(ModulePath());
    CWinApp::Guard([&] { app->InitInstance(); });
    if (SUCCEEDED(com)) ::CoUninitialize();
    return 0;
}
