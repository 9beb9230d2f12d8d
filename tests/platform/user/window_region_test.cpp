// Window regions: the window owns the region handed to it.
#include "user_test_support.h"

namespace usertest {
namespace {

class WindowRegions : public RuntimeTest {};

bool Alive(HRGN region) { return GetObjectType(region) == OBJ_REGION; }

TEST_F(WindowRegions, TheWindowDeletesItsRegionWhenReplacedOrDestroyed)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HRGN first = CreateRectRgn(0, 0, 50, 50);
    const HRGN second = CreateRectRgn(10, 10, 60, 60);
    ASSERT_EQ(SetWindowRgn(w, first, TRUE), 1);
    EXPECT_TRUE(Alive(first));
    ASSERT_EQ(SetWindowRgn(w, second, TRUE), 1);
    EXPECT_FALSE(Alive(first)) << "the replaced region was deleted";
    // Setting the same region again must not delete it.
    ASSERT_EQ(SetWindowRgn(w, second, FALSE), 1);
    EXPECT_TRUE(Alive(second));
    DestroyWindow(w);
    EXPECT_FALSE(Alive(second)) << "the window's region went with it";
}

TEST_F(WindowRegions, RemovingTheRegionDeletesItAndRestoresTheRectangle)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HRGN region = CreateRectRgn(0, 0, 10, 10);
    SetWindowRgn(w, region, TRUE);
    EXPECT_TRUE(headless->State(Native(w))->shaped);
    SetWindowRgn(w, nullptr, TRUE);
    EXPECT_FALSE(Alive(region));
    EXPECT_FALSE(headless->State(Native(w))->shaped);
    const HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, probe), ERROR);
    DeleteObject(probe);
}

TEST_F(WindowRegions, AGivenAwayHandleNoLongerShapesTheWindow)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HRGN given = CreateRectRgn(0, 0, 40, 40);
    SetWindowRgn(w, given, TRUE);
    // A caller that keeps using the handle cannot change the window.
    const HRGN extra = CreateRectRgn(60, 60, 100, 100);
    CombineRgn(given, given, extra, RGN_OR);
    DeleteObject(extra);
    EXPECT_EQ(WindowFromPoint(POINT{80, 80}), nullptr);
    EXPECT_EQ(WindowFromPoint(POINT{20, 20}), w);
    const HRGN copy = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(w, copy), ERROR);
    const HRGN expected = CreateRectRgn(0, 0, 40, 40);
    EXPECT_TRUE(EqualRgn(copy, expected));
    DeleteObject(copy);
    DeleteObject(expected);
}

TEST_F(WindowRegions, AFailedCallLeavesTheRegionWithTheCaller)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10});
    DestroyWindow(w);
    const HRGN region = CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(SetWindowRgn(w, region, TRUE), 0);
    EXPECT_TRUE(Alive(region));
    DeleteObject(region);
}

TEST_F(WindowRegions, TheBackendGetsTheShapeAndPaintingStaysInside)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{10, 10, 110, 60}, nullptr, PaintWith(RGB(255, 0, 0)));
    Pump();
    HDC dc = GetDC(w);
    FillColor(dc, RECT{0, 0, 100, 50}, RGB(0, 0, 0));
    ReleaseDC(w, dc);
    // Two runs on one row and a block below, as a skin's outline gives.
    HRGN shape = CreateRectRgn(0, 0, 20, 1);
    HRGN part = CreateRectRgn(30, 0, 100, 1);
    CombineRgn(shape, shape, part, RGN_OR);
    DeleteObject(part);
    part = CreateRectRgn(0, 1, 100, 50);
    CombineRgn(shape, shape, part, RGN_OR);
    DeleteObject(part);
    SetWindowRgn(w, shape, TRUE);
    Pump();
    const auto state = headless->State(Native(w));
    ASSERT_TRUE(state->shaped);
    ASSERT_EQ(state->shape.size(), 3u);
    EXPECT_EQ(state->shape[0].right, 20);
    EXPECT_EQ(state->shape[1].left, 30);
    EXPECT_EQ(Shown(w, 25, 0), RGB(0, 0, 0)) << "the cut-away pixel is not painted";
    EXPECT_EQ(Shown(w, 10, 0), RGB(255, 0, 0));
    EXPECT_EQ(Shown(w, 25, 1), RGB(255, 0, 0));
    // An empty region hides the window from the pointer.
    SetWindowRgn(w, CreateRectRgn(0, 0, 0, 0), TRUE);
    EXPECT_TRUE(headless->State(Native(w))->shaped);
    EXPECT_TRUE(headless->State(Native(w))->shape.empty());
    EXPECT_EQ(headless->WindowAt(POINT{50, 30}), 0u);
}

} // namespace
} // namespace usertest
