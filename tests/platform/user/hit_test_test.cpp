// Which window the pointer is over: z-order among siblings, hit-test
// answers, disabled children, window regions, stacked top-level windows.
#include "user_test_support.h"

namespace usertest {
namespace {

class HitTesting : public RuntimeTest {};

TEST_F(HitTesting, TheHigherSiblingTakesTheOverlap)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
    const HWND first = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, top, {}, 1);
    const HWND second = Make(WS_CHILD | WS_VISIBLE, RECT{50, 50, 150, 150}, top, {}, 2);
    const POINT overlap{175, 175}; // client (75, 75) of the parent
    EXPECT_EQ(GetWindow(first, GW_HWNDNEXT), second);
    EXPECT_EQ(WindowFromPoint(overlap), first);
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{75, 75}), first);

    SetWindowPos(first, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), second);
    EXPECT_EQ(WindowFromPoint(overlap), second);
    headless->Click(overlap);
    Pump();
    EXPECT_EQ(journal.Count(second, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(journal.Count(first, WM_LBUTTONDOWN), 0);
    const std::vector<Entry> down = journal.Of(second, WM_LBUTTONDOWN);
    EXPECT_EQ(GET_X_LPARAM(down[0].lParam), 25);
    EXPECT_EQ(GET_Y_LPARAM(down[0].lParam), 25);

    // Placing after a sibling puts it just below that sibling.
    SetWindowPos(first, second, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(second, GW_HWNDNEXT), first);
    SetWindowPos(first, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(overlap), first);
}

TEST_F(HitTesting, TransparentHitsAndDisabledChildrenPassThePointOn)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND below = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, top, {}, 1);
    SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const HWND glass = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 100, 100}, top,
                            [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                if (m == WM_NCHITTEST)
                                    return HTTRANSPARENT;
                                return std::nullopt;
                            },
                            2);
    SetWindowPos(glass, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(WindowFromPoint(POINT{50, 50}), below);
    // ChildWindowFromPoint looks at geometry only.
    EXPECT_EQ(ChildWindowFromPoint(top, POINT{50, 50}), glass);

    EnableWindow(below, FALSE);
    headless->Click(POINT{50, 50});
    Pump();
    EXPECT_EQ(journal.Count(below, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(journal.Count(top, WM_LBUTTONDOWN), 1) << "a disabled child leaves the press to its parent";
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{50, 50}, CWP_SKIPDISABLED | CWP_SKIPTRANSPARENT), glass);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{150, 150}, CWP_ALL), top);
    EXPECT_EQ(ChildWindowFromPointEx(top, POINT{250, 250}, CWP_ALL), nullptr);
}

TEST_F(HitTesting, AWindowRegionDecidesWhatIsInside)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND round = Make(WS_CHILD | WS_VISIBLE, RECT{20, 20, 120, 120}, top, {}, 1);
    // Only the left half of the child remains.
    SetWindowRgn(round, CreateRectRgn(0, 0, 50, 100), TRUE);
    EXPECT_EQ(WindowFromPoint(POINT{30, 30}), round);
    EXPECT_EQ(WindowFromPoint(POINT{100, 30}), top);
    headless->Click(POINT{100, 30});
    Pump();
    EXPECT_EQ(journal.Count(round, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(journal.Count(top, WM_LBUTTONDOWN), 1);
}

TEST_F(HitTesting, TopLevelWindowsStackByActivationAndShape)
{
    const HWND a = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND b = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
    const POINT both{150, 150};
    EXPECT_EQ(WindowFromPoint(both), b);
    EXPECT_EQ(headless->WindowAt(both), Native(b));
    SetActiveWindow(a);
    EXPECT_EQ(WindowFromPoint(both), a);
    EXPECT_EQ(headless->WindowAt(both), Native(a));
    // Cut a's corner away: the point belongs to b again, for the desktop too.
    HRGN shape = CreateRectRgn(0, 0, 200, 200);
    HRGN corner = CreateRectRgn(100, 100, 200, 200);
    CombineRgn(shape, shape, corner, RGN_DIFF);
    DeleteObject(corner);
    SetWindowRgn(a, shape, TRUE);
    EXPECT_EQ(WindowFromPoint(both), b);
    EXPECT_EQ(headless->WindowAt(both), Native(b));
    headless->Click(both);
    Pump();
    EXPECT_EQ(journal.Count(b, WM_LBUTTONDOWN), 1);
    EXPECT_EQ(GetActiveWindow(), b);
}

TEST_F(HitTesting, TheCursorComesFromWM_SETCURSOR)
{
    const HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND link = Make(WS_CHILD | WS_VISIBLE, RECT{10, 10, 50, 50}, top,
                           [hand](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                               if (m == WM_SETCURSOR) {
                                   SetCursor(hand);
                                   return TRUE;
                               }
                               return std::nullopt;
                           },
                           1);
    headless->MoveMouse(POINT{20, 20});
    Pump();
    EXPECT_EQ(GetCursor(), hand);
    EXPECT_EQ(headless->State(Native(top))->cursor.standard, 32649);
    const std::vector<Entry> asks = journal.Of(link, WM_SETCURSOR);
    ASSERT_FALSE(asks.empty());
    EXPECT_EQ(LOWORD(asks.back().lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(asks.back().lParam), WM_MOUSEMOVE);
    // A child that leaves WM_SETCURSOR to the default lets its parent decide.
    const HWND plain = Make(WS_CHILD | WS_VISIBLE, RECT{100, 100, 150, 150}, top, {}, 2);
    journal.Clear();
    headless->MoveMouse(POINT{120, 120});
    Pump();
    const std::vector<Entry> parentAsked = journal.Of(top, WM_SETCURSOR);
    ASSERT_EQ(parentAsked.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(parentAsked[0].wParam), plain);
}

} // namespace
} // namespace usertest
