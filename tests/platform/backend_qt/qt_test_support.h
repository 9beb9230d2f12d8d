// Shared fixture of the Qt backend tests: the runtime on a fresh Qt
// backend (skipped with a message when no display can be opened), test
// windows that record their messages, and a pump that runs the message
// loop until the X server shows what a test waits for.
#pragma once

#include "x_probe.h"

#include "platform/gdi.h"
#include "platform/qt_backend.h"
#include "platform/user.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace qttest {

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A test window's procedure: records every message, paints `paint`
// (rectangle, colour) pairs over `background`, answers WM_NCHITTEST with
// `hitTest` when set, and keeps WM_CLOSE from destroying the window.
struct TestWindow {
    struct Fill {
        RECT rect;
        COLORREF color;
    };
    std::vector<Seen> seen;
    COLORREF background = RGB(0, 160, 0);
    std::vector<Fill> paint;
    std::optional<LRESULT> hitTest;

    std::vector<Seen> Of(UINT message) const;
    bool Saw(UINT message) const { return !Of(message).empty(); }
};

class QtBackendTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The state of a test window, living as long as the fixture, so that
    // windows still there at the end can record their destruction.
    TestWindow& NewState();
    // A WS_POPUP top-level window at `rect` (screen), not shown.
    HWND Make(RECT rect, TestWindow& state);
    // A 200x120 window at (100, 100) made of two blocks: A (0,0)-(80,120)
    // painted kRed and B (120,40)-(200,80) painted kBlue.
    HWND MakeShaped(TestWindow& state);
    // The X server shows the shaped window's two blocks in their colours.
    bool ShowsSkin(std::uint32_t window);
    std::uint32_t XWindow(HWND hwnd) const;
    // Runs the message loop until `done` holds or a generous bound passes;
    // returns whether it held.
    bool PumpUntil(const std::function<bool()>& done);
    // Runs the loop for a few turns, for checks that something does not happen.
    void PumpTurns(int turns);

    platform::QtBackend* qt = nullptr;
    XProbe x;

private:
    std::vector<std::unique_ptr<TestWindow>> states_;
};

inline constexpr COLORREF kRed = RGB(220, 20, 30);
inline constexpr COLORREF kBlue = RGB(10, 40, 200);

// Fills a rectangle of a DC with a colour (through a one-pixel bitmap).
void FillColor(HDC dc, RECT rect, COLORREF color);
// 0xRRGGBB of a COLORREF, as the X server reports pixels.
std::uint32_t Rgb(COLORREF color);

} // namespace qttest
