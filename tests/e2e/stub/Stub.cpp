// STUB, not Tarnix: a throwaway dialog with the real program's caption and control ids, so the
// end-to-end harness can be proved before (and independently of) the real program. Behaviour:
// a drop appends each name + CR LF to the output box and copies the box to the clipboard;
// "Copy" copies; "Run..." asks for a folder (SHBrowseForFolder), runs `cd` and `pause` there
// through the command interpreter and then appends the folder and "pause done";
// "Save..." shows a message box; F1 (WM_HELP) appends "help".
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "StubIds.h"

namespace {

std::string GetItemText(HWND dlg, int id)
{
    HWND item = GetDlgItem(dlg, id);
    std::string text(static_cast<size_t>(GetWindowTextLengthA(item)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(item, &text[0], static_cast<int>(text.size()))));
    return text;
}

void Append(HWND dlg, const std::string& line)
{
    SetDlgItemTextA(dlg, IDC_OUTPUT, (GetItemText(dlg, IDC_OUTPUT) + line).c_str());
}

void CopyOutput(HWND dlg)
{
    std::string text = GetItemText(dlg, IDC_OUTPUT);
    if (!OpenClipboard(dlg))
        return;
    EmptyClipboard();
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1)) {
        std::memcpy(GlobalLock(mem), text.c_str(), text.size() + 1);
        GlobalUnlock(mem);
        SetClipboardData(CF_TEXT, mem);
    }
    CloseClipboard();
}

void ApplyTopmost(HWND dlg)
{
    HWND band = IsDlgButtonChecked(dlg, IDC_ALWAYS_ON_TOP) ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(dlg, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void RunInFolder(HWND dlg)
{
    BROWSEINFOA info{};
    info.hwndOwner = dlg;
    info.lpszTitle = "Stub: pick a folder";
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST folder = SHBrowseForFolderA(&info);
    if (folder == nullptr)
        return;
    char path[MAX_PATH] = "";
    SHGetPathFromIDListA(folder, path);
    CoTaskMemFree(folder);
    std::system(("cd /d \"" + std::string(path) + "\" && cd && pause").c_str());
    Append(dlg, std::string(path) + "\r\npause done\r\n");
}

void OnDrop(HWND dlg, HDROP drop)
{
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::string added;
    for (UINT i = 0; i < count; ++i) {
        char name[MAX_PATH];
        DragQueryFileA(drop, i, name, sizeof name);
        added += name;
        added += "\r\n";
    }
    DragFinish(drop);
    Append(dlg, added);
    CopyOutput(dlg);
}

INT_PTR CALLBACK StubProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG:
        SetDlgItemTextA(dlg, IDC_FORMAT, "%f\\r\\n");
        CheckDlgButton(dlg, IDC_ALWAYS_ON_TOP, BST_CHECKED);
        ApplyTopmost(dlg);
        return TRUE;
    case WM_DROPFILES:
        OnDrop(dlg, reinterpret_cast<HDROP>(wp));
        return TRUE;
    case WM_HELP:
        Append(dlg, "help\r\n");
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDOK:
        case IDCANCEL:
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        case IDC_COPY:
            CopyOutput(dlg);
            return TRUE;
        case IDC_ALWAYS_ON_TOP:
            ApplyTopmost(dlg);
            return TRUE;
        case IDC_RUN:
            RunInFolder(dlg);
            return TRUE;
        case IDC_SAVE:
            MessageBoxA(dlg, "Stub message.", "Tarnix", MB_OK | MB_ICONEXCLAMATION);
            return TRUE;
        }
        break;
    }
    (void)lp;
    return FALSE;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_STUB_DIALOG), nullptr, StubProc, 0);
    return 0;
}
