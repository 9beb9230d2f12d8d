// CMenu: a menu handle owned by the object (destroyed with it unless
// detached).  Sub-menus from GetSubMenu are temporary wrappers: their
// menu owns them.
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_string.h"
#include "platform/user_menu.h"

class CWnd;

class PLATFORM_AFX_API CMenu {
public:
    CMenu() = default;
    virtual ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    static CMenu* FromHandle(HMENU menu);
    BOOL Attach(HMENU menu);
    HMENU Detach();
    HMENU GetSafeHmenu() const { return m_hMenu; }
    operator HMENU() const { return m_hMenu; }

    BOOL LoadMenu(UINT resourceId);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();

    CMenu* GetSubMenu(int position) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int position) const;
    UINT GetMenuState(UINT item, UINT flags) const;
    int GetMenuString(UINT item, CString& text, UINT flags) const;
    BOOL AppendMenu(UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
    BOOL InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup = 0, LPCSTR text = nullptr);
    BOOL DeleteMenu(UINT position, UINT flags);
    BOOL RemoveMenu(UINT position, UINT flags);
    UINT EnableMenuItem(UINT item, UINT flags);
    UINT CheckMenuItem(UINT item, UINT flags);
    BOOL SetDefaultItem(UINT item, BOOL byPosition = FALSE);
    // Shows the menu at (x, y) (screen) for `owner`, which receives the
    // chosen command as WM_COMMAND.
    BOOL TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect = nullptr);

    // For the framework's handle maps: wrap or let go without owning.
    void AttachTemporary(HMENU menu) { m_hMenu = menu; }
    void DetachTemporary() { m_hMenu = nullptr; }

    HMENU m_hMenu = nullptr;
};
