// The one application object and its start-up.
#include "ui/ListerApp.h"

#include "ui/ListerDlg.h"

CListerApp theApp;

BOOL CListerApp::InitInstance() {
    Enable3dControlsStatic();
    CListerDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
    return FALSE;  // no message loop of our own: the process ends here
}
