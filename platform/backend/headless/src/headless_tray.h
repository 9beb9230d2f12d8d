// The headless notification area: icons by the caller's id, the balloons
// shown, and switches for tests (no host running, icons refused).
#pragma once

#include "platform/headless_backend.h"

#include <vector>

namespace platform {

class HeadlessTray final : public TrayService {
public:
    bool HostAvailable() override { return hostAvailable; }
    bool SetIcon(unsigned id, const CursorImage& image, const std::string& tooltip) override;
    bool RemoveIcon(unsigned id) override;
    bool ShowBalloon(unsigned id, const std::string& title, const std::string& text, int iconKind,
                     unsigned timeoutMs) override;

    TraySink* sink = nullptr;
    bool hostAvailable = true;
    bool refuse = false;
    std::vector<HeadlessBackend::TrayIconState> icons;
    std::vector<HeadlessBackend::TrayBalloonState> balloons;
};

} // namespace platform
