// Invalidation, BeginPaint, clipping of window DCs, and pixels landing in
// the top-level window's backing store at the right place.
#include "user_test_support.h"

namespace usertest {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

class Painting : public RuntimeTest {};

TEST_F(Painting, BeginPaintGivesTheInvalidAreaAndClipsToIt)
{
    RECT paintRect{};
    BOOL erase = TRUE;
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{200, 100, 300, 180}, nullptr,
                        [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m != WM_PAINT)
                                return std::nullopt;
                            PAINTSTRUCT ps;
                            const HDC dc = BeginPaint(h, &ps);
                            paintRect = ps.rcPaint;
                            erase = ps.fErase;
                            FillColor(dc, RECT{0, 0, 100, 80}, kRed); // tries the whole client area
                            EndPaint(h, &ps);
                            return 0;
                        });
    Pump(); // the first paint covers everything
    EXPECT_EQ(paintRect.right, 100);
    EXPECT_EQ(paintRect.bottom, 80);

    // Repaint in green, but only a corner is invalid.
    HDC dc = GetDC(w);
    FillColor(dc, RECT{0, 0, 100, 80}, kGreen);
    ReleaseDC(w, dc);
    const RECT corner{10, 20, 30, 25};
    InvalidateRect(w, &corner, TRUE);
    Pump();
    EXPECT_EQ(paintRect.left, 10);
    EXPECT_EQ(paintRect.top, 20);
    EXPECT_EQ(paintRect.right, 30);
    EXPECT_EQ(paintRect.bottom, 25);
    EXPECT_TRUE(erase) << "no brush, so the background was not erased";
    EXPECT_EQ(Shown(w, 10, 20), kRed);
    EXPECT_EQ(Shown(w, 29, 24), kRed);
    EXPECT_EQ(Shown(w, 30, 24), kGreen);
    EXPECT_EQ(Shown(w, 9, 20), kGreen);
    EXPECT_EQ(Shown(w, 10, 25), kGreen);
}

TEST_F(Painting, ChildPixelsLandAtTheChildsPlaceInTheTopLevelStore)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{300, 200, 400, 300}, nullptr, PaintWith(kBlack));
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{10, 20, 40, 35}, top, PaintWith(kBlue));
    const HWND grandchild = Make(WS_CHILD | WS_VISIBLE, RECT{5, 5, 10, 8}, child, PaintWith(kRed));
    Pump();
    EXPECT_EQ(Shown(top, 9, 20), kBlack);
    EXPECT_EQ(Shown(top, 10, 20), kBlue);
    EXPECT_EQ(Shown(top, 39, 34), kBlue);
    EXPECT_EQ(Shown(top, 40, 34), kBlack);
    EXPECT_EQ(Shown(top, 15, 25), kRed);
    EXPECT_EQ(Shown(top, 19, 27), kRed);
    EXPECT_EQ(Shown(top, 20, 27), kBlue);

    // A child's DC draws at the child's origin and nowhere outside it.
    HDC dc = GetDC(grandchild);
    FillColor(dc, RECT{-50, -50, 200, 200}, kGreen);
    ReleaseDC(grandchild, dc);
    EXPECT_EQ(Shown(top, 15, 25), kGreen);
    EXPECT_EQ(Shown(top, 19, 27), kGreen);
    EXPECT_EQ(Shown(top, 14, 25), kBlue);
    EXPECT_EQ(Shown(top, 20, 27), kBlue);
}

TEST_F(Painting, ClipChildrenKeepsAParentOffItsChildren)
{
    struct Case {
        DWORD parentStyle;
        COLORREF underChildAfterParentDraws;
    };
    const Case cases[] = {{0, kRed}, {WS_CLIPCHILDREN, kBlue}};
    for (const Case& c : cases) {
        const HWND top = Make(WS_POPUP | WS_VISIBLE | c.parentStyle, RECT{0, 0, 60, 60}, nullptr, PaintWith(kBlack));
        Make(WS_CHILD | WS_VISIBLE, RECT{10, 10, 30, 30}, top, PaintWith(kBlue));
        Pump();
        ASSERT_EQ(Shown(top, 15, 15), kBlue);
        HDC dc = GetDC(top);
        FillColor(dc, RECT{0, 0, 60, 60}, kRed);
        ReleaseDC(top, dc);
        EXPECT_EQ(Shown(top, 15, 15), c.underChildAfterParentDraws) << "style " << c.parentStyle;
        EXPECT_EQ(Shown(top, 5, 5), kRed);
        DestroyWindow(top);
    }
}

TEST_F(Painting, AParentRepaintRepaintsTheChildrenItCovers)
{
    int childPaints = 0;
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 60, 60}, nullptr, PaintWith(kBlack));
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{10, 10, 30, 30}, top, [&](HWND h, UINT m, WPARAM w, LPARAM l) {
        if (m == WM_PAINT)
            ++childPaints;
        return PaintWith(kBlue)(h, m, w, l);
    });
    Pump();
    ASSERT_EQ(childPaints, 1);
    // Without WS_CLIPCHILDREN the parent paints over the child, so the child
    // is invalidated with it and paints after it.
    InvalidateRect(top, nullptr, TRUE);
    Pump();
    EXPECT_EQ(childPaints, 2);
    EXPECT_EQ(Shown(top, 15, 15), kBlue);
    std::vector<HWND> painted;
    for (const Entry& e : journal.Of(nullptr, WM_PAINT))
        painted.push_back(e.hwnd);
    EXPECT_EQ(painted, (std::vector<HWND>{top, child, top, child}));

    // An invalid area away from the child leaves it alone.
    const RECT away{40, 40, 50, 50};
    InvalidateRect(top, &away, TRUE);
    Pump();
    EXPECT_EQ(childPaints, 2);
}

TEST_F(Painting, SiblingsThatClipSiblingsStayOffTheOnesAbove)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 100, 100}, nullptr, PaintWith(kBlack));
    const HWND upper = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{0, 0, 50, 50}, top, PaintWith(kBlue));
    const HWND lower = Make(WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, RECT{25, 25, 75, 75}, top, PaintWith(kRed));
    Pump();
    // The first child made is the top of the z-order.
    EXPECT_EQ(GetWindow(top, GW_CHILD), upper);
    EXPECT_EQ(Shown(top, 30, 30), kBlue);
    EXPECT_EQ(Shown(top, 60, 60), kRed);
    InvalidateRect(lower, nullptr, TRUE);
    UpdateWindow(lower);
    EXPECT_EQ(Shown(top, 30, 30), kBlue);

    // Raised, the lower one covers the overlap.
    SetWindowPos(lower, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Pump();
    EXPECT_EQ(Shown(top, 30, 30), kRed);
    EXPECT_EQ(Shown(top, 10, 10), kBlue);
}

TEST_F(Painting, EraseUsesTheClassBrush)
{
    BOOL erase = TRUE;
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40}, nullptr,
                        [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m != WM_PAINT)
                                return std::nullopt;
                            PAINTSTRUCT ps;
                            BeginPaint(h, &ps);
                            erase = ps.fErase;
                            EndPaint(h, &ps);
                            return 0;
                        },
                        0, 0, "UserTestWhite");
    Pump();
    EXPECT_FALSE(erase) << "the class brush erased it";
    EXPECT_EQ(Shown(w, 0, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(Shown(w, 39, 39), GetSysColor(COLOR_WINDOW));
}

TEST_F(Painting, ValidatedAndHiddenWindowsAreNotPainted)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40});
    Pump();
    journal.Clear();
    InvalidateRect(w, nullptr, TRUE);
    ValidateRect(w, nullptr);
    RECT update;
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
    Pump();
    EXPECT_EQ(journal.Count(w, WM_PAINT), 0);

    ShowWindow(w, SW_HIDE);
    journal.Clear();
    InvalidateRect(w, nullptr, TRUE);
    Pump();
    EXPECT_EQ(journal.Count(w, WM_PAINT), 0);
    // Shown again, it is painted whole.
    ShowWindow(w, SW_SHOWNA);
    Pump();
    EXPECT_EQ(journal.Count(w, WM_PAINT), 1);
}

TEST_F(Painting, UpdateWindowPaintsAtOnceAndAWindowThatIgnoresPaintDoesNotSpin)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40}, nullptr,
                        [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_PAINT)
                                return 0; // claims to paint, never validates
                            return std::nullopt;
                        });
    EXPECT_TRUE(UpdateWindow(w));
    EXPECT_EQ(journal.Count(w, WM_PAINT), 1);
    InvalidateRect(w, nullptr, FALSE);
    Pump();
    EXPECT_EQ(journal.Count(w, WM_PAINT), 2);
}

TEST_F(Painting, MovingAChildRepaintsWhereItWasAndWhereItIs)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr, PaintWith(kBlack));
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 20, 20}, top, PaintWith(kBlue));
    Pump();
    ASSERT_EQ(Shown(top, 5, 5), kBlue);
    MoveWindow(child, 50, 50, 20, 20, TRUE);
    Pump();
    EXPECT_EQ(Shown(top, 5, 5), kBlack);
    EXPECT_EQ(Shown(top, 55, 55), kBlue);
    ShowWindow(child, SW_HIDE);
    Pump();
    EXPECT_EQ(Shown(top, 55, 55), kBlack);
}

} // namespace
} // namespace usertest
