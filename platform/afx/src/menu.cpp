#include "platform/afx_menu.h"

#include "handle_maps.h"
#include "platform/afx_app.h"
#include "platform/afx_wnd.h"

#include <vector>

namespace afx {
HandleMap<HMENU, CMenu>& MenuMap()
{
    static HandleMap<HMENU, CMenu> map;
    return map;
}
} // namespace afx

using afx::MenuMap;

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU menu)
{
    if (!menu)
        return nullptr;
    if (CMenu* owned = MenuMap().LookupPermanent(menu))
        return owned;
    return MenuMap().Temporary<CMenu>(menu);
}

BOOL CMenu::Attach(HMENU menu)
{
    if (!menu || m_hMenu)
        return FALSE;
    m_hMenu = menu;
    MenuMap().SetPermanent(menu, this);
    return TRUE;
}

HMENU CMenu::Detach()
{
    HMENU menu = m_hMenu;
    if (menu)
        MenuMap().RemovePermanent(menu, this);
    m_hMenu = nullptr;
    return menu;
}

BOOL CMenu::LoadMenu(UINT resourceId)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(resourceId))));
}

BOOL CMenu::CreateMenu() { return Attach(::CreateMenu()); }
BOOL CMenu::CreatePopupMenu() { return Attach(::CreatePopupMenu()); }

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    return ::DestroyMenu(Detach());
}

CMenu* CMenu::GetSubMenu(int position) const { return FromHandle(::GetSubMenu(m_hMenu, position)); }
int CMenu::GetMenuItemCount() const { return ::GetMenuItemCount(m_hMenu); }
UINT CMenu::GetMenuItemID(int position) const { return ::GetMenuItemID(m_hMenu, position); }
UINT CMenu::GetMenuState(UINT item, UINT flags) const { return ::GetMenuState(m_hMenu, item, flags); }

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const
{
    const int length = ::GetMenuStringA(m_hMenu, item, nullptr, 0, flags);
    std::vector<char> buffer(static_cast<std::size_t>(length > 0 ? length : 0) + 1, '\0');
    const int got = ::GetMenuStringA(m_hMenu, item, buffer.data(), static_cast<int>(buffer.size()), flags);
    text = CString(buffer.data(), got > 0 ? got : 0);
    return text.GetLength();
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR idOrPopup, LPCSTR text) { return ::AppendMenuA(m_hMenu, flags, idOrPopup, text); }

BOOL CMenu::InsertMenu(UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    return ::InsertMenuA(m_hMenu, position, flags, idOrPopup, text);
}

BOOL CMenu::DeleteMenu(UINT position, UINT flags) { return ::DeleteMenu(m_hMenu, position, flags); }
BOOL CMenu::RemoveMenu(UINT position, UINT flags) { return ::RemoveMenu(m_hMenu, position, flags); }
UINT CMenu::EnableMenuItem(UINT item, UINT flags) { return static_cast<UINT>(::EnableMenuItem(m_hMenu, item, flags)); }
UINT CMenu::CheckMenuItem(UINT item, UINT flags) { return static_cast<UINT>(::CheckMenuItem(m_hMenu, item, flags)); }
BOOL CMenu::SetDefaultItem(UINT item, BOOL byPosition) { return ::SetMenuDefaultItem(m_hMenu, item, byPosition); }

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect)
{
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->m_hWnd : nullptr, rect);
}
