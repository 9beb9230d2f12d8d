// A backend without a display, for tests and for running a program where
// no desktop exists.  Top-level windows live in memory: the backend keeps
// what was last presented of each, its geometry, show state, shape, title
// and cursor, and can write it to a BMP file.  Input is injected through
// the calls below and reaches the runtime one event per wait, so each event
// is routed with the capture and geometry its predecessors left behind.
//
// Time: with the virtual clock (the default) nothing moves until a test
// advances the clock (AdvanceClock, RunFor) or lets waits jump ahead
// (SetAutoAdvance).  A wait that could only end by time passing, when time
// may not pass, or that would never end, calls the stall handler; by
// default it reports the stall and aborts, so a test cannot hang.
//
// Popup menus, modal dialogs (dialog boxes, message boxes) and the common
// colour and font dialogs take answers a test queues, and are recorded for
// inspection.  The notification area keeps its icons, tooltips and
// balloons for inspection, takes injected clicks on them, and can be
// absent or made to refuse icons.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#if defined(PLATFORM_BUILDING_HEADLESS)
#define PLATFORM_HEADLESS_API __attribute__((visibility("default")))
#else
#define PLATFORM_HEADLESS_API
#endif

namespace platform {

class PLATFORM_HEADLESS_API HeadlessBackend final : public Backend {
public:
    struct Options {
        bool virtualClock = true;
        RECT screen{0, 0, 1024, 768};
        RECT workArea{0, 0, 1024, 738}; // a 30-pixel task bar at the bottom
        // The virtual wall clock starts here (2023-11-14 22:13:20 UTC), so
        // runs are repeatable.
        std::int64_t startWallClockMs = 1700000000000;
        // Real time a virtual-clock wait gives other threads to post or
        // wake before the stall handler is called.
        int stallGraceMs = 0;
        // The desktop has a notification area (Tray answers non-null).
        bool tray = true;
    };

    // An icon the notification area shows.
    struct TrayIconState {
        unsigned id = 0;
        CursorImage image;
        std::string tooltip;
    };
    struct TrayBalloonState {
        unsigned id = 0;
        std::string title;
        std::string text;
        int iconKind = 0;
        unsigned timeoutMs = 0;
    };

    // What the backend knows of one window.
    struct WindowState {
        RECT rect{};
        ShowState state = ShowState::Hidden;
        std::string title;
        bool decorated = false;
        bool topmost = false;
        bool shaped = false;
        std::vector<RECT> shape;   // window coordinates
        CursorImage cursor;
        CursorImage icon;          // empty pixels: none
        int presents = 0;          // Present calls so far
        int width = 0;             // of the presented image
        int height = 0;
        std::vector<std::uint32_t> pixels; // presented BGRX, top row first
    };

    HeadlessBackend();
    explicit HeadlessBackend(const Options& options);
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

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

    // ---- Time (virtual clock) ----
    void AdvanceClock(std::int64_t ms);
    // Lets a wait with nothing to deliver move the clock to its end.
    void SetAutoAdvance(bool on);
    void SetStallHandler(std::function<void()> handler);
    // Dispatches what is ready, then repeatedly moves the clock to the next
    // due timer or hover and dispatches again, until `ms` have passed; the
    // clock ends exactly `ms` later.  Every timer fires at its due time.
    void RunFor(std::int64_t ms);
    // Dispatches what is ready now (input, posted messages, paint, timers
    // due), without moving the clock.
    void Pump();

    // ---- Input (screen coordinates) ----
    void MoveMouse(POINT screen);
    void PressButton(MouseButton button = MouseButton::Left);
    void ReleaseButton(MouseButton button = MouseButton::Left);
    void Click(POINT screen, MouseButton button = MouseButton::Left);
    void DoubleClick(POINT screen);
    // Press at `from`, `steps` moves along the line, release at `to`.
    void Drag(POINT from, POINT to, int steps = 8, MouseButton button = MouseButton::Left);
    void Wheel(POINT screen, int delta);
    void KeyDown(UINT vk);
    void KeyUp(UINT vk);
    void KeyPress(UINT vk);
    void TypeText(const std::string& utf8);
    // The desktop's close request (a close button, a task bar menu).
    void RequestClose(NativeWindowId window);
    // The desktop gives the focus to another program's window.
    void DeactivateAll();
    // The user minimises or restores the window through the desktop.
    void ChangeShowStateByDesktop(NativeWindowId window, ShowState state);
    bool InputPending() const;

    // ---- Scripted answers ----
    // A popup menu shown next returns `command` (0: dismissed).  Without a
    // queued answer a menu is dismissed.
    void QueueMenuChoice(UINT command);
    void QueueMenuDismiss();
    struct ShownMenu {
        std::vector<MenuItem> items;
        POINT at{0, 0};
        NativeWindowId owner = 0;
    };
    std::vector<ShownMenu> ShownMenus() const;
    // The next modal dialog shown gets the button `commandId` pressed, as
    // the first thing it takes (ahead of injected input already collected);
    // 0 leaves it to injected input, as does an empty queue.
    void QueueDialogAnswer(int commandId);
    std::vector<ModalDialogInfo> ShownDialogs() const;
    // The common dialog shown next (ChooseColorA, ChooseFontA) answers with
    // the colour, the font, or a cancel, `afterMs` of the backend's clock
    // after it was shown: the runtime's loop runs meanwhile, and a virtual
    // clock moves on to the answer as the loop waits, so timers keep
    // firing.  An answer of the other kind, or none queued, cancels.
    struct CommonDialogAnswer {
        enum class Kind { Cancel, Color, Font };
        Kind kind = Kind::Cancel;
        COLORREF color = 0;
        FontChoice font;
        std::int64_t afterMs = 0;
    };
    void QueueColorChoice(COLORREF color, std::int64_t afterMs = 0);
    void QueueFontChoice(const FontChoice& font, std::int64_t afterMs = 0);
    void QueueCommonDialogCancel(std::int64_t afterMs = 0);
    struct ShownCommonDialog {
        CommonDialogAnswer::Kind kind = CommonDialogAnswer::Kind::Color;
        NativeWindowId owner = 0;
        std::optional<COLORREF> initialColor; // the colour dialog's preselection
        FontChoice initialFont;               // the font dialog's start
        bool effects = false;
    };
    std::vector<ShownCommonDialog> ShownCommonDialogs() const;
    PopupMenuService* PopupMenus() override;
    DialogScriptService* DialogScripts() override;
    CommonDialogService* CommonDialogs() override;

    // ---- Notification area ----
    TrayService* Tray(TraySink* sink) override;
    // The icons showing, in the order they were first shown.
    std::vector<TrayIconState> TrayIcons() const;
    // Every balloon shown so far.
    std::vector<TrayBalloonState> TrayBalloons() const;
    // Whether a tray host is running (HostAvailable); icons are kept either way.
    void SetTrayHostAvailable(bool available);
    // While set, adding or changing an icon fails.
    void SetTrayRefusesIcons(bool refuse);
    // The user's mouse on an icon: the messages the platform reports for a
    // click (button down, up), a double click (down, up, double click, up)
    // of the left button, or a click of the right one; one per wait.
    void ClickTrayIcon(unsigned id, MouseButton button = MouseButton::Left);
    void DoubleClickTrayIcon(unsigned id);
    // A single mouse message on an icon.
    void SendTrayMouse(unsigned id, UINT message);

    // ---- Inspection ----
    std::optional<WindowState> State(NativeWindowId window) const;
    std::vector<NativeWindowId> Stacking() const; // frontmost first
    NativeWindowId ActiveWindow() const;
    NativeWindowId CapturedWindow() const;
    // The top-level window a pointer event at `screen` would go to (without capture).
    NativeWindowId WindowAt(POINT screen) const;
    // A presented pixel as COLORREF (0x00BBGGRR); nullopt outside the image.
    std::optional<COLORREF> PixelAt(NativeWindowId window, int x, int y) const;
    // Writes the presented image of the window as a 24-bit BMP file.
    bool SaveScreenshot(NativeWindowId window, const std::string& path) const;

private:
    void PushKey(UINT vk, bool down);
    struct Impl;
    class Scripts;
    Scripts& ScriptState();
    std::unique_ptr<Impl> impl_;
    std::unique_ptr<Scripts> scripts_;
};

} // namespace platform
