// Mouse capture and moving windows with the pointer.
#include "user_test_support.h"

namespace usertest {
namespace {

class CaptureAndDrag : public RuntimeTest {};

POINT Origin(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return POINT{r.left, r.top};
}

TEST_F(CaptureAndDrag, ACaptionHitDragsTheWindow)
{
    // A borderless window that calls its upper band a caption.
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 250}, nullptr,
                        [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> std::optional<LRESULT> {
                            if (m != WM_NCHITTEST)
                                return std::nullopt;
                            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                            ScreenToClient(h, &p);
                            return p.y < 20 ? HTCAPTION : DefWindowProcA(h, m, wp, lp);
                        });
    Pump();
    headless->Drag(POINT{150, 110}, POINT{210, 140}, 6);
    Pump();
    EXPECT_EQ(Origin(w).x, 160);
    EXPECT_EQ(Origin(w).y, 130);
    EXPECT_EQ(headless->State(Native(w))->rect.left, 160);
    EXPECT_EQ(headless->State(Native(w))->rect.top, 130);
    EXPECT_EQ(journal.Messages(w, {WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}),
              (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE}));
    EXPECT_GE(journal.Count(w, WM_MOVE), 6);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(journal.Count(w, WM_LBUTTONDOWN), 0) << "caption presses are not client presses";

    // A press in the client area does not move it.
    headless->Drag(POINT{200, 200}, POINT{250, 240}, 3);
    Pump();
    EXPECT_EQ(Origin(w).x, 160);
    EXPECT_EQ(journal.Count(w, WM_LBUTTONDOWN), 1);
}

TEST_F(CaptureAndDrag, EscapeDuringACaptionDragPutsTheWindowBack)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 200, 200}, nullptr,
                        [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_NCHITTEST)
                                return HTCAPTION;
                            return std::nullopt;
                        });
    Pump();
    headless->MoveMouse(POINT{150, 150});
    headless->PressButton();
    headless->MoveMouse(POINT{170, 180});
    headless->KeyPress(VK_ESCAPE);
    headless->MoveMouse(POINT{300, 300});
    headless->ReleaseButton();
    Pump();
    EXPECT_EQ(Origin(w).x, 100);
    EXPECT_EQ(Origin(w).y, 100);
}

TEST_F(CaptureAndDrag, CaptureRoutesThePointerToTheCapturingWindow)
{
    const HWND a = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr,
                        [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_LBUTTONDOWN)
                                SetCapture(h);
                            if (m == WM_LBUTTONUP)
                                ReleaseCapture();
                            return std::nullopt;
                        });
    const HWND b = Make(WS_POPUP | WS_VISIBLE, RECT{200, 0, 300, 100});
    Pump();
    journal.Clear();
    headless->MoveMouse(POINT{50, 50});
    headless->PressButton();
    headless->MoveMouse(POINT{250, 50}); // over b
    headless->MoveMouse(POINT{500, 500}); // over nothing
    headless->ReleaseButton();
    headless->MoveMouse(POINT{250, 60}); // no capture any more
    Pump();

    const std::vector<Entry> moves = journal.Of(a, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(GET_X_LPARAM(moves[1].lParam), 250);
    EXPECT_EQ(GET_X_LPARAM(moves[2].lParam), 500);
    EXPECT_EQ(GET_Y_LPARAM(moves[2].lParam), 500);
    EXPECT_EQ(journal.Count(a, WM_LBUTTONUP), 1);
    EXPECT_EQ(journal.Count(b, WM_MOUSEMOVE), 1) << "only the move after the release";
    const std::vector<Entry> changed = journal.Of(a, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].lParam, 0);
    EXPECT_EQ(headless->CapturedWindow(), 0u);
}

TEST_F(CaptureAndDrag, CaptureReportsClientCoordinatesOfTheCapturingChild)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 300});
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{50, 60, 70, 80}, top);
    SetCapture(child);
    EXPECT_EQ(headless->CapturedWindow(), Native(top));
    journal.Clear();
    headless->MoveMouse(POINT{110, 120});
    Pump();
    const std::vector<Entry> moves = journal.Of(child, WM_MOUSEMOVE);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(moves[0].lParam), -40);
    EXPECT_EQ(GET_Y_LPARAM(moves[0].lParam), -40);
    EXPECT_EQ(journal.Count(child, WM_SETCURSOR), 0) << "no cursor questions under capture";

    // Taking the capture away tells the old holder who has it now.
    SetCapture(top);
    const std::vector<Entry> changed = journal.Of(child, WM_CAPTURECHANGED);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(changed[0].lParam), top);
}

TEST_F(CaptureAndDrag, AWindowCanDragItselfWithCaptureAndMoveWindow)
{
    // The way a skinned main window drags itself from its client area.
    POINT press{};
    bool dragging = false;
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{400, 300, 500, 380}, nullptr,
                        [&](HWND h, UINT m, WPARAM, LPARAM lp) -> std::optional<LRESULT> {
                            if (m == WM_LBUTTONDOWN) {
                                dragging = true;
                                SetCapture(h);
                                press = POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                            } else if (m == WM_MOUSEMOVE && dragging) {
                                POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
                                ClientToScreen(h, &p);
                                RECT r;
                                GetWindowRect(h, &r);
                                MoveWindow(h, p.x - press.x, p.y - press.y, r.right - r.left, r.bottom - r.top, TRUE);
                            } else if (m == WM_LBUTTONUP) {
                                ReleaseCapture();
                                dragging = false;
                            }
                            return std::nullopt;
                        });
    Pump();
    headless->Drag(POINT{410, 310}, POINT{110, 60}, 10);
    Pump();
    EXPECT_EQ(Origin(w).x, 100);
    EXPECT_EQ(Origin(w).y, 50);
    EXPECT_FALSE(dragging);
    headless->MoveMouse(POINT{600, 600});
    Pump();
    EXPECT_EQ(Origin(w).x, 100);
}

} // namespace
} // namespace usertest
