// The platform's common Open and Save As dialogs.
#pragma once
#include <string>

#include "framework/Wnd.h"

class CFileDialog {
public:
    enum Flags : UINT { kHideReadOnly = 0x4, kOverwritePrompt = 0x2 };

    // Save form when bOpenFileDialog is FALSE. Null texts mean none. The main
    // window owns the dialog and is disabled while it runs.
    CFileDialog(BOOL bOpenFileDialog, const char* lpszDefExt = nullptr, const char* lpszFileName = nullptr,
                UINT dwFlags = kHideReadOnly | kOverwritePrompt, const char* lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr);

    // kIdOk when the user chose a file, kIdCancel otherwise.
    intptr_t DoModal();
    // The chosen full path (at most 259 bytes).
    std::string GetPathName() const { return m_path; }

private:
    BOOL m_bOpen;
    std::string m_defExt, m_fileName, m_filter;
    UINT m_flags;
    CWnd* m_pParentWnd;
    std::string m_path;
};
