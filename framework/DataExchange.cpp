// Dialog data exchange between members and controls.
#include "framework/DataExchange.h"

#include "core/Text.h"

// A box already showing a short text keeps it untouched, caret and all;
// longer texts are always written, since comparing them costs a full read.
static constexpr size_t kMaxCompareLength = 255;

void DDX_Control(CDataExchange* pDX, UINT nIDC, CWnd& rControl) {
    if (!rControl.m_hWnd) rControl.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(nIDC).m_hWnd;
}

void DDX_Text(CDataExchange* pDX, UINT nIDC, std::string& value) {
    CWnd box = pDX->m_pDlgWnd->GetDlgItem(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = box.GetWindowText();
        return;
    }
    const std::string_view text = UpToFirstNul(value);
    if (text.size() <= kMaxCompareLength && box.GetWindowTextLength() == text.size() &&
        box.GetWindowText() == text)
        return;
    box.SetWindowText(value);
}

void DDX_Check(CDataExchange* pDX, UINT nIDC, BOOL& value) {
    CButton box;
    box.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(nIDC).m_hWnd;
    if (pDX->m_bSaveAndValidate)
        value = box.GetCheck();
    else
        box.SetCheck(value);
}
