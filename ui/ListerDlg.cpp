// The main dialog's handlers. Each gathers the state it needs from the
// controls and hands the work to the core or the actions.
#include "ui/ListerDlg.h"

#include <algorithm>

#include "actions/CommandScript.h"
#include "actions/SaveOutput.h"
#include "actions/WriteFile.h"
#include "core/Text.h"
#include "framework/Clipboard.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "framework/System.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "ui/InsertTable.h"

CListerDlg::CListerDlg() : CDialog(IDD_LISTER_DIALOG), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

void CListerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_INSERT_SPECIAL, m_btnInsert);
    DDX_Control(pDX, IDC_FORMAT, m_editFormat);
    DDX_Text(pDX, IDC_OUTPUT, m_strOutput);
    DDX_Text(pDX, IDC_FORMAT, m_strFormat);
    DDX_Check(pDX, IDC_UNIX_SLASHES, m_bUnixSlashes);
    DDX_Check(pDX, IDC_ALWAYS_ON_TOP, m_bAlwaysOnTop);
}

BEGIN_MESSAGE_MAP(CListerDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_DROPFILES()
    ON_BN_CLICKED(IDC_CLEAR, ClearList)
    ON_BN_CLICKED(IDC_INSERT_SPECIAL, ShowInsertMenu)
    ON_BN_CLICKED(IDC_COPY, CopyToClipboard)
    ON_BN_CLICKED(IDC_SAVE, SaveList)
    ON_BN_CLICKED(IDC_RUN, RunInFolder)
    ON_BN_CLICKED(IDC_ALWAYS_ON_TOP, ApplyAlwaysOnTop)
    ON_BN_CLICKED(IDC_WEB_HELP, OpenWebHelp)
END_MESSAGE_MAP()

BOOL CListerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    ApplyAlwaysOnTop();
    return TRUE;  // the first control in tab order, the output box, gets the focus
}

// A minimised window shows its icon in the middle of its client area.
void CListerDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendIconEraseBkgnd(dc);
    const CSize icon = AfxGetSystemIconSize();
    CRect rect;
    GetClientRect(&rect);
    dc.DrawIcon((rect.Width() - icon.cx + 1) / 2, (rect.Height() - icon.cy + 1) / 2, m_hIcon);
}

IconHandle CListerDlg::OnQueryDragIcon() { return m_hIcon; }

void CListerDlg::OnDropFiles(CDropFiles& drop) {
    UpdateData(TRUE);
    const LeadBytes lead = AfxGetLeadBytes();
    ListState::Drop batch(*this, lead);
    drop.ForEachName([&](std::string_view name) { batch.AddFile(name); });
    UpdateData(FALSE);
    // The box was just given the output: copy it without reading it back.
    CopyOutputToClipboard();
    Default();
}

void CListerDlg::ClearList() {
    UpdateData(TRUE);
    Clear();
    UpdateData(FALSE);
}

void CListerDlg::CopyToClipboard() {
    UpdateData(TRUE);
    CopyOutputToClipboard();
}

void CListerDlg::CopyOutputToClipboard() { CopyTextToClipboard(*this, UpToFirstNul(m_strOutput)); }

void CListerDlg::ApplyAlwaysOnTop() {
    UpdateData(TRUE);
    SetTopMost(m_bAlwaysOnTop != 0);
}

void CListerDlg::OpenWebHelp() { AfxShellOpen(this, AfxGetApp()->GetManualPath()); }

void CListerDlg::ShowInsertMenu() {
    CRect button;
    m_btnInsert.GetWindowRect(&button);
    CMenu menu;
    if (menu.LoadMenu(IDR_INSERT_MENU)) {
        if (CMenu* popup = menu.GetSubMenu(0))
            popup->TrackPopupMenu(CMenu::kTrackRightButton, button.left, button.bottom, this);
    }
    menu.DestroyMenu();
}

BOOL CListerDlg::OnCommand(WParam wParam, LParam lParam) {
    const char* text = wParam <= 0xFFFFFFFFu ? FindInsertText(static_cast<uint32_t>(wParam)) : nullptr;
    if (lParam != 0 || !text) return CDialog::OnCommand(wParam, lParam);
    InsertIntoFormat(text);
    return TRUE;
}

// Replaces the template box's selection by text and leaves the caret after it.
void CListerDlg::InsertIntoFormat(const std::string& text) {
    UpdateData(TRUE);
    int start = 0, end = 0;
    m_editFormat.GetSel(start, end);
    const size_t s = std::min(static_cast<size_t>(std::max(start, 0)), m_strFormat.size());
    const size_t e = std::min(std::max(static_cast<size_t>(std::max(end, 0)), s), m_strFormat.size());
    m_strFormat = m_strFormat.substr(0, s) + text + m_strFormat.substr(e);
    UpdateData(FALSE);
    m_editFormat.SetFocus();
    const int caret = static_cast<int>(s + text.size());
    m_editFormat.SetSel(caret, caret);
}

void CListerDlg::SaveList() {
    // The output as of the last reading of the controls: what was typed into
    // the box since then is not saved.
    CFileDialog dlg(FALSE, nullptr, nullptr, CFileDialog::kHideReadOnly, nullptr);
    if (dlg.DoModal() != kIdOk) return;
    const std::string path = dlg.GetPathName();
    const SaveResult result = SaveOutput(path, m_strOutput);
    if (result != SaveResult::Saved) MessageBox(SaveFailureMessage(result, path), "File write failure", kMbOk);
}

std::unique_ptr<CShellFolder> CListerDlg::BrowseForFolder(const std::string& title) {
    return AfxBrowseForFolder(title);
}

void CListerDlg::RunInFolder() {
    std::unique_ptr<CShellFolder> folder = BrowseForFolder("Select the directory to execute the commands in");
    if (!folder) return;
    UpdateData(TRUE);
    const std::string path = folder->GetPath();
    // A shell folder with no file-system path (My Computer, say): nowhere to run.
    if (path.empty()) return;
    const char separator = AfxPathSeparator();
    const std::string script = ScriptPath(path, separator);
    const WriteResult written = WriteWholeFile(script, ScriptBytes(path, m_strOutput, AfxGetLeadBytes(), separator));
    if (written == WriteResult::WriteFailed)
        MessageBox("Unable to write " + script, "File write failure", kMbOk);
    if (written != WriteResult::Written) return;  // a script that cannot be created stays silent
    AfxRunScript(script);
    AfxDeleteScript(script);
}
