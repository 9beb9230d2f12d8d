#include "headless_impl.h"

#include "platform/user_constants.h"

#include <algorithm>

namespace platform {

bool HeadlessTray::SetIcon(unsigned id, const CursorImage& image, const std::string& tooltip)
{
    if (refuse)
        return false;
    for (auto& icon : icons) {
        if (icon.id == id) {
            icon.image = image;
            icon.tooltip = tooltip;
            return true;
        }
    }
    icons.push_back({id, image, tooltip});
    return true;
}

bool HeadlessTray::RemoveIcon(unsigned id)
{
    const auto it = std::find_if(icons.begin(), icons.end(), [&](const auto& icon) { return icon.id == id; });
    if (it == icons.end())
        return false;
    icons.erase(it);
    return true;
}

bool HeadlessTray::ShowBalloon(unsigned id, const std::string& title, const std::string& text, int iconKind,
                               unsigned timeoutMs)
{
    if (refuse || std::none_of(icons.begin(), icons.end(), [&](const auto& icon) { return icon.id == id; }))
        return false;
    balloons.push_back({id, title, text, iconKind, timeoutMs});
    return true;
}

TrayService* HeadlessBackend::Tray(TraySink* sink)
{
    if (!impl_->options.tray)
        return nullptr;
    impl_->tray.sink = sink;
    return &impl_->tray;
}

std::vector<HeadlessBackend::TrayIconState> HeadlessBackend::TrayIcons() const { return impl_->tray.icons; }

std::vector<HeadlessBackend::TrayBalloonState> HeadlessBackend::TrayBalloons() const
{
    return impl_->tray.balloons;
}

void HeadlessBackend::SetTrayHostAvailable(bool available) { impl_->tray.hostAvailable = available; }

void HeadlessBackend::SetTrayRefusesIcons(bool refuse) { impl_->tray.refuse = refuse; }

void HeadlessBackend::SendTrayMouse(unsigned id, UINT message)
{
    Impl::Event e;
    e.kind = Impl::Event::Kind::Tray;
    e.window = id;
    e.vk = message;
    impl_->Push(std::move(e));
}

void HeadlessBackend::ClickTrayIcon(unsigned id, MouseButton button)
{
    const bool right = button == MouseButton::Right;
    const bool middle = button == MouseButton::Middle;
    SendTrayMouse(id, right ? WM_RBUTTONDOWN : middle ? WM_MBUTTONDOWN : WM_LBUTTONDOWN);
    SendTrayMouse(id, right ? WM_RBUTTONUP : middle ? WM_MBUTTONUP : WM_LBUTTONUP);
}

void HeadlessBackend::DoubleClickTrayIcon(unsigned id)
{
    SendTrayMouse(id, WM_LBUTTONDOWN);
    SendTrayMouse(id, WM_LBUTTONUP);
    SendTrayMouse(id, WM_LBUTTONDBLCLK);
    SendTrayMouse(id, WM_LBUTTONUP);
}

} // namespace platform
