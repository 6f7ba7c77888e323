// The portable half of CDialog: data exchange, command routing and the
// message entry points. Creation and the modal loop live in the back end.
#include "framework/Dialog.h"

#include "framework/DataExchange.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CDialog::OnCommand(WParam wParam, LParam) {
    const UINT id = static_cast<UINT>(wParam & 0xFFFF);
    const UINT code = static_cast<UINT>((wParam >> 16) & 0xFFFF);
    if (code != 0) return FALSE;  // edit notifications and accelerators: not ours
    if (OnCmdMsg(id)) return TRUE;
    if (id == kIdOk) {
        OnOK();
        return TRUE;
    }
    if (id == kIdCancel) {
        OnCancel();
        return TRUE;
    }
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id) ? TRUE : FALSE;
}

void CDialog::OnOK() {
    UpdateData(TRUE);
    EndDialog(kIdOk);
}

void CDialog::OnCancel() { EndDialog(kIdCancel); }

void CDialog::DispatchPaint() {
    if (const MessageMapEntry* e = FindEntry(MsgKind::Paint))
        (this->*e->onVoid)();
    else
        Default();
}

IconHandle CDialog::DispatchQueryDragIcon() {
    const MessageMapEntry* e = FindEntry(MsgKind::QueryDragIcon);
    return e ? (this->*e->onIcon)() : nullptr;
}

void CDialog::DispatchDropFiles(CDropFiles& drop) {
    if (const MessageMapEntry* e = FindEntry(MsgKind::DropFiles))
        (this->*e->onDrop)(drop);
    else
        Default();
}
