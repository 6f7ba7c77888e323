// A window of the program: a thin handle wrapper. Every call on a window
// without a handle does nothing and reports nothing.
#pragma once
#include <string>
#include <string_view>

#include "framework/CmdTarget.h"

// Message box styles (combine one button set with one icon).
enum MsgBoxStyle : UINT { kMbOk = 0x0, kMbIconExclamation = 0x30 };

class CPaintDC;

class CWnd : public CCmdTarget {
public:
    CWnd() = default;
    explicit CWnd(WindowHandle h) : m_hWnd(h) {}

    WindowHandle GetSafeHwnd() const { return m_hWnd; }

    // A wrapper for the child control with this id (no handle if none).
    CWnd GetDlgItem(UINT id) const;

    // The whole text, in the ANSI code page, with no length limit.
    std::string GetWindowText() const;
    size_t GetWindowTextLength() const;
    // Replaces the whole text. A NUL byte ends the text, as in any C string.
    void SetWindowText(const std::string& text);

    void GetWindowRect(CRect* rect) const;  // screen coordinates
    void GetClientRect(CRect* rect) const;
    BOOL IsIconic() const;
    void SetFocus();
    void SetIcon(IconHandle icon, BOOL bBigIcon);
    // Puts the window into the topmost band or takes it out; position and size stay.
    void SetTopMost(BOOL bTopMost);
    // Sends the erase message for a minimised window's icon with this paint context.
    void SendIconEraseBkgnd(CPaintDC& dc);
    // A modal message box owned by this window; returns the button's id.
    int MessageBox(const std::string& text, const std::string& caption, UINT type = kMbOk);

    // Hands the message being handled to the platform's default handling.
    void Default();

    WindowHandle m_hWnd = nullptr;
};

// Painting a window inside its paint message: begins on construction, ends on destruction.
class CPaintDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC();
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    void DrawIcon(int x, int y, IconHandle icon);
    void* GetSafeHdc() const { return m_hdc; }

private:
    CWnd* m_wnd;
    void* m_hdc = nullptr;
    alignas(8) unsigned char m_paint[128];  // the platform's paint record
};

// The size the system gives icons (the big icon), in pixels.
struct CSize { int cx = 0, cy = 0; };
CSize AfxGetSystemIconSize();
