// Top-level windows as the X server sees them: shape, pixels, place, map
// state, a caption drag and the window manager's close request.
#include "qt_test_support.h"

namespace qttest {
namespace {

bool Inside(const std::vector<XRect>& rects, int x, int y)
{
    for (const XRect& r : rects)
        if (x >= r.x && x < r.x + r.width && y >= r.y && y < r.y + r.height)
            return true;
    return false;
}

bool At(XProbe& x, std::uint32_t window, int left, int top)
{
    const std::optional<XRect> g = x.Geometry(window);
    return g && g->x == left && g->y == top;
}

class QtWindowTest : public QtBackendTest {};

TEST_F(QtWindowTest, ShapedWindowShowsItsRegionAndItsPixels)
{
    TestWindow& state = NewState();
    const HWND hwnd = MakeShaped(state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_NE(window, 0u);
    ASSERT_TRUE(PumpUntil([&] { return ShowsSkin(window); }));

    const std::vector<XRect> shape = x.BoundingShape(window);
    EXPECT_GT(shape.size(), 1u);
    struct Probe {
        int x, y;
        bool inside;
    };
    const Probe probes[] = {
        {0, 0, true},    {79, 119, true},  {40, 60, true},    {120, 40, true},  {199, 79, true},
        {80, 60, false}, {100, 60, false}, {160, 39, false},  {160, 80, false}, {199, 119, false},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Inside(shape, p.x, p.y), p.inside) << "(" << p.x << ", " << p.y << ")";

    const std::optional<XRect> g = x.Geometry(window);
    ASSERT_TRUE(g);
    EXPECT_EQ(g->x, 100);
    EXPECT_EQ(g->y, 100);
    EXPECT_EQ(g->width, 200);
    EXPECT_EQ(g->height, 120);
}

TEST_F(QtWindowTest, MovesHidesAndShowsAsTheProgramSays)
{
    TestWindow& state = NewState();
    const HWND hwnd = MakeShaped(state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return ShowsSkin(window); }));

    SetWindowPos(hwnd, nullptr, 300, 250, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(PumpUntil([&] { return At(x, window, 300, 250); }));

    ShowWindow(hwnd, SW_HIDE);
    EXPECT_TRUE(PumpUntil([&] { return !x.Viewable(window); }));
    EXPECT_TRUE(x.Exists(window));

    ShowWindow(hwnd, SW_SHOW);
    EXPECT_TRUE(PumpUntil([&] { return ShowsSkin(window); }));
    EXPECT_TRUE(At(x, window, 300, 250));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 250);
}

TEST_F(QtWindowTest, EmptyRegionUnmapsUntilTheWindowHasAShapeAgain)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{100, 100, 300, 220}, state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return x.Viewable(window); }));

    SetWindowRgn(hwnd, CreateRectRgn(0, 0, 0, 0), TRUE);
    EXPECT_TRUE(PumpUntil([&] { return !x.Viewable(window); }));
    EXPECT_TRUE(IsWindowVisible(hwnd)) << "the program still thinks it shown";

    SetWindowRgn(hwnd, nullptr, TRUE);
    ASSERT_TRUE(PumpUntil([&] { return x.Viewable(window); }));
    const std::vector<XRect> shape = x.BoundingShape(window);
    ASSERT_EQ(shape.size(), 1u);
    EXPECT_EQ(shape[0].width, 200);
    EXPECT_EQ(shape[0].height, 120);
}

TEST_F(QtWindowTest, DragOnTheCaptionMovesTheWindow)
{
    TestWindow& state = NewState();
    state.hitTest = HTCAPTION;
    const HWND hwnd = MakeShaped(state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return ShowsSkin(window); }));

    // Press inside block A, move in steps, release 80 right and 50 down.
    x.MovePointer(110, 110);
    x.Button(1, true);
    for (int step = 1; step <= 4; ++step)
        x.MovePointer(110 + 20 * step, 110 + 25 * step / 2);
    x.MovePointer(190, 160);
    x.Button(1, false);

    EXPECT_TRUE(PumpUntil([&] { return At(x, window, 180, 150); }));
    RECT rect;
    GetWindowRect(hwnd, &rect);
    EXPECT_EQ(rect.left, 180);
    EXPECT_EQ(rect.top, 150);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(QtWindowTest, WindowManagersCloseRequestArrivesAsWmClose)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{100, 100, 300, 220}, state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return x.Viewable(window); }));

    x.RequestClose(window);
    ASSERT_TRUE(PumpUntil([&] { return state.Saw(WM_CLOSE); }));
    const std::vector<Seen> commands = state.Of(WM_SYSCOMMAND);
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.back().wParam & 0xFFF0, SC_CLOSE);

    // The program kept its window: so does the desktop.
    PumpTurns(5);
    EXPECT_TRUE(IsWindow(hwnd));
    EXPECT_TRUE(x.Viewable(window));

    DestroyWindow(hwnd);
    EXPECT_TRUE(PumpUntil([&] { return !x.Exists(window); }));
}

} // namespace
} // namespace qttest
