// The desktop backend on Qt 6: real top-level windows on the X display (or
// whatever Qt platform the environment names), frameless unless they have
// a caption, shaped by their window regions and painted from the runtime's
// backing stores.  The runtime's message loop and timers run inside Qt's
// event loop: WaitForEvents lets Qt process its events for at most the
// given time and hands what they meant to the runtime.
//
// A program chooses it with
//
//     auto qt = platform::CreateQtBackend(argc, argv, &why);
//     if (qt) UserSetBackend(std::move(qt));
//     else { say why; UserSetBackend(std::make_unique<platform::HeadlessBackend>(...)); }
//
// The common colour and font dialogs are Qt's own, and so is the
// notification area (QSystemTrayIcon).  Not yet: popup menus and web views
// answer "not available" (the base class's null), so callers take their
// fall-backs.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <memory>
#include <string>

#if defined(PLATFORM_BUILDING_QT)
#define PLATFORM_QT_API __attribute__((visibility("default")))
#else
#define PLATFORM_QT_API
#endif

namespace platform {

class PLATFORM_QT_API QtBackend final : public Backend {
public:
    ~QtBackend() override;
    QtBackend(const QtBackend&) = delete;
    QtBackend& operator=(const QtBackend&) = delete;

    // ---- Backend ----
    const char* Name() const override;
    void Attach(BackendSink* sink) override;
    NativeWindowId CreateNativeWindow(const NativeWindowDesc& desc) override;
    void DestroyNativeWindow(NativeWindowId window) override;
    void SetGeometry(NativeWindowId window, RECT screen) override;
    void SetShowState(NativeWindowId window, ShowState state) override;
    void SetTitle(NativeWindowId window, const std::string& utf8) override;
    void SetTopmost(NativeWindowId window, bool topmost) override;
    void SetShape(NativeWindowId window, bool shaped, const std::vector<RECT>& rects) override;
    void Raise(NativeWindowId window) override;
    void Lower(NativeWindowId window) override;
    void Activate(NativeWindowId window) override;
    void Present(NativeWindowId window, const PixelView& store, RECT dirty) override;
    void SetCursor(NativeWindowId window, const CursorImage& cursor) override;
    void SetWindowIcon(NativeWindowId window, const CursorImage& icon) override;
    void CapturePointer(NativeWindowId window) override;
    void ReleasePointer() override;
    bool StartSystemMove(NativeWindowId window) override;
    void WaitForEvents(std::int64_t timeoutMs) override;
    void Wake() override;
    bool WatchDescriptor(int fd, unsigned events) override;
    void UnwatchDescriptor(int fd) override;
    std::int64_t NowMs() override;
    std::int64_t WallClockMs() override;
    RECT ScreenRect() override;
    RECT WorkArea() override;
    POINT PointerPosition() override;
    CommonDialogService* CommonDialogs() override;
    TrayService* Tray(TraySink* sink) override;

    // The window system's handle of a top-level window (the X11 window id
    // on X), for tools and tests that look at it from outside; 0 when
    // there is no such window.
    std::uint64_t PlatformHandle(NativeWindowId window) const;
    // The Qt platform in use ("xcb", "offscreen" ...).
    std::string PlatformName() const;

    struct Impl;
    class Dialogs;
    class TrayIcons;

private:
    explicit QtBackend(std::unique_ptr<Impl> impl);
    friend PLATFORM_QT_API std::unique_ptr<QtBackend> CreateQtBackend(int argc, char** argv, std::string* whyNot);

    std::unique_ptr<Impl> impl_;
    std::unique_ptr<Dialogs> dialogs_;
    std::unique_ptr<TrayIcons> tray_;
};

// Makes the Qt backend, with the process's Qt application (created here
// unless the program made a QApplication already).  Returns null, with the
// reason in `whyNot` when given, if no display can be opened: with no
// platform named in QT_QPA_PLATFORM the X display is used, and it is tried
// before Qt is started, because Qt ends the process when its platform
// fails.  The arguments are copied; Qt's own options among them apply.
PLATFORM_QT_API std::unique_ptr<QtBackend> CreateQtBackend(int argc, char** argv, std::string* whyNot = nullptr);

// What a key event means to the runtime: a virtual key, text that no key
// of the runtime's US layout makes, or both empty.  `qtKey` is a Qt::Key
// value; `text` the UTF-8 text Qt reports for the event.
struct KeyReport {
    UINT vk = 0;
    std::string text;
};
PLATFORM_QT_API KeyReport MapQtKey(int qtKey, bool shift, bool control, bool keypad, const std::string& text);

// The Qt::CursorShape for a standard cursor (an IDC_* number; 0 is the
// hidden pointer, Qt::BlankCursor); the arrow for numbers it does not know.
PLATFORM_QT_API int QtCursorShapeFor(int standard);

} // namespace platform
