// The notification area on Qt: one QSystemTrayIcon per icon.  An icon is
// kept and shown even while no tray host runs; Qt's X11 tray watches for
// a host and shows its visible icons once one appears.
#pragma once

#include "platform/qt_backend.h"

#include <QSystemTrayIcon>

#include <map>
#include <memory>

namespace platform {

class QtBackend::TrayIcons final : public TrayService {
public:
    bool HostAvailable() override;
    bool SetIcon(unsigned id, const CursorImage& image, const std::string& tooltip) override;
    bool RemoveIcon(unsigned id) override;
    bool ShowBalloon(unsigned id, const std::string& title, const std::string& text, int iconKind,
                     unsigned timeoutMs) override;

    // Clicks arrive while Qt processes its events, that is inside
    // WaitForEvents, where the sink may be called.
    TraySink* sink = nullptr;

private:
    std::map<unsigned, std::unique_ptr<QSystemTrayIcon>> icons_;
};

} // namespace platform
