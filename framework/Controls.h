// The control classes the dialogs use: buttons and check boxes, edit boxes,
// and popup menus loaded from the program's resources.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    int GetCheck() const;  // 0 clear, 1 checked
    void SetCheck(int nCheck);
};

class CEdit : public CWnd {
public:
    // The selection as character positions; start == end when nothing is selected.
    void GetSel(int& nStartChar, int& nEndChar) const;
    // Selects [start, end) and, unless bNoScroll, scrolls the caret into view.
    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
};

// A menu loaded from the resources. The object that loaded a menu owns it
// and destroys it in DestroyMenu or its destructor; a sub-menu is borrowed.
class CMenu {
public:
    // Either mouse button chooses an entry.
    enum TrackFlags : UINT { kTrackRightButton = 0x2 };

    CMenu() = default;
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    BOOL LoadMenu(UINT nIDResource);
    // The popup at position nPos; valid while this menu lives. nullptr if none.
    CMenu* GetSubMenu(int nPos);
    // Shows the popup with its top-left corner at (x, y) in screen coordinates
    // and waits for the choice, which reaches pOwner as a menu command.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pOwner);
    BOOL DestroyMenu();

private:
    void* m_hMenu = nullptr;
    bool m_owned = false;
    CMenu* m_sub = nullptr;
};
