// TrackMouseEvent: leave and hover notifications.
#include "user_test_support.h"

namespace usertest {
namespace {

class Hover : public RuntimeTest {
protected:
    // A window that asks for the given notifications on every move, as
    // controls with a hover look do.
    HWND Tracking(RECT rect, DWORD flags, DWORD hoverTime = HOVER_DEFAULT, HWND parent = nullptr)
    {
        const DWORD style = parent != nullptr ? WS_CHILD | WS_VISIBLE : WS_POPUP | WS_VISIBLE;
        return Make(style, rect, parent, [flags, hoverTime](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_MOUSEMOVE) {
                TRACKMOUSEEVENT t{sizeof t, flags, h, hoverTime};
                TrackMouseEvent(&t);
            }
            return std::nullopt;
        });
    }
};

TEST_F(Hover, LeaveComesOnceWhenThePointerExits)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND button = Tracking(RECT{50, 50, 100, 100}, TME_LEAVE, HOVER_DEFAULT, top);
    Pump();
    headless->MoveMouse(POINT{60, 60});
    headless->MoveMouse(POINT{70, 70}); // still inside: nothing yet
    Pump();
    EXPECT_EQ(journal.Count(button, WM_MOUSELEAVE), 0);
    headless->MoveMouse(POINT{150, 150}); // onto the parent
    headless->MoveMouse(POINT{160, 160});
    Pump();
    EXPECT_EQ(journal.Count(button, WM_MOUSELEAVE), 1);

    // Leaving all windows counts too.
    headless->MoveMouse(POINT{60, 60});
    headless->MoveMouse(POINT{900, 700});
    Pump();
    EXPECT_EQ(journal.Count(button, WM_MOUSELEAVE), 2);
}

TEST_F(Hover, HoverComesAfterThePointerRestsAndNotAfterItLeft)
{
    const HWND w = Tracking(RECT{100, 100, 300, 200}, TME_HOVER | TME_LEAVE, 400);
    Pump();
    headless->MoveMouse(POINT{150, 150});
    headless->RunFor(399);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 0);
    headless->RunFor(1);
    const std::vector<Entry> hovers = journal.Of(w, WM_MOUSEHOVER);
    ASSERT_EQ(hovers.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(hovers[0].lParam), 50);
    EXPECT_EQ(GET_Y_LPARAM(hovers[0].lParam), 50);

    // Each request starts the wait afresh.
    journal.Clear();
    headless->MoveMouse(POINT{151, 151});
    headless->RunFor(200);
    headless->MoveMouse(POINT{180, 180});
    headless->RunFor(399);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 0);
    headless->RunFor(1);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 1);

    // Gone before the time is up: a leave and no hover.
    journal.Clear();
    headless->MoveMouse(POINT{200, 150});
    headless->RunFor(100);
    headless->MoveMouse(POINT{500, 500});
    headless->RunFor(1000);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 0);
    EXPECT_EQ(journal.Count(w, WM_MOUSELEAVE), 1);
}

TEST_F(Hover, OnlyMovesOutOfTheHoverRectangleRestartTheWait)
{
    bool asked = false;
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 200}, nullptr,
                        [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_MOUSEMOVE && !asked) {
                                TRACKMOUSEEVENT t{sizeof t, TME_HOVER, h, 100};
                                asked = TrackMouseEvent(&t) != FALSE;
                            }
                            return std::nullopt;
                        });
    headless->MoveMouse(POINT{150, 150});
    headless->RunFor(60);
    headless->MoveMouse(POINT{152, 148}); // within two pixels: the wait goes on
    headless->RunFor(40);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 1);

    asked = false;
    journal.Clear();
    headless->MoveMouse(POINT{150, 150});
    headless->RunFor(60);
    headless->MoveMouse(POINT{160, 150}); // out of the rectangle: the wait starts again
    headless->RunFor(99);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 0);
    headless->RunFor(1);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 1);
}

TEST_F(Hover, ARequestWhileThePointerIsElsewhereLeavesAtOnce)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    headless->MoveMouse(POINT{500, 500});
    Pump();
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, w, 0};
    EXPECT_TRUE(TrackMouseEvent(&t));
    Pump();
    EXPECT_EQ(journal.Count(w, WM_MOUSELEAVE), 1);
}

TEST_F(Hover, CancelAndQuery)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    headless->MoveMouse(POINT{10, 10});
    Pump();
    TRACKMOUSEEVENT t{sizeof t, TME_LEAVE | TME_HOVER, w, 30};
    ASSERT_TRUE(TrackMouseEvent(&t));
    TRACKMOUSEEVENT q{sizeof q, TME_QUERY, nullptr, 0};
    ASSERT_TRUE(TrackMouseEvent(&q));
    EXPECT_EQ(q.hwndTrack, w);
    EXPECT_EQ(q.dwFlags, TME_LEAVE | TME_HOVER);
    EXPECT_EQ(q.dwHoverTime, 30u);

    TRACKMOUSEEVENT c{sizeof c, TME_CANCEL | TME_LEAVE | TME_HOVER, w, 0};
    ASSERT_TRUE(TrackMouseEvent(&c));
    headless->MoveMouse(POINT{500, 500});
    headless->RunFor(100);
    EXPECT_EQ(journal.Count(w, WM_MOUSELEAVE), 0);
    EXPECT_EQ(journal.Count(w, WM_MOUSEHOVER), 0);

    TRACKMOUSEEVENT bad{sizeof bad - 1, TME_LEAVE, w, 0};
    EXPECT_FALSE(TrackMouseEvent(&bad));
}

} // namespace
} // namespace usertest
