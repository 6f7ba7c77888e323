// The main window: drop target, output box, template box, options and the
// buttons that act on the output.
#pragma once
#include <string>

#include "core/ListState.h"
#include "framework/Controls.h"
#include "framework/Dialog.h"
#include "framework/DropFiles.h"
#include "framework/Shell.h"

class CListerDlg : public CDialog, protected ListState {
public:
    CListerDlg();

protected:
    BOOL OnCommand(WParam wParam, LParam lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPaint();
    IconHandle OnQueryDragIcon();
    void OnDropFiles(CDropFiles& drop);
    void ClearList();
    void ShowInsertMenu();
    void CopyToClipboard();
    void SaveList();
    void RunInFolder();
    void ApplyAlwaysOnTop();
    void OpenWebHelp();

    DECLARE_MESSAGE_MAP()

private:
    void InsertIntoFormat(const std::string& text);
    void CopyOutputToClipboard();
    std::unique_ptr<CShellFolder> BrowseForFolder(const std::string& title);

    CButton m_btnInsert;
    CEdit m_editFormat;
    IconHandle m_hIcon;
};
