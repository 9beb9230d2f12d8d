#include "notify_icons.h"

#include "platform/user.h"
#include "platform/user_runtime.h"

#include <algorithm>
#include <cstring>

namespace shell {

namespace {

// The record's texts need not be terminated: read at most the field.
template <std::size_t N>
std::string Bounded(const CHAR (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

} // namespace

NotifyIcons& NotifyIcons::Instance()
{
    static NotifyIcons icons;
    return icons;
}

platform::TrayService* NotifyIcons::Service()
{
    platform::TrayService* service = UserGetBackend().Tray(this);
    DropDeadWindows(service);
    return service;
}

void NotifyIcons::DropDeadWindows(platform::TrayService* service)
{
    // A window destroyed without deleting its icon takes the icon with it.
    auto dead = std::remove_if(icons_.begin(), icons_.end(), [&](const Icon& icon) {
        if (::IsWindow(icon.hwnd))
            return false;
        if (service != nullptr && !icon.hidden)
            service->RemoveIcon(icon.backendId);
        return true;
    });
    icons_.erase(dead, icons_.end());
}

NotifyIcons::Icon* NotifyIcons::Find(HWND hwnd, UINT uID)
{
    for (Icon& icon : icons_)
        if (icon.hwnd == hwnd && icon.uID == uID)
            return &icon;
    return nullptr;
}

bool NotifyIcons::Take(Icon& icon, const NOTIFYICONDATAA& data)
{
    bool changed = false;
    if (data.uFlags & NIF_MESSAGE) {
        icon.hasCallback = true;
        icon.callback = data.uCallbackMessage;
    }
    if (data.uFlags & NIF_ICON) {
        changed = changed || icon.icon != data.hIcon;
        icon.icon = data.hIcon;
    }
    if (data.uFlags & NIF_TIP) {
        std::string tip = Bounded(data.szTip);
        changed = changed || tip != icon.tip;
        icon.tip = std::move(tip);
    }
    return changed;
}

bool NotifyIcons::Push(platform::TrayService& service, const Icon& icon)
{
    platform::CursorImage image;
    if (icon.icon != nullptr && !UserGetIconImage(icon.icon, image))
        image = platform::CursorImage{}; // a stale handle shows as an empty image
    return service.SetIcon(icon.backendId, image, icon.tip);
}

bool NotifyIcons::Balloon(platform::TrayService& service, const Icon& icon, const NOTIFYICONDATAA& data)
{
    const std::string text = Bounded(data.szInfo);
    if (text.empty())
        return true; // an empty text takes a balloon down; ours time out by themselves
    return service.ShowBalloon(icon.backendId, Bounded(data.szInfoTitle), text,
                               static_cast<int>(data.dwInfoFlags & 0x0F), data.uTimeout);
}

BOOL NotifyIcons::Add(const NOTIFYICONDATAA& data)
{
    platform::TrayService* service = Service();
    if (service == nullptr || !::IsWindow(data.hWnd) || Find(data.hWnd, data.uID) != nullptr)
        return FALSE;
    Icon icon;
    icon.hwnd = data.hWnd;
    icon.uID = data.uID;
    icon.backendId = nextId_++;
    Take(icon, data);
    if ((data.uFlags & NIF_STATE) && (data.dwStateMask & NIS_HIDDEN))
        icon.hidden = (data.dwState & NIS_HIDDEN) != 0;
    if (!icon.hidden) {
        if (!Push(*service, icon))
            return FALSE;
        if (data.uFlags & NIF_INFO)
            Balloon(*service, icon, data);
    }
    icons_.push_back(std::move(icon));
    return TRUE;
}

BOOL NotifyIcons::Modify(const NOTIFYICONDATAA& data)
{
    platform::TrayService* service = Service();
    Icon* icon = service ? Find(data.hWnd, data.uID) : nullptr;
    if (icon == nullptr)
        return FALSE;
    const bool wasHidden = icon->hidden;
    const bool changed = Take(*icon, data);
    if ((data.uFlags & NIF_STATE) && (data.dwStateMask & NIS_HIDDEN))
        icon->hidden = (data.dwState & NIS_HIDDEN) != 0;

    bool ok = true;
    if (icon->hidden) {
        if (!wasHidden)
            ok = service->RemoveIcon(icon->backendId);
        return ok ? TRUE : FALSE;
    }
    if (wasHidden || changed)
        ok = Push(*service, *icon);
    if (ok && (data.uFlags & NIF_INFO))
        ok = Balloon(*service, *icon, data);
    return ok ? TRUE : FALSE;
}

BOOL NotifyIcons::Delete(const NOTIFYICONDATAA& data)
{
    platform::TrayService* service = Service();
    Icon* icon = service ? Find(data.hWnd, data.uID) : nullptr;
    if (icon == nullptr)
        return FALSE;
    if (!icon->hidden)
        service->RemoveIcon(icon->backendId);
    icons_.erase(icons_.begin() + (icon - icons_.data()));
    return TRUE;
}

BOOL NotifyIcons::SetFocus(const NOTIFYICONDATAA& data)
{
    // No tray host takes the keyboard focus from a program; the call only
    // answers whether the icon exists.
    platform::TrayService* service = Service();
    return service != nullptr && Find(data.hWnd, data.uID) != nullptr ? TRUE : FALSE;
}

void NotifyIcons::OnTrayMouse(unsigned id, UINT message, POINT)
{
    for (const Icon& icon : icons_) {
        if (icon.backendId != id)
            continue;
        if (icon.hasCallback && !icon.hidden)
            ::PostMessageA(icon.hwnd, icon.callback, icon.uID, static_cast<LPARAM>(message));
        return;
    }
}

} // namespace shell
