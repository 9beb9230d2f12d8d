// Menus: menu handles and their items, menu templates registered by id
// (LoadMenuA), and popup menus shown by the backend (TrackPopupMenu).  The
// calls and numbers are the published ones; strings are UTF-8.  A backend
// without popup menus makes TrackPopupMenu return 0 at once.
#pragma once

#include "platform/base.h"
#include "platform/user_constants.h"
#include "platform/user_export.h"
#include "platform/user_types.h"

#include <string>
#include <vector>

// Item flags (AppendMenuA, InsertMenuA, ModifyMenuA, GetMenuState ...)
inline constexpr UINT MF_INSERT = 0x00000000;
inline constexpr UINT MF_CHANGE = 0x00000080;
inline constexpr UINT MF_APPEND = 0x00000100;
inline constexpr UINT MF_DELETE = 0x00000200;
inline constexpr UINT MF_REMOVE = 0x00001000;
inline constexpr UINT MF_BYCOMMAND = 0x00000000;
inline constexpr UINT MF_BYPOSITION = 0x00000400;
inline constexpr UINT MF_SEPARATOR = 0x00000800;
inline constexpr UINT MF_ENABLED = 0x00000000;
inline constexpr UINT MF_GRAYED = 0x00000001;
inline constexpr UINT MF_DISABLED = 0x00000002;
inline constexpr UINT MF_UNCHECKED = 0x00000000;
inline constexpr UINT MF_CHECKED = 0x00000008;
inline constexpr UINT MF_USECHECKBITMAPS = 0x00000200;
inline constexpr UINT MF_STRING = 0x00000000;
inline constexpr UINT MF_BITMAP = 0x00000004;
inline constexpr UINT MF_OWNERDRAW = 0x00000100;
inline constexpr UINT MF_POPUP = 0x00000010;
inline constexpr UINT MF_MENUBARBREAK = 0x00000020;
inline constexpr UINT MF_MENUBREAK = 0x00000040;
inline constexpr UINT MF_UNHILITE = 0x00000000;
inline constexpr UINT MF_HILITE = 0x00000080;
inline constexpr UINT MF_DEFAULT = 0x00001000;
inline constexpr UINT MFS_GRAYED = 0x00000003;
inline constexpr UINT MFS_DISABLED = MFS_GRAYED;
inline constexpr UINT MFS_CHECKED = MF_CHECKED;
inline constexpr UINT MFS_DEFAULT = MF_DEFAULT;

// TrackPopupMenu(Ex) flags
inline constexpr UINT TPM_LEFTBUTTON = 0x0000;
inline constexpr UINT TPM_RIGHTBUTTON = 0x0002;
inline constexpr UINT TPM_LEFTALIGN = 0x0000;
inline constexpr UINT TPM_CENTERALIGN = 0x0004;
inline constexpr UINT TPM_RIGHTALIGN = 0x0008;
inline constexpr UINT TPM_TOPALIGN = 0x0000;
inline constexpr UINT TPM_VCENTERALIGN = 0x0010;
inline constexpr UINT TPM_BOTTOMALIGN = 0x0020;
inline constexpr UINT TPM_HORIZONTAL = 0x0000;
inline constexpr UINT TPM_VERTICAL = 0x0040;
inline constexpr UINT TPM_NONOTIFY = 0x0080;
inline constexpr UINT TPM_RETURNCMD = 0x0100;
inline constexpr UINT TPM_RECURSE = 0x0001;

struct TPMPARAMS {
    UINT cbSize;
    RECT rcExclude;
};

// A menu template: items with their command ids, flags (MF_GRAYED,
// MF_CHECKED, MF_SEPARATOR, MF_DEFAULT ...) and sub-menus.  An item with a
// non-empty `popup` is a sub-menu (its `id` is ignored).
struct UserMenuTemplateItem {
    std::string text;
    UINT id = 0;
    UINT flags = 0;
    std::vector<UserMenuTemplateItem> popup;
};
using UserMenuTemplate = std::vector<UserMenuTemplateItem>;

extern "C" {

PLATFORM_USER_API HMENU CreateMenu();
PLATFORM_USER_API HMENU CreatePopupMenu();
// Destroys the menu and its sub-menus.
PLATFORM_USER_API BOOL DestroyMenu(HMENU menu);
PLATFORM_USER_API BOOL IsMenu(HMENU menu);
// With MF_POPUP, `idOrPopup` is the sub-menu's handle; the menu then owns it.
PLATFORM_USER_API BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
PLATFORM_USER_API BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
PLATFORM_USER_API BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text);
// DeleteMenu destroys a sub-menu it removes; RemoveMenu leaves it alive.
PLATFORM_USER_API BOOL DeleteMenu(HMENU menu, UINT position, UINT flags);
PLATFORM_USER_API BOOL RemoveMenu(HMENU menu, UINT position, UINT flags);
// Both return the previous state (MF_GRAYED/MF_DISABLED, MF_CHECKED), or
// -1 (0xFFFFFFFF) when there is no such item.
PLATFORM_USER_API BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);
PLATFORM_USER_API DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
PLATFORM_USER_API BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition);
PLATFORM_USER_API UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT flags);
PLATFORM_USER_API HMENU GetSubMenu(HMENU menu, int position);
PLATFORM_USER_API int GetMenuItemCount(HMENU menu);
PLATFORM_USER_API UINT GetMenuItemID(HMENU menu, int position);
PLATFORM_USER_API UINT GetMenuState(HMENU menu, UINT item, UINT flags);
PLATFORM_USER_API int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags);
// A menu bar whose items are the template's; `name` is MAKEINTRESOURCEA(id).
PLATFORM_USER_API HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
// Shows `menu` at (x, y) (screen) through the backend and waits until it
// closes.  With TPM_RETURNCMD returns the chosen command (0 if none);
// otherwise posts WM_COMMAND with it to `owner` and returns non-zero when
// one was chosen.  `reserved` and `rect` are not used.
PLATFORM_USER_API BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner,
                                      const RECT* rect);
PLATFORM_USER_API BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, TPMPARAMS* params);

} // extern "C"

PLATFORM_USER_API void UserRegisterMenuTemplate(WORD id, const UserMenuTemplate& menuTemplate);
