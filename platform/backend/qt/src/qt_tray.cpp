#include "qt_tray.h"

#include "platform/user_constants.h"

#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace platform {

namespace {

QIcon ToIcon(const CursorImage& image)
{
    if (image.argb.empty() || image.width <= 0 || image.height <= 0 ||
        image.argb.size() < static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height))
        return QIcon();
    QImage copy(reinterpret_cast<const uchar*>(image.argb.data()), image.width, image.height, image.width * 4,
                QImage::Format_ARGB32);
    return QIcon(QPixmap::fromImage(copy.copy()));
}

QSystemTrayIcon::MessageIcon ToMessageIcon(int kind)
{
    switch (kind) {
    case 1: return QSystemTrayIcon::Information;
    case 2: return QSystemTrayIcon::Warning;
    case 3: return QSystemTrayIcon::Critical;
    default: return QSystemTrayIcon::NoIcon;
    }
}

} // namespace

bool QtBackend::TrayIcons::HostAvailable() { return QSystemTrayIcon::isSystemTrayAvailable(); }

bool QtBackend::TrayIcons::SetIcon(unsigned id, const CursorImage& image, const std::string& tooltip)
{
    auto& icon = icons_[id];
    if (!icon) {
        icon = std::make_unique<QSystemTrayIcon>();
        QObject::connect(icon.get(), &QSystemTrayIcon::activated, [this, id](QSystemTrayIcon::ActivationReason why) {
            if (sink == nullptr)
                return;
            POINT at{0, 0};
            // The messages the platform reports for the user's action; Qt
            // tells only the action, after the fact.
            switch (why) {
            case QSystemTrayIcon::Context:
                sink->OnTrayMouse(id, WM_RBUTTONDOWN, at);
                sink->OnTrayMouse(id, WM_RBUTTONUP, at);
                break;
            case QSystemTrayIcon::DoubleClick:
                sink->OnTrayMouse(id, WM_LBUTTONDBLCLK, at);
                sink->OnTrayMouse(id, WM_LBUTTONUP, at);
                break;
            case QSystemTrayIcon::Trigger:
                sink->OnTrayMouse(id, WM_LBUTTONDOWN, at);
                sink->OnTrayMouse(id, WM_LBUTTONUP, at);
                break;
            case QSystemTrayIcon::MiddleClick:
                sink->OnTrayMouse(id, WM_MBUTTONDOWN, at);
                sink->OnTrayMouse(id, WM_MBUTTONUP, at);
                break;
            default: break;
            }
        });
    }
    icon->setIcon(ToIcon(image));
    icon->setToolTip(QString::fromUtf8(tooltip.data(), static_cast<qsizetype>(tooltip.size())));
    icon->show();
    return true;
}

bool QtBackend::TrayIcons::RemoveIcon(unsigned id) { return icons_.erase(id) > 0; }

bool QtBackend::TrayIcons::ShowBalloon(unsigned id, const std::string& title, const std::string& text, int iconKind,
                                  unsigned timeoutMs)
{
    const auto it = icons_.find(id);
    if (it == icons_.end())
        return false;
    it->second->showMessage(QString::fromUtf8(title.c_str()), QString::fromUtf8(text.c_str()),
                            ToMessageIcon(iconKind), static_cast<int>(timeoutMs));
    return true;
}

TrayService* QtBackend::Tray(TraySink* sink)
{
    if (!tray_)
        tray_ = std::make_unique<TrayIcons>();
    tray_->sink = sink;
    return tray_.get();
}

} // namespace platform
