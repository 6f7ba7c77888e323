// Win32 back end: check boxes, edit boxes and popup menus.
#include "framework/win32/Win32.h"

#include "framework/Controls.h"

static HWND H(WindowHandle h) { return static_cast<HWND>(h); }

int CButton::GetCheck() const {
    return m_hWnd ? static_cast<int>(::SendMessageA(H(m_hWnd), BM_GETCHECK, 0, 0)) : 0;
}

void CButton::SetCheck(int nCheck) {
    if (m_hWnd) ::SendMessageA(H(m_hWnd), BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    // The pointer form gives positions beyond 65535, which the packed result cannot.
    DWORD start = 0, end = 0;
    if (m_hWnd)
        ::SendMessageA(H(m_hWnd), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    nStartChar = static_cast<int>(start);
    nEndChar = static_cast<int>(end);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL bNoScroll) {
    if (!m_hWnd) return;
    ::SendMessageA(H(m_hWnd), EM_SETSEL, static_cast<WPARAM>(nStartChar), static_cast<LPARAM>(nEndChar));
    if (!bNoScroll) ::SendMessageA(H(m_hWnd), EM_SCROLLCARET, 0, 0);
}

CMenu::~CMenu() { DestroyMenu(); }

BOOL CMenu::LoadMenu(UINT nIDResource) {
    DestroyMenu();
    m_hMenu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIDResource));
    m_owned = m_hMenu != nullptr;
    return m_owned;
}

CMenu* CMenu::GetSubMenu(int nPos) {
    HMENU sub = m_hMenu ? ::GetSubMenu(static_cast<HMENU>(m_hMenu), nPos) : nullptr;
    if (!sub) return nullptr;
    delete m_sub;
    m_sub = new CMenu;  // borrowed handle: the sub-menu dies with its parent
    m_sub->m_hMenu = sub;
    return m_sub;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner) {
    if (!m_hMenu || !pOwner) return FALSE;
    return ::TrackPopupMenu(static_cast<HMENU>(m_hMenu), nFlags, x, y, 0, H(pOwner->m_hWnd), nullptr);
}

BOOL CMenu::DestroyMenu() {
    delete m_sub;
    m_sub = nullptr;
    const BOOL ok = m_owned && ::DestroyMenu(static_cast<HMENU>(m_hMenu));
    m_hMenu = nullptr;
    m_owned = false;
    return ok;
}
