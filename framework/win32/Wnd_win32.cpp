// Win32 back end: windows, painting and message boxes.
#include "framework/win32/Win32.h"

#include "framework/Wnd.h"
#include "framework/win32/CurrentMessage.h"

static HWND H(WindowHandle h) { return static_cast<HWND>(h); }

CWnd CWnd::GetDlgItem(UINT id) const { return CWnd(m_hWnd ? ::GetDlgItem(H(m_hWnd), static_cast<int>(id)) : nullptr); }

size_t CWnd::GetWindowTextLength() const {
    if (!m_hWnd) return 0;
    const int n = ::GetWindowTextLengthA(H(m_hWnd));
    return n > 0 ? static_cast<size_t>(n) : 0;
}

std::string CWnd::GetWindowText() const {
    std::string text(GetWindowTextLength(), '\0');
    if (text.empty()) return text;
    const int got = ::GetWindowTextA(H(m_hWnd), text.data(), static_cast<int>(text.size()) + 1);
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

void CWnd::SetWindowText(const std::string& text) {
    if (m_hWnd) ::SetWindowTextA(H(m_hWnd), text.c_str());
}

void CWnd::GetWindowRect(CRect* rect) const {
    RECT r{};
    if (m_hWnd) ::GetWindowRect(H(m_hWnd), &r);
    *rect = CRect{r.left, r.top, r.right, r.bottom};
}

void CWnd::GetClientRect(CRect* rect) const {
    RECT r{};
    if (m_hWnd) ::GetClientRect(H(m_hWnd), &r);
    *rect = CRect{r.left, r.top, r.right, r.bottom};
}

BOOL CWnd::IsIconic() const { return m_hWnd && ::IsIconic(H(m_hWnd)); }

void CWnd::SetFocus() {
    if (m_hWnd) ::SetFocus(H(m_hWnd));
}

void CWnd::SetIcon(IconHandle icon, BOOL bBigIcon) {
    if (m_hWnd)
        ::SendMessageA(H(m_hWnd), WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

void CWnd::SetTopMost(BOOL bTopMost) {
    if (m_hWnd)
        ::SetWindowPos(H(m_hWnd), bTopMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CWnd::SendIconEraseBkgnd(CPaintDC& dc) {
    if (m_hWnd) ::SendMessageA(H(m_hWnd), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
}

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return ::MessageBoxA(H(m_hWnd), text.c_str(), caption.c_str(), type);
}

void CWnd::Default() {
    const CurrentMessage* m = CurrentMessage::Get();
    if (m && m->hwnd == H(m_hWnd)) ::DefWindowProcA(m->hwnd, m->msg, m->wParam, m->lParam);
}


CPaintDC::CPaintDC(CWnd* wnd) : m_wnd(wnd) {
    static_assert(sizeof(PAINTSTRUCT) <= 128, "paint record too small");
    m_hdc = ::BeginPaint(H(wnd->m_hWnd), reinterpret_cast<PAINTSTRUCT*>(m_paint));
}

CPaintDC::~CPaintDC() { ::EndPaint(H(m_wnd->m_hWnd), reinterpret_cast<PAINTSTRUCT*>(m_paint)); }

void CPaintDC::DrawIcon(int x, int y, IconHandle icon) { ::DrawIcon(static_cast<HDC>(m_hdc), x, y, static_cast<HICON>(icon)); }

CSize AfxGetSystemIconSize() { return CSize{::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)}; }
