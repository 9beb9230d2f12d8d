// Show states: normal, minimised, hidden; system commands and closing.
#include "user_test_support.h"

namespace usertest {
namespace {

class ShowStates : public RuntimeTest {};

using platform::ShowState;

TEST_F(ShowStates, CommandsMoveBetweenNormalMinimisedAndHidden)
{
    struct Step {
        int command;
        bool visible;
        bool iconic;
        ShowState desktop;
    };
    const Step steps[] = {
        {SW_SHOW, true, false, ShowState::Normal},       {SW_MINIMIZE, true, true, ShowState::Minimized},
        {SW_RESTORE, true, false, ShowState::Normal},    {SW_HIDE, false, false, ShowState::Hidden},
        {SW_SHOWNORMAL, true, false, ShowState::Normal}, {SW_SHOWMINNOACTIVE, true, true, ShowState::Minimized},
        {SW_SHOW, true, true, ShowState::Minimized},     {SW_SHOWNORMAL, true, false, ShowState::Normal},
    };
    const HWND w = Make(WS_POPUP, RECT{40, 50, 240, 150});
    for (const Step& s : steps) {
        ShowWindow(w, s.command);
        EXPECT_EQ(IsWindowVisible(w) != FALSE, s.visible) << "command " << s.command;
        EXPECT_EQ(IsIconic(w) != FALSE, s.iconic) << "command " << s.command;
        EXPECT_EQ(headless->State(Native(w))->state, s.desktop) << "command " << s.command;
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, 40) << "the window keeps its place";
        EXPECT_EQ(r.top, 50);
    }
}

TEST_F(ShowStates, ShowWindowReportsThePreviousVisibilityAndTellsTheWindow)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10});
    EXPECT_FALSE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(ShowWindow(w, SW_SHOW));
    EXPECT_TRUE(ShowWindow(w, SW_HIDE));
    EXPECT_FALSE(ShowWindow(w, SW_HIDE));
    const std::vector<Entry> shows = journal.Of(w, WM_SHOWWINDOW);
    ASSERT_EQ(shows.size(), 2u);
    EXPECT_EQ(shows[0].wParam, WPARAM{TRUE});
    EXPECT_EQ(shows[1].wParam, WPARAM{FALSE});

    ShowWindow(w, SW_SHOW);
    journal.Clear();
    ShowWindow(w, SW_MINIMIZE);
    ShowWindow(w, SW_RESTORE);
    const std::vector<Entry> sizes = journal.Of(w, WM_SIZE);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].wParam, SIZE_MINIMIZED);
    EXPECT_EQ(sizes[1].wParam, SIZE_RESTORED);
}

TEST_F(ShowStates, SystemCommandsMinimiseRestoreAndClose)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10});
    SendMessageA(w, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(w));
    SendMessageA(w, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(w));
    SendMessageA(w, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_FALSE(IsWindow(w)) << "WM_CLOSE's default handling destroys the window";
    EXPECT_EQ(journal.Messages(w, {WM_CLOSE, WM_DESTROY, WM_NCDESTROY}),
              (std::vector<UINT>{WM_CLOSE, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(ShowStates, TheDesktopsCloseRequestAndShowStatesReachTheWindow)
{
    bool refuse = true;
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 10, 10}, nullptr,
                        [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m == WM_CLOSE && refuse)
                                return 0; // a window may refuse to close
                            return std::nullopt;
                        });
    headless->RequestClose(Native(w));
    Pump();
    const std::vector<Entry> commands = journal.Of(w, WM_SYSCOMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(commands[0].wParam & 0xFFF0, SC_CLOSE);
    EXPECT_TRUE(IsWindow(w));

    headless->ChangeShowStateByDesktop(Native(w), ShowState::Minimized);
    Pump();
    EXPECT_TRUE(IsIconic(w));
    headless->ChangeShowStateByDesktop(Native(w), ShowState::Normal);
    Pump();
    EXPECT_FALSE(IsIconic(w));

    refuse = false;
    headless->RequestClose(Native(w));
    Pump();
    EXPECT_FALSE(IsWindow(w));
    EXPECT_FALSE(headless->State(Native(w)).has_value()) << "its desktop window is gone too";
}

TEST_F(ShowStates, AltF4AsksTheTopLevelWindowToClose)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, top, {}, 1);
    SetFocus(child);
    headless->KeyDown(VK_MENU);
    headless->KeyPress(VK_F4);
    headless->KeyUp(VK_MENU);
    Pump();
    EXPECT_EQ(journal.Count(child, WM_SYSKEYDOWN), 2);
    EXPECT_FALSE(IsWindow(top));
}

TEST_F(ShowStates, HiddenAndMinimisedWindowsTakeNoClicks)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    for (int command : {SW_HIDE, SW_MINIMIZE}) {
        ShowWindow(w, SW_SHOWNORMAL);
        ShowWindow(w, command);
        journal.Clear();
        headless->Click(POINT{50, 50});
        Pump();
        EXPECT_EQ(journal.Count(w, WM_LBUTTONDOWN), 0) << "command " << command;
    }
}


TEST_F(ShowStates, AMinimisedWindowPaintsOverItsChildrenAndRestoredTheyShowAgain)
{
    constexpr COLORREF kParent = RGB(0, 0, 255);
    constexpr COLORREF kChild = RGB(255, 0, 0);
    const auto painter = [](COLORREF colour) {
        return [colour](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
            if (m != WM_PAINT)
                return std::nullopt;
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(h, &ps);
            FillColor(dc, RECT{0, 0, 100, 100}, colour);
            EndPaint(h, &ps);
            return 0;
        };
    };
    const HWND top = Make(WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, RECT{0, 0, 60, 60}, nullptr, painter(kParent));
    const HWND child = Make(WS_CHILD | WS_VISIBLE, RECT{10, 10, 30, 30}, top, painter(kChild));
    Pump();
    EXPECT_EQ(Shown(top, 15, 15), kChild);

    ShowWindow(top, SW_MINIMIZE);
    InvalidateRect(top, nullptr, TRUE);
    journal.Clear();
    UpdateWindow(top);
    Pump();
    EXPECT_EQ(journal.Count(child, WM_PAINT), 0) << "the child is not drawn";
    std::vector<std::uint32_t> pixels;
    int width = 0, height = 0;
    ASSERT_TRUE(UserCopyBackingStore(top, pixels, width, height));
    EXPECT_EQ(pixels[15 * width + 15] & 0xFFFFFF, 0x0000FFu) << "the parent painted where the child lies";
    EXPECT_TRUE(IsWindowVisible(child)) << "the child keeps its own state";

    ShowWindow(top, SW_RESTORE);
    UpdateWindow(top);
    Pump();
    ASSERT_TRUE(UserCopyBackingStore(top, pixels, width, height));
    EXPECT_EQ(pixels[15 * width + 15] & 0xFFFFFF, 0xFF0000u) << "restored, the child shows again";
}

} // namespace
} // namespace usertest
