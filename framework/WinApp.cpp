// The portable half of the application object: its name, its one command
// (Help) and the framework's own message boxes.
#include "framework/WinApp.h"

#include "framework/Dialog.h"
#include "framework/Shell.h"

#include <cstdio>

static CWinApp* g_app = nullptr;

CWinApp* AfxGetApp() { return g_app; }

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return FALSE; }

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
    ON_COMMAND(ID_HELP, OnHelp)
END_MESSAGE_MAP()

void CWinApp::SetModulePath(const std::string& path) {
    m_strModulePath = path;
    const size_t slash = path.find_last_of("\\/");
    std::string file = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = file.rfind('.');
    m_strAppName = dot == std::string::npos ? file : file.substr(0, dot);
}

std::string CWinApp::GetManualPath() const {
    const size_t dot = m_strModulePath.rfind('.');
    const size_t slash = m_strModulePath.find_last_of("\\/");
    const bool hasExt = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    return (hasExt ? m_strModulePath.substr(0, dot) : m_strModulePath) + ".html";
}

// Topics are numbered as dialog help contexts: 0x20000 plus the dialog's template id.
static std::string HelpTopic(CWnd* mainWnd) {
    UINT context = 0x20000;
    if (auto* dlg = dynamic_cast<CDialog*>(mainWnd)) context += dlg->GetTemplateId();
    char topic[32];
    std::snprintf(topic, sizeof topic, "topic-%X", context);
    return topic;
}

void CWinApp::OnHelp() {
    if (!AfxOpenManual(m_pMainWnd, GetManualPath(), HelpTopic(m_pMainWnd)))
        AfxMessageBox("Failed to launch help.", kMbIconExclamation);
}

void CWinApp::ReportOutOfMemory() { AfxMessageBox("Out of memory.", kMbIconExclamation); }

int AfxMessageBox(const std::string& text, UINT type) {
    CWinApp* app = AfxGetApp();
    CWnd none;
    CWnd* owner = app && app->m_pMainWnd ? app->m_pMainWnd : &none;
    return owner->MessageBox(text, app ? app->GetAppName() : std::string(), type);
}
