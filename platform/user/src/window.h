// The runtime's record of one window.  Records live in the window table and
// are found by handle; code never keeps a record pointer across a call into
// a window procedure, which may destroy the window.
#pragma once

#include "backing_store.h"
#include "platform/backend.h"
#include "platform/user.h"
#include "rgn.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace user {

struct WindowClass;

// What only a top-level window with a backend window has.
struct TopLevel {
    platform::NativeWindowId native = 0;
    BackingStore store;
};

struct Window {
    HWND hwnd = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;        // null for top-level and message-only windows
    HWND owner = nullptr;         // top-level windows only
    bool messageOnly = false;     // parent HWND_MESSAGE: never shown, no backend window
    std::vector<HWND> children;   // z-order, topmost first
    RECT window{};                // parent's client coordinates (screen for top-level windows)
    RECT client{};                // same coordinates
    LONG_PTR id = 0;              // GWLP_ID (child windows)
    LONG_PTR userData = 0;
    HINSTANCE instance = nullptr;
    std::string text;
    std::vector<std::uint8_t> extra; // cbWndExtra bytes
    HICON iconBig = nullptr;
    HICON iconSmall = nullptr;

    // Painting: the update region in client coordinates, and what else is due.
    Rgn update;
    bool erasePending = false;
    bool framePending = false;
    bool internalPaint = false;

    // The window region: the handle the caller gave away (deleted when
    // replaced or when the window goes) and the private copy used for
    // clipping and hit testing, in window coordinates.
    HRGN givenRegion = nullptr;
    std::optional<Rgn> shape;

    bool maximized = false;
    RECT normalRect{};            // restore position while maximised
    bool destroying = false;

    std::unique_ptr<TopLevel> top;

    bool IsChild() const { return (style & WS_CHILD) != 0 && parent != nullptr; }
    bool Visible() const { return (style & WS_VISIBLE) != 0; }
    bool Disabled() const { return (style & WS_DISABLED) != 0; }
    bool Minimized() const { return (style & WS_MINIMIZE) != 0; }
    int Width() const { return window.right - window.left; }
    int Height() const { return window.bottom - window.top; }
    // The client rectangle relative to the window's own top-left corner.
    RECT ClientInWindow() const
    {
        return RECT{client.left - window.left, client.top - window.top, client.right - window.left,
                    client.bottom - window.top};
    }
};

} // namespace user
