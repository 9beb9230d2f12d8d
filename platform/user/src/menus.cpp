// Menu handles and their items, LoadMenuA and TrackPopupMenu(Ex).
#include "resources.h"

#include "platform/user.h"
#include "platform/user_runtime.h"

#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace user {
namespace {

struct MenuItemRecord {
    UINT flags = 0; // MF_GRAYED, MF_DISABLED, MF_CHECKED, MF_SEPARATOR, MF_POPUP, MF_DEFAULT
    UINT id = 0;
    std::string text;
    HMENU popup = nullptr;
};

struct MenuRecord {
    bool popup = false;
    std::vector<MenuItemRecord> items;
};

struct MenuTable {
    std::map<HMENU, MenuRecord> menus;
    std::uintptr_t next = 0x10000;
};

MenuTable& Menus()
{
    static MenuTable table;
    return table;
}

MenuRecord* Find(HMENU menu)
{
    const auto it = Menus().menus.find(menu);
    return it == Menus().menus.end() ? nullptr : &it->second;
}

HMENU NewMenu(bool popup)
{
    MenuTable& t = Menus();
    const HMENU h = reinterpret_cast<HMENU>(t.next);
    t.next += 4;
    t.menus[h].popup = popup;
    return h;
}

constexpr UINT kStateBits = MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_POPUP | MF_DEFAULT |
                            MF_MENUBARBREAK | MF_MENUBREAK;

// Finds an item by command (searching sub-menus) or by position.
MenuItemRecord* Locate(HMENU menu, UINT item, UINT flags, HMENU* owner = nullptr, std::size_t* index = nullptr)
{
    MenuRecord* m = Find(menu);
    if (m == nullptr)
        return nullptr;
    if ((flags & MF_BYPOSITION) != 0) {
        if (item >= m->items.size())
            return nullptr;
        if (owner != nullptr)
            *owner = menu;
        if (index != nullptr)
            *index = item;
        return &m->items[item];
    }
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        MenuItemRecord& it = m->items[i];
        if ((it.flags & MF_POPUP) == 0 && (it.flags & MF_SEPARATOR) == 0 && it.id == item) {
            if (owner != nullptr)
                *owner = menu;
            if (index != nullptr)
                *index = i;
            return &it;
        }
        if ((it.flags & MF_POPUP) != 0)
            if (MenuItemRecord* inner = Locate(it.popup, item, flags, owner, index))
                return inner;
    }
    return nullptr;
}

bool MakeItem(UINT flags, UINT_PTR idOrPopup, LPCSTR text, MenuItemRecord& out)
{
    out.flags = flags & kStateBits;
    if ((flags & MF_POPUP) != 0) {
        out.popup = reinterpret_cast<HMENU>(idOrPopup);
        if (Find(out.popup) == nullptr)
            return false;
        out.id = static_cast<UINT>(idOrPopup);
    } else {
        out.id = static_cast<UINT>(idOrPopup);
    }
    if ((flags & MF_SEPARATOR) == 0 && (flags & (MF_BITMAP | MF_OWNERDRAW)) == 0 && text != nullptr)
        out.text = text;
    return true;
}

void Destroy(HMENU menu)
{
    MenuRecord* m = Find(menu);
    if (m == nullptr)
        return;
    std::vector<HMENU> subs;
    for (const MenuItemRecord& it : m->items)
        if ((it.flags & MF_POPUP) != 0)
            subs.push_back(it.popup);
    Menus().menus.erase(menu);
    for (HMENU sub : subs)
        Destroy(sub);
}

void Build(HMENU menu, const UserMenuTemplate& items)
{
    for (const UserMenuTemplateItem& item : items) {
        if (!item.popup.empty()) {
            const HMENU sub = NewMenu(true);
            Build(sub, item.popup);
            AppendMenuA(menu, (item.flags & ~MF_POPUP) | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), item.text.c_str());
        } else {
            AppendMenuA(menu, item.flags, item.id, item.text.c_str());
        }
    }
}

std::vector<platform::MenuItem> Describe(HMENU menu)
{
    std::vector<platform::MenuItem> out;
    const MenuRecord* m = Find(menu);
    if (m == nullptr)
        return out;
    for (const MenuItemRecord& it : m->items) {
        platform::MenuItem item;
        item.separator = (it.flags & MF_SEPARATOR) != 0;
        item.text = it.text;
        item.disabled = (it.flags & (MF_GRAYED | MF_DISABLED)) != 0;
        item.checked = (it.flags & MF_CHECKED) != 0;
        item.isDefault = (it.flags & MF_DEFAULT) != 0;
        if ((it.flags & MF_POPUP) != 0)
            item.submenu = Describe(it.popup);
        else if (!item.separator)
            item.command = it.id;
        out.push_back(std::move(item));
    }
    return out;
}

// A command the menu really offers: present, enabled, not a separator.
bool Offers(HMENU menu, UINT command)
{
    const MenuItemRecord* it = Locate(menu, command, MF_BYCOMMAND);
    return it != nullptr && (it->flags & (MF_GRAYED | MF_DISABLED)) == 0;
}

} // namespace
} // namespace user

using namespace user;

extern "C" {

HMENU CreateMenu() { return NewMenu(false); }
HMENU CreatePopupMenu() { return NewMenu(true); }

BOOL DestroyMenu(HMENU menu)
{
    if (Find(menu) == nullptr)
        return FALSE;
    Destroy(menu);
    return TRUE;
}

BOOL IsMenu(HMENU menu) { return Find(menu) != nullptr ? TRUE : FALSE; }

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    MenuRecord* m = Find(menu);
    MenuItemRecord item;
    if (m == nullptr || !MakeItem(flags, idOrPopup, text, item))
        return FALSE;
    Find(menu)->items.push_back(std::move(item));
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    MenuRecord* m = Find(menu);
    MenuItemRecord item;
    if (m == nullptr || !MakeItem(flags, idOrPopup, text, item))
        return FALSE;
    HMENU owner = menu;
    std::size_t index = 0;
    if ((flags & MF_BYPOSITION) != 0) {
        index = position >= m->items.size() ? m->items.size() : position; // -1 appends
    } else if (Locate(menu, position, MF_BYCOMMAND, &owner, &index) == nullptr) {
        owner = menu;
        index = m->items.size();
    }
    MenuRecord* target = Find(owner);
    target->items.insert(target->items.begin() + static_cast<std::ptrdiff_t>(index), std::move(item));
    return TRUE;
}

BOOL ModifyMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR idOrPopup, LPCSTR text)
{
    MenuItemRecord* it = Locate(menu, position, flags);
    MenuItemRecord item;
    if (it == nullptr || !MakeItem(flags, idOrPopup, text, item))
        return FALSE;
    if ((it->flags & MF_POPUP) != 0 && it->popup != item.popup)
        Destroy(it->popup);
    it = Locate(menu, position, flags);
    if (it == nullptr)
        return FALSE;
    *it = std::move(item);
    return TRUE;
}

BOOL RemoveMenu(HMENU menu, UINT position, UINT flags)
{
    HMENU owner = nullptr;
    std::size_t index = 0;
    if (Locate(menu, position, flags, &owner, &index) == nullptr)
        return FALSE;
    MenuRecord* m = Find(owner);
    m->items.erase(m->items.begin() + static_cast<std::ptrdiff_t>(index));
    return TRUE;
}

BOOL DeleteMenu(HMENU menu, UINT position, UINT flags)
{
    const MenuItemRecord* it = Locate(menu, position, flags);
    if (it == nullptr)
        return FALSE;
    const HMENU popup = (it->flags & MF_POPUP) != 0 ? it->popup : nullptr;
    RemoveMenu(menu, position, flags);
    if (popup != nullptr)
        Destroy(popup);
    return TRUE;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItemRecord* it = Locate(menu, item, flags);
    if (it == nullptr)
        return -1;
    const UINT previous = it->flags & (MF_GRAYED | MF_DISABLED);
    it->flags = (it->flags & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return static_cast<BOOL>(previous);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags)
{
    MenuItemRecord* it = Locate(menu, item, flags);
    if (it == nullptr)
        return 0xFFFFFFFFu;
    const DWORD previous = it->flags & MF_CHECKED;
    it->flags = (it->flags & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

BOOL SetMenuDefaultItem(HMENU menu, UINT item, UINT byPosition)
{
    MenuRecord* m = Find(menu);
    if (m == nullptr)
        return FALSE;
    if (item == 0xFFFFFFFFu) {
        for (MenuItemRecord& it : m->items)
            it.flags &= ~MF_DEFAULT;
        return TRUE;
    }
    bool found = false;
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        MenuItemRecord& it = m->items[i];
        const bool match = byPosition != 0 ? i == item : ((it.flags & MF_POPUP) == 0 && it.id == item);
        found = found || match;
    }
    if (!found)
        return FALSE; // an item that is not there names no default
    for (std::size_t i = 0; i < m->items.size(); ++i) {
        MenuItemRecord& it = m->items[i];
        const bool match = byPosition != 0 ? i == item : ((it.flags & MF_POPUP) == 0 && it.id == item);
        it.flags = match ? it.flags | MF_DEFAULT : it.flags & ~MF_DEFAULT;
    }
    return TRUE;
}

UINT GetMenuDefaultItem(HMENU menu, UINT byPosition, UINT)
{
    const MenuRecord* m = Find(menu);
    if (m == nullptr)
        return 0xFFFFFFFFu;
    for (std::size_t i = 0; i < m->items.size(); ++i)
        if ((m->items[i].flags & MF_DEFAULT) != 0)
            return byPosition != 0 ? static_cast<UINT>(i) : m->items[i].id;
    return 0xFFFFFFFFu;
}

HMENU GetSubMenu(HMENU menu, int position)
{
    const MenuRecord* m = Find(menu);
    if (m == nullptr || position < 0 || static_cast<std::size_t>(position) >= m->items.size())
        return nullptr;
    const MenuItemRecord& it = m->items[static_cast<std::size_t>(position)];
    return (it.flags & MF_POPUP) != 0 ? it.popup : nullptr;
}

int GetMenuItemCount(HMENU menu)
{
    const MenuRecord* m = Find(menu);
    return m != nullptr ? static_cast<int>(m->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position)
{
    const MenuRecord* m = Find(menu);
    if (m == nullptr || position < 0 || static_cast<std::size_t>(position) >= m->items.size())
        return 0xFFFFFFFFu;
    const MenuItemRecord& it = m->items[static_cast<std::size_t>(position)];
    if ((it.flags & MF_POPUP) != 0)
        return 0xFFFFFFFFu;
    return (it.flags & MF_SEPARATOR) != 0 ? 0 : it.id;
}

UINT GetMenuState(HMENU menu, UINT item, UINT flags)
{
    const MenuItemRecord* it = Locate(menu, item, flags);
    if (it == nullptr)
        return 0xFFFFFFFFu;
    UINT state = it->flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED | MF_SEPARATOR | MF_DEFAULT | MF_MENUBREAK |
                              MF_MENUBARBREAK);
    if ((it->flags & MF_POPUP) != 0) {
        // A sub-menu: its item count in the high byte, the flags in the low.
        const int count = GetMenuItemCount(it->popup);
        state = (static_cast<UINT>(count) << 8) | (state & 0xFF) | MF_POPUP;
    }
    return state;
}

int GetMenuStringA(HMENU menu, UINT item, LPSTR buffer, int size, UINT flags)
{
    const MenuItemRecord* it = Locate(menu, item, flags);
    if (it == nullptr)
        return 0;
    if (buffer == nullptr || size <= 0)
        return static_cast<int>(it->text.size());
    std::size_t n = std::min(it->text.size(), static_cast<std::size_t>(size - 1));
    while (n > 0 && n < it->text.size() && (static_cast<unsigned char>(it->text[n]) & 0xC0) == 0x80)
        --n;
    std::memcpy(buffer, it->text.data(), n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

HMENU LoadMenuA(HINSTANCE, LPCSTR name)
{
    WORD id = 0;
    const UserMenuTemplate* t = ResourceId(name, id) ? FindMenuTemplate(id) : nullptr;
    if (t == nullptr)
        return nullptr;
    const HMENU bar = CreateMenu();
    Build(bar, *t);
    return bar;
}

BOOL TrackPopupMenuEx(HMENU menu, UINT flags, int x, int y, HWND owner, TPMPARAMS*)
{
    if (Find(menu) == nullptr || (owner != nullptr && !IsWindow(owner)))
        return FALSE;
    if ((flags & TPM_NONOTIFY) == 0 && owner != nullptr) {
        SendMessageA(owner, WM_ENTERMENULOOP, TRUE, 0);
        SendMessageA(owner, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
    }
    platform::PopupMenuService* service = UserGetBackend().PopupMenus();
    UINT command = 0;
    if (service != nullptr && Find(menu) != nullptr) {
        const HWND top = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
        command = service->TrackPopupMenu(Describe(menu), POINT{x, y}, top != nullptr ? UserGetNativeWindow(top) : 0);
        // Only what the menu offers counts as chosen.
        if (command != 0 && !Offers(menu, command))
            command = 0;
    }
    if ((flags & TPM_NONOTIFY) == 0 && owner != nullptr && IsWindow(owner))
        SendMessageA(owner, WM_EXITMENULOOP, TRUE, 0);
    if ((flags & TPM_RETURNCMD) != 0)
        return static_cast<BOOL>(command);
    if (command == 0)
        return FALSE;
    if (owner != nullptr)
        PostMessageA(owner, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(command), 0), 0);
    return TRUE;
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    return TrackPopupMenuEx(menu, flags, x, y, owner, nullptr);
}

} // extern "C"
