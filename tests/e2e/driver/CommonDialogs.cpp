// The system's dialogs that the program opens, worked from outside.
#include "CommonDialogs.h"

#include <dlgs.h>

#include "WindowText.h"

namespace e2e {

HWND FileNameEdit(HWND dialog)
{
    if (HWND edit = GetDlgItem(dialog, edt1))
        return edit;
    HWND combo = GetDlgItem(dialog, cmb13);
    if (combo == nullptr)
        return nullptr;
    if (ClassName(combo) == "Edit")
        return combo;
    // A ComboBoxEx holds a ComboBox that holds the edit; a plain ComboBox holds it directly.
    if (HWND inner = FindWindowExA(combo, nullptr, "ComboBox", nullptr))
        combo = inner;
    return FindWindowExA(combo, nullptr, "Edit", nullptr);
}

bool ChooseFileName(HWND dialog, const std::string& path)
{
    HWND edit = FileNameEdit(dialog);
    return edit != nullptr && SetText(edit, path) && ClickDialogButton(dialog, IDOK);
}

bool ClickDialogButton(HWND dialog, int id)
{
    HWND button = GetDlgItem(dialog, id);
    return button != nullptr && PostMessageA(button, BM_CLICK, 0, 0);
}

std::string MessageBoxText(HWND box)
{
    std::string text;
    for (const ChildWindow& child : Children(box)) {
        if (child.className != "Static" || child.text.empty())
            continue;
        if (!text.empty())
            text += '\n';
        text += child.text;
    }
    return text;
}

std::string Caption(HWND window)
{
    char text[512];
    const int length = GetWindowTextA(window, text, sizeof text);
    return std::string(text, length > 0 ? static_cast<size_t>(length) : 0);
}

} // namespace e2e
