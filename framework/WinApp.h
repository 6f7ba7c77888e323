// The application object: one global instance, started by the back end's
// entry point through InitInstance, named after the executable.
#pragma once
#include <new>
#include <string>

#include "framework/Wnd.h"

class CWinApp : public CCmdTarget {
public:
    CWinApp();  // registers this object as the application
    ~CWinApp() override;

    // Called once at start; the process ends when it returns.
    virtual BOOL InitInstance();

    // The executable's file name without its extension.
    const std::string& GetAppName() const { return m_strAppName; }
    // The manual: the file named like the executable with the extension ".html", beside it.
    std::string GetManualPath() const;

    // An icon of the program's resources at the system's big-icon size; nullptr if missing.
    IconHandle LoadIcon(UINT nIDResource) const;

    // The Help command: opens the manual at the main window's topic, or says
    // "Failed to launch help." when that cannot be done.
    void OnHelp();

    // Kept for the classic start-up sequence: the controls already have the
    // platform's current look, so there is nothing to switch on.
    BOOL Enable3dControlsStatic() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;

    // Runs a handler; out of memory inside it ends that handler and shows
    // "Out of memory." owned by the main window. Called by the back end for
    // every message it dispatches.
    template <class Handler>
    static void Guard(Handler&& handler) {
        try {
            handler();
        } catch (const std::bad_alloc&) {
            ReportOutOfMemory();
        }
    }

    // Set by the back end's entry point before InitInstance.
    void SetModulePath(const std::string& path);

    DECLARE_MESSAGE_MAP()

private:
    static void ReportOutOfMemory();

    std::string m_strModulePath;
    std::string m_strAppName;
};

CWinApp* AfxGetApp();

// A message box captioned with the application's name and owned by its main window.
int AfxMessageBox(const std::string& text, UINT type = kMbOk);
