// Modal dialogs built from a dialog template in the resources, with a message
// map, data exchange between members and controls, and command routing.
#pragma once
#include "framework/Wnd.h"

class CDataExchange;
class CDropFiles;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override = default;

    // Creates the window and runs its own message loop until EndDialog.
    // Returns the value given to EndDialog, or -1 if the window could not be created.
    virtual intptr_t DoModal();
    void EndDialog(int nResult);

    // Runs DoDataExchange: controls into members when bSaveAndValidate,
    // members into controls otherwise. Out of memory propagates as std::bad_alloc.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    UINT GetTemplateId() const { return m_nIDTemplate; }

    // Message entry points, called by the platform back end.
    void DispatchPaint();
    IconHandle DispatchQueryDragIcon();
    void DispatchDropFiles(CDropFiles& drop);

    virtual BOOL OnInitDialog();  // writes the members into the controls
    // Routes a command: a click or menu command to this dialog's message map,
    // then Enter (OK) and Escape (cancel), then the application's map.
    virtual BOOL OnCommand(WParam wParam, LParam lParam);

protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual void OnOK();      // reads the controls, then ends the dialog
    virtual void OnCancel();  // ends the dialog

private:
    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_ended = false;
    int m_result = 0;

};
