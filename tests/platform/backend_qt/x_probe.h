// The X server's own view of our windows, through a connection of the
// test's own (not Qt's): geometry, map state, the bounding shape, pixels,
// synthetic input (XTest), the window manager's close request, and what a
// window manager and a pager say and are asked.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

namespace qttest {

struct XRect {
    int x, y, width, height;
};

class XProbe {
public:
    XProbe();
    ~XProbe();
    XProbe(const XProbe&) = delete;
    XProbe& operator=(const XProbe&) = delete;

    bool Ok() const { return ok_; }

    // Position on the root window and size; nullopt when the window is gone.
    std::optional<XRect> Geometry(std::uint32_t window);
    // Mapped and all its ancestors mapped.
    bool Viewable(std::uint32_t window);
    bool Exists(std::uint32_t window);
    // The rectangles of the bounding shape (the whole window when unshaped).
    std::vector<XRect> BoundingShape(std::uint32_t window);
    // The pixel at window coordinates as 0xRRGGBB.
    std::optional<std::uint32_t> Pixel(std::uint32_t window, int x, int y);

    // XTest input, in root coordinates.
    void MovePointer(int x, int y);
    void Button(int button, bool down); // 1 left, 3 right, 4/5 wheel up/down
    bool Key(std::uint32_t keysym, bool down); // false when no key makes the keysym
    // What a window manager sends when the user closes the window.
    void RequestClose(std::uint32_t window);

    // A window manager has announced itself on the root window.
    bool WindowManagerRunning();
    // The ICCCM state a window manager keeps on the window (WM_STATE:
    // 0 withdrawn, 1 normal, 3 iconic); nullopt when it keeps none.
    std::optional<std::uint32_t> WmState(std::uint32_t window);
    static constexpr std::uint32_t kNormalState = 1;
    static constexpr std::uint32_t kIconicState = 3;
    // The icons the window offers the desktop (_NET_WM_ICON): for each,
    // width, height and then ARGB values row by row; empty when none.
    std::vector<std::uint32_t> WindowIcon(std::uint32_t window);
    // What a pager or task bar sends: the request to iconify the window
    // (WM_CHANGE_STATE), and to activate it, which also restores it
    // (_NET_ACTIVE_WINDOW).
    void AskToIconify(std::uint32_t window);
    void AskToActivate(std::uint32_t window);
    // A round trip: everything sent before has reached the server.
    void Sync();

private:
    std::uint32_t Atom(const char* name);
    // A client message to the root window, for the window manager.
    void SendToRoot(std::uint32_t window, const char* type, std::uint32_t first, std::uint32_t second);

    xcb_connection_t* connection_ = nullptr;
    std::uint32_t root_ = 0;
    bool ok_ = false;
};

} // namespace qttest
