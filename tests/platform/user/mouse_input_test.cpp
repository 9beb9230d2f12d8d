// Mouse messages: buttons, double clicks, non-client hits, the wheel.
#include "user_test_support.h"

namespace usertest {
namespace {

class MouseInput : public RuntimeTest {};

TEST_F(MouseInput, DoubleClicksNeedTheClassStyleTheTimeAndTheSpot)
{
    struct Case {
        const char* className;
        std::int64_t gapMs;
        POINT second;
        std::vector<UINT> downs;
    };
    const Case cases[] = {
        {"UserTestDbl", 100, POINT{50, 50}, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}},
        {"UserTest", 100, POINT{50, 50}, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}},
        {"UserTestDbl", 501, POINT{50, 50}, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}},
        {"UserTestDbl", 100, POINT{53, 50}, {WM_LBUTTONDOWN, WM_LBUTTONDOWN}},
    };
    for (const Case& c : cases) {
        const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, {}, 0, 0, c.className);
        journal.Clear();
        headless->Click(POINT{50, 50});
        Pump();
        headless->AdvanceClock(c.gapMs);
        headless->Click(c.second);
        Pump();
        EXPECT_EQ(journal.Messages(w, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}), c.downs)
            << c.className << " gap " << c.gapMs << " x " << c.second.x;
        DestroyWindow(w);
        headless->AdvanceClock(1000);
    }
}

TEST_F(MouseInput, AThirdQuickClickIsAPlainPressAgain)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, {}, 0, 0, "UserTestDbl");
    for (int i = 0; i < 3; ++i)
        headless->Click(POINT{10, 10});
    Pump();
    EXPECT_EQ(journal.Messages(w, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}),
              (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONDOWN}));
}

TEST_F(MouseInput, ButtonsCarryKeyStateAndNonClientHitsBecomeNonClientMessages)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND framed = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, RECT{10, 10, 60, 60}, top, {}, 1);
    journal.Clear();
    headless->KeyDown(VK_SHIFT);
    headless->MoveMouse(POINT{30, 30});
    headless->PressButton(platform::MouseButton::Right);
    headless->ReleaseButton(platform::MouseButton::Right);
    headless->KeyUp(VK_SHIFT);
    headless->Click(POINT{10, 30}, platform::MouseButton::Middle); // on the border
    Pump();
    const std::vector<Entry> down = journal.Of(framed, WM_RBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].wParam, MK_RBUTTON | MK_SHIFT);
    EXPECT_EQ(GET_X_LPARAM(down[0].lParam), 19) << "client coordinates, inside the border";
    EXPECT_EQ(journal.Count(framed, WM_RBUTTONUP), 1);
    const std::vector<Entry> nc = journal.Of(framed, WM_NCMBUTTONDOWN);
    ASSERT_EQ(nc.size(), 1u);
    EXPECT_EQ(nc[0].wParam, static_cast<WPARAM>(HTBORDER));
    EXPECT_EQ(GET_X_LPARAM(nc[0].lParam), 10) << "screen coordinates";
    EXPECT_EQ(journal.Count(framed, WM_NCMBUTTONUP), 1);
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);
}

TEST_F(MouseInput, TheWheelGoesToTheFocusAndUpToItsParent)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, top, {}, 1);
    SetFocus(child);
    headless->Wheel(POINT{80, 80}, -240);
    Pump();
    const std::vector<Entry> atChild = journal.Of(child, WM_MOUSEWHEEL);
    ASSERT_EQ(atChild.size(), 1u);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(atChild[0].wParam), -240);
    EXPECT_EQ(GET_X_LPARAM(atChild[0].lParam), 80);
    EXPECT_EQ(journal.Count(top, WM_MOUSEWHEEL), 1) << "unhandled, it went up";
}

TEST_F(MouseInput, MetricsComeFromTheDesktop)
{
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.bottom, 738);
    POINT p{};
    headless->MoveMouse(POINT{123, 45});
    Pump();
    ASSERT_TRUE(GetCursorPos(&p));
    EXPECT_EQ(p.x, 123);
    EXPECT_EQ(p.y, 45);
}

} // namespace
} // namespace usertest
