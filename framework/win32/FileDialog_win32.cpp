// Win32 back end: the common Save As and Open dialogs.
#include "framework/win32/Win32.h"
#include <commdlg.h>

#include "framework/FileDialog.h"
#include "framework/WinApp.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt, const char* lpszFileName, UINT dwFlags,
                         const char* lpszFilter, CWnd* pParentWnd)
    : m_bOpen(bOpenFileDialog),
      m_defExt(lpszDefExt ? lpszDefExt : ""),
      m_fileName(lpszFileName ? lpszFileName : ""),
      m_filter(lpszFilter ? lpszFilter : ""),
      m_flags(dwFlags),
      m_pParentWnd(pParentWnd) {}

intptr_t CFileDialog::DoModal() {
    char file[MAX_PATH] = {};
    m_fileName.copy(file, sizeof file - 1);
    CWnd* owner = m_pParentWnd ? m_pParentWnd : (AfxGetApp() ? AfxGetApp()->m_pMainWnd : nullptr);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner ? static_cast<HWND>(owner->m_hWnd) : nullptr;
    ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    ofn.lpstrFile = file;
    ofn.nMaxFile = sizeof file;
    ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLESIZING;

    const BOOL ok = m_bOpen ? ::GetOpenFileNameA(&ofn) : ::GetSaveFileNameA(&ofn);
    if (!ok) return kIdCancel;
    m_path = file;
    return kIdOk;
}
