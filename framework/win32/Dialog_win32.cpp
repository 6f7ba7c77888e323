// Win32 back end of CDialog: creation from the template resource, the modal
// message loop, and the translation of window messages into the dialog's
// entry points, each run under the framework's out-of-memory guard.
#include "framework/win32/Win32.h"

#include "framework/Dialog.h"
#include "framework/WinApp.h"
#include "framework/win32/CurrentMessage.h"
#include "framework/win32/DropFiles_win32.h"

namespace {

CDialog* FromHandle(HWND hwnd) { return reinterpret_cast<CDialog*>(::GetWindowLongPtrA(hwnd, DWLP_USER)); }

// A window with no owner opens in the middle of the screen's work area.
void CenterOnScreen(HWND hwnd) {
    RECT work{}, win{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    ::GetWindowRect(hwnd, &win);
    const int x = work.left + ((work.right - work.left) - (win.right - win.left)) / 2;
    const int y = work.top + ((work.bottom - work.top) - (win.bottom - win.top)) / 2;
    ::SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Edit boxes hold text of any length: the output of a large drop is far
// beyond the boxes' default limit for typing.
BOOL CALLBACK LiftEditLimit(HWND child, LPARAM) {
    char cls[16];
    if (::GetClassNameA(child, cls, sizeof cls) && ::lstrcmpiA(cls, "Edit") == 0)
        ::SendMessageA(child, EM_SETLIMITTEXT, 0, 0);
    return TRUE;
}

INT_PTR OnInit(HWND hwnd, CDialog* dlg) {
    ::EnumChildWindows(hwnd, LiftEditLimit, 0);
    BOOL focusDefault = TRUE;
    CWinApp::Guard([&] { focusDefault = dlg->OnInitDialog(); });
    if (!::GetWindow(hwnd, GW_OWNER)) CenterOnScreen(hwnd);
    return focusDefault;
}

INT_PTR OnDrop(CDialog* dlg, HDROP hDrop) {
    Win32DropFiles drop(hDrop);
    CWinApp::Guard([&] { dlg->DispatchDropFiles(drop); });
    ::DragFinish(hDrop);
    return TRUE;
}

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        auto* dlg = reinterpret_cast<CDialog*>(lParam);
        ::SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        dlg->m_hWnd = hwnd;
    }
    CDialog* dlg = FromHandle(hwnd);
    if (!dlg) return FALSE;
    CurrentMessage current(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_INITDIALOG:
            return OnInit(hwnd, dlg);
        case WM_COMMAND: {
            BOOL handled = FALSE;
            CWinApp::Guard([&] { handled = dlg->OnCommand(wParam, lParam); });
            return handled;
        }
        case WM_PAINT:
            CWinApp::Guard([&] { dlg->DispatchPaint(); });
            return TRUE;
        case WM_QUERYDRAGICON: {
            IconHandle icon = nullptr;
            CWinApp::Guard([&] { icon = dlg->DispatchQueryDragIcon(); });
            return reinterpret_cast<INT_PTR>(icon);  // this message's result is the procedure's own
        }
        case WM_DROPFILES:
            return OnDrop(dlg, reinterpret_cast<HDROP>(wParam));
        default:
            return FALSE;
    }
}

// F1 with no Shift, Ctrl or Alt down asks for help on the window it was pressed in.
bool IsHelpKey(const MSG& msg, HWND dialog) {
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1) return false;
    if (msg.hwnd != dialog && !::IsChild(dialog, msg.hwnd)) return false;
    for (int key : {VK_SHIFT, VK_CONTROL, VK_MENU})
        if (::GetKeyState(key) < 0) return false;
    return true;
}

}  // namespace

intptr_t CDialog::DoModal() {
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    HRSRC res = ::FindResourceA(instance, MAKEINTRESOURCEA(m_nIDTemplate), MAKEINTRESOURCEA(5) /* RT_DIALOG */);
    HGLOBAL loaded = res ? ::LoadResource(instance, res) : nullptr;
    auto* tmpl = loaded ? static_cast<const DLGTEMPLATE*>(::LockResource(loaded)) : nullptr;
    if (!tmpl) return -1;

    HWND owner = m_pParentWnd ? static_cast<HWND>(m_pParentWnd->m_hWnd) : nullptr;
    m_ended = false;
    m_result = 0;
    HWND hwnd = ::CreateDialogIndirectParamA(instance, tmpl, owner, DialogProc, reinterpret_cast<LPARAM>(this));
    if (!hwnd) return -1;
    if (owner) ::EnableWindow(owner, FALSE);

    MSG msg;
    while (!m_ended && ::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (IsHelpKey(msg, hwnd)) {
            ::SendMessageA(hwnd, WM_COMMAND, ID_HELP, 0);
            continue;
        }
        if (!::IsDialogMessageA(hwnd, &msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageA(&msg);
        }
    }
    if (owner) ::EnableWindow(owner, TRUE);
    ::DestroyWindow(hwnd);
    m_hWnd = nullptr;
    return m_result;
}

void CDialog::EndDialog(int nResult) {
    m_result = nResult;
    m_ended = true;
    if (m_hWnd) ::PostMessageA(static_cast<HWND>(m_hWnd), WM_NULL, 0, 0);  // wakes the loop
}
