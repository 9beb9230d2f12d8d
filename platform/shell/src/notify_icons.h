// The shell's record of the notification-area icons: what each program
// told it (window, id, callback, image, tooltip, hidden state) and the
// backend's icon that shows it.  The backend's tray is asked afresh at
// every call, so a backend chosen later (tests do so) is picked up; icons
// of windows that are gone are dropped.
#pragma once

#include "platform/backend.h"
#include "platform/shell_tray.h"

#include <string>
#include <vector>

namespace shell {

class NotifyIcons final : public platform::TraySink {
public:
    static NotifyIcons& Instance();

    BOOL Add(const NOTIFYICONDATAA& data);
    BOOL Modify(const NOTIFYICONDATAA& data);
    BOOL Delete(const NOTIFYICONDATAA& data);
    BOOL SetFocus(const NOTIFYICONDATAA& data);

    // A mouse event on a backend icon: posted to its window as its
    // callback message.
    void OnTrayMouse(unsigned id, UINT message, POINT screen) override;

private:
    struct Icon {
        HWND hwnd = nullptr;
        UINT uID = 0;
        unsigned backendId = 0;   // unique in the process
        bool hasCallback = false;
        UINT callback = 0;
        HICON icon = nullptr;
        std::string tip;
        bool hidden = false;
    };

    platform::TrayService* Service();
    void DropDeadWindows(platform::TrayService* service);
    Icon* Find(HWND hwnd, UINT uID);
    // Takes the fields uFlags names; true when the image or tooltip changed.
    static bool Take(Icon& icon, const NOTIFYICONDATAA& data);
    static bool Push(platform::TrayService& service, const Icon& icon);
    static bool Balloon(platform::TrayService& service, const Icon& icon, const NOTIFYICONDATAA& data);

    std::vector<Icon> icons_;
    unsigned nextId_ = 1;
};

} // namespace shell
