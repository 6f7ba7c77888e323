// Dialog data exchange: binds a dialog's members to its controls, one call
// per member in DoDataExchange, in either direction.
#pragma once
#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CDataExchange {
public:
    CDataExchange(CDialog* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    BOOL m_bSaveAndValidate;  // TRUE: controls into members
    CDialog* m_pDlgWnd;
};

// Attaches the control with this id to a control object.
void DDX_Control(CDataExchange* pDX, UINT nIDC, CWnd& rControl);
// The box's whole text. Writing skips a text of at most 255 characters that
// the box already shows, so its caret and scrolling stay as they are.
void DDX_Text(CDataExchange* pDX, UINT nIDC, std::string& value);
// A check box's state, 0 or 1.
void DDX_Check(CDataExchange* pDX, UINT nIDC, BOOL& value);
