// The backend interface: what the windowing runtime (platform/user) asks of
// a desktop.  A backend deals with TOP-LEVEL windows only; the window tree,
// messages, timers, painting, focus, capture and hit testing of children
// live in the runtime and are the same on every backend.  docs/backend.md
// describes the contract in prose.
//
// Threading: every call is made on the user-interface thread, except
// Backend::Wake, which any thread may call.  The backend calls its sink only
// from inside WaitForEvents, on that same thread.
#pragma once

#include "platform/base.h"
#include "platform/user_export.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The backend's name for a top-level window; 0 is never a window.
using NativeWindowId = std::uint64_t;

enum class ShowState { Hidden, Normal, Minimized };

enum class MouseButton { Left, Right, Middle };

// What a top-level window is, given once at creation.
struct NativeWindowDesc {
    RECT rect{};                     // screen coordinates; the runtime's window rectangle
    std::string title;               // UTF-8
    bool decorated = false;          // the window has a caption: the desktop may frame it
    bool taskbarButton = false;      // shown in the task bar (an application window)
    bool topmost = false;            // stays above normal windows
    bool activates = true;           // may take the keyboard focus when shown or clicked
    NativeWindowId owner = 0;        // stays above its owner, shares its task-bar button
};

// A read-only view of a top-level window's backing store: 32-bit BGRX,
// top row first.  Valid only for the duration of the call it is passed to.
struct PixelView {
    const std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0; // bytes per row
};

// A pointer shape: one of the standard shapes (the IDC_* numbers, 32512 for
// the arrow; 0 hides the pointer), or an image with its hot spot.
struct CursorImage {
    int standard = 32512;               // used when `argb` is empty
    int width = 0;
    int height = 0;
    POINT hotSpot{0, 0};
    std::vector<std::uint32_t> argb;    // premultiplied is not required; alpha 0 is transparent
};

// Events a backend reports.  Points are screen coordinates.  The window is
// the top-level window the event belongs to (under the pointer, holding the
// capture, or having the keyboard focus); 0 means "none of ours", which for
// a pointer move means the pointer left all our windows.
class BackendSink {
public:
    virtual void OnMouseMove(NativeWindowId window, POINT screen) = 0;
    virtual void OnMouseButton(NativeWindowId window, MouseButton button, bool down, POINT screen) = 0;
    // delta in multiples of 120 per notch, positive away from the user
    virtual void OnMouseWheel(NativeWindowId window, int delta, POINT screen) = 0;
    // vk: a virtual-key code (the VK_* numbers; letters and digits are their
    // upper-case ASCII codes).  Characters are derived by the runtime from
    // the key; text that no key produces (input methods, non-ASCII
    // layouts) comes through OnText instead.
    virtual void OnKey(NativeWindowId window, UINT vk, bool down) = 0;
    virtual void OnText(NativeWindowId window, const std::string& utf8) = 0;
    // The user or the desktop asks the window to close (its close button,
    // the task bar's window menu, Alt+F4 handled by the desktop).
    virtual void OnCloseRequest(NativeWindowId window) = 0;
    // The desktop gave or took the keyboard focus.
    virtual void OnActivationChanged(NativeWindowId window, bool active) = 0;
    // The desktop moved, resized, minimised or restored the window itself.
    virtual void OnGeometryChanged(NativeWindowId window, RECT screen) = 0;
    virtual void OnShowStateChanged(NativeWindowId window, ShowState state) = 0;
    // A watched descriptor is ready (level-triggered; see WatchDescriptor).
    virtual void OnDescriptorReady(int fd, unsigned events) = 0;

protected:
    ~BackendSink() = default;
};

// Readiness bits for WatchDescriptor and OnDescriptorReady.
inline constexpr unsigned kDescriptorReadable = 1;
inline constexpr unsigned kDescriptorWritable = 2;
inline constexpr unsigned kDescriptorError = 4;

// ---------------------------------------------------------------------------
// Optional capabilities.  Only a real desktop has them; a backend returns
// null from the accessor when it has none, and callers then take their
// documented fall-back.
// ---------------------------------------------------------------------------

// The notification area.  Icons are identified by the caller's number.
class TrayService {
public:
    virtual ~TrayService() = default;
    virtual bool HostAvailable() = 0; // a tray is showing right now
    // Adds or replaces the icon (images 32-bit ARGB, any size; the host scales).
    virtual bool SetIcon(unsigned id, const CursorImage& image, const std::string& tooltip) = 0;
    virtual bool RemoveIcon(unsigned id) = 0;
    virtual bool ShowBalloon(unsigned id, const std::string& title, const std::string& text, int iconKind,
                             unsigned timeoutMs) = 0;
    // Mouse events on icons come back through TraySink (set by the runtime).
};

class TraySink {
public:
    // message: the WM_* mouse message the platform would send (button up,
    // double click ...); point in screen coordinates.
    virtual void OnTrayMouse(unsigned id, UINT message, POINT screen) = 0;

protected:
    ~TraySink() = default;
};

// A menu as shown by a popup-menu service.
struct MenuItem {
    std::string text;               // UTF-8, with the '&' mnemonic marker; empty for a separator
    UINT command = 0;               // 0 for a separator or a submenu
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    bool isDefault = false;
    std::vector<MenuItem> submenu;  // non-empty: this item opens a submenu
};

class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    // Shows the menu at `screen` and blocks until it closes; returns the
    // chosen command, or 0 when dismissed.
    virtual UINT TrackPopupMenu(const std::vector<MenuItem>& items, POINT screen, NativeWindowId owner) = 0;
};

// A modal dialog of the runtime (a dialog box or a message box) as offered
// to a dialog-script service once it is shown.
struct ModalDialogInfo {
    NativeWindowId window = 0;      // the dialog's top-level window
    bool messageBox = false;
    std::string caption;            // UTF-8
    std::string text;               // a message box's text; empty for other dialogs
    UINT type = 0;                  // a message box's MB_* flags
    std::vector<int> buttons;       // ids of the dialog's push buttons, in tab order
};

// Answers for modal dialogs without a user (tests, runs without a display).
class DialogScriptService {
public:
    virtual ~DialogScriptService() = default;
    // Called once per modal dialog after it is shown and initialised.
    // Returns the command id to press (sent to the dialog as the button's
    // click), or 0 to leave the dialog to the user.
    virtual int OnModalDialogShown(const ModalDialogInfo& dialog) = 0;
};

// A font as the common font dialog shows it: the part of a LOGFONT a user
// chooses, with the LOGFONT's height convention (pixels; negative for the
// character height, positive for the cell height, 0 for the default size).
struct FontChoice {
    std::string face;   // UTF-8
    int height = 0;
    int weight = 400;   // 100 to 900, 400 normal, 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    COLORREF color = 0; // the text colour offered with the effects
};

// A common dialog the backend is showing.  Destroying it closes a dialog
// that is still up, unanswered.
class CommonDialog {
public:
    virtual ~CommonDialog() = default;
};

// The desktop's colour and font dialogs.  Each call shows its dialog and
// returns at once (null when it cannot be shown); the runtime keeps its own
// loop running, so timers and painting go on, until the answer comes.  The
// answer is handed to `done` once, from inside a later WaitForEvents (like
// the sink's calls), and never after the dialog object is destroyed;
// nullopt means cancelled.
class CommonDialogService {
public:
    using ColorDone = std::function<void(std::optional<COLORREF>)>;
    using FontDone = std::function<void(std::optional<FontChoice>)>;

    virtual ~CommonDialogService() = default;
    // `initial` nullopt: no colour preselected.
    virtual std::unique_ptr<CommonDialog> ChooseColor(NativeWindowId owner, std::optional<COLORREF> initial,
                                                      ColorDone done) = 0;
    // An `initial` face that is empty with height 0 leaves the dialog's own
    // default font (the colour still applies).  `effects`: underline,
    // strike-out and the colour are offered; without it the runtime ignores
    // them in the answer.
    virtual std::unique_ptr<CommonDialog> ChooseFont(NativeWindowId owner, const FontChoice& initial, bool effects,
                                                     FontDone done) = 0;
};

// Embedded web pages: the one kind of native child window.
using WebViewId = std::uint64_t;

class WebViewService {
public:
    virtual ~WebViewService() = default;
    // `rect` is in the top-level window's coordinates.
    virtual WebViewId CreateWebView(NativeWindowId host, RECT rect) = 0;
    virtual void DestroyWebView(WebViewId view) = 0;
    virtual void SetWebViewGeometry(WebViewId view, RECT rect, bool visible) = 0;
    virtual void Navigate(WebViewId view, const std::string& url) = 0;
    virtual void Stop(WebViewId view) = 0;
    virtual void Refresh(WebViewId view) = 0;
    virtual std::string LocationUrl(WebViewId view) = 0;
    virtual std::string LocationName(WebViewId view) = 0; // the page title
};

// ---------------------------------------------------------------------------
// The backend
// ---------------------------------------------------------------------------
class PLATFORM_USER_API Backend {
public:
    virtual ~Backend();

    virtual const char* Name() const = 0;

    // Called once by the runtime when the backend is selected.
    virtual void Attach(BackendSink* sink) = 0;

    // Top-level windows.  Creation does not show the window.
    virtual NativeWindowId CreateNativeWindow(const NativeWindowDesc& desc) = 0; // 0 on failure
    virtual void DestroyNativeWindow(NativeWindowId window) = 0;
    virtual void SetGeometry(NativeWindowId window, RECT screen) = 0;
    virtual void SetShowState(NativeWindowId window, ShowState state) = 0;
    virtual void SetTitle(NativeWindowId window, const std::string& utf8) = 0;
    virtual void SetTopmost(NativeWindowId window, bool topmost) = 0;
    // The window's shape: the union of `rects` (window coordinates).
    // `shaped` false restores the full rectangle; an empty union with
    // `shaped` true makes the window invisible and unclickable.
    virtual void SetShape(NativeWindowId window, bool shaped, const std::vector<RECT>& rects) = 0;
    // Stacking among our top-level windows.
    virtual void Raise(NativeWindowId window) = 0;
    virtual void Lower(NativeWindowId window) = 0;
    // Gives the window the keyboard focus (and raises it).
    virtual void Activate(NativeWindowId window) = 0;
    // Shows `dirty` (window coordinates) of the backing store.  The store
    // is the window's size; the backend copies what it needs.
    virtual void Present(NativeWindowId window, const PixelView& store, RECT dirty) = 0;
    virtual void SetCursor(NativeWindowId window, const CursorImage& cursor) = 0;
    // The icon the desktop shows for the window (task bar, switcher); an
    // empty image means none.  Backends without a desktop may ignore it.
    virtual void SetWindowIcon(NativeWindowId window, const CursorImage& icon);
    // While captured, pointer events go to `window` wherever the pointer is.
    virtual void CapturePointer(NativeWindowId window) = 0;
    virtual void ReleasePointer() = 0;
    // Lets the desktop move the window with the pointer (a caption drag).
    // Returns false when the desktop cannot; the runtime then moves the
    // window itself from the pointer events.
    virtual bool StartSystemMove(NativeWindowId window) = 0;

    // Events.  Delivers pending events through the sink and returns; when
    // none is pending, waits at most `timeoutMs` (-1: no limit, 0: do not
    // wait) for one, for Wake, or for a watched descriptor.
    virtual void WaitForEvents(std::int64_t timeoutMs) = 0;
    // Ends a wait early; callable from any thread.
    virtual void Wake() = 0;
    // Level-triggered readiness of file descriptors (sockets), reported
    // through BackendSink::OnDescriptorReady from WaitForEvents.
    virtual bool WatchDescriptor(int fd, unsigned events) = 0;
    virtual void UnwatchDescriptor(int fd) = 0;

    // Clocks.  NowMs is monotonic and drives timers; WallClockMs is
    // milliseconds since 1970-01-01 UTC.  A test backend may run both
    // virtually.
    virtual std::int64_t NowMs() = 0;
    virtual std::int64_t WallClockMs() = 0;

    // The desktop.
    virtual RECT ScreenRect() = 0;
    virtual RECT WorkArea() = 0;    // the screen minus panels and task bars
    virtual POINT PointerPosition() = 0;

    // Optional capabilities (null: not available).
    virtual TrayService* Tray(TraySink* sink);
    virtual PopupMenuService* PopupMenus();
    virtual CommonDialogService* CommonDialogs();
    virtual WebViewService* WebViews();
    virtual DialogScriptService* DialogScripts();
};

} // namespace platform
