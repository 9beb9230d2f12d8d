// Activation of top-level windows and the keyboard focus.
#include "user_test_support.h"

namespace usertest {
namespace {

class FocusAndActivation : public RuntimeTest {};

TEST_F(FocusAndActivation, ShowingAWindowActivatesAndFocusesIt)
{
    const HWND a = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    EXPECT_EQ(GetActiveWindow(), a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(headless->ActiveWindow(), Native(a));
    journal.Clear();

    const HWND b = Make(WS_POPUP | WS_VISIBLE, RECT{50, 50, 150, 150});
    EXPECT_EQ(GetActiveWindow(), b);
    EXPECT_EQ(GetFocus(), b);
    const std::vector<Entry> deactivated = journal.Of(a, WM_ACTIVATE);
    ASSERT_EQ(deactivated.size(), 1u);
    EXPECT_EQ(LOWORD(deactivated[0].wParam), WA_INACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(deactivated[0].lParam), b);
    const std::vector<Entry> activated = journal.Of(b, WM_ACTIVATE);
    ASSERT_EQ(activated.size(), 1u);
    EXPECT_EQ(LOWORD(activated[0].wParam), WA_ACTIVE);
    EXPECT_EQ(reinterpret_cast<HWND>(activated[0].lParam), a);
    EXPECT_EQ(journal.Count(a, WM_KILLFOCUS), 1);
    EXPECT_EQ(headless->Stacking().front(), Native(b));
    EXPECT_EQ(journal.Count(a, WM_ACTIVATEAPP), 0) << "the program stayed active";
}

TEST_F(FocusAndActivation, SetFocusMovesTheFocusBetweenChildren)
{
    const HWND top = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND one = Make(WS_CHILD | WS_VISIBLE, RECT{0, 0, 10, 10}, top, {}, 1);
    const HWND two = Make(WS_CHILD | WS_VISIBLE, RECT{20, 0, 30, 10}, top, {}, 2);
    journal.Clear();
    EXPECT_EQ(SetFocus(one), top);
    EXPECT_EQ(SetFocus(two), one);
    EXPECT_EQ(GetFocus(), two);
    const std::vector<Entry> kills = journal.Of(one, WM_KILLFOCUS);
    ASSERT_EQ(kills.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(kills[0].wParam), two);
    const std::vector<Entry> sets = journal.Of(two, WM_SETFOCUS);
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(reinterpret_cast<HWND>(sets[0].wParam), one);

    // Keys go to the focus.
    headless->KeyPress('Q');
    Pump();
    EXPECT_EQ(journal.Count(two, WM_KEYDOWN), 1);
    EXPECT_EQ(journal.Count(two, WM_CHAR), 1);
    EXPECT_EQ(journal.Count(top, WM_KEYDOWN), 0);

    // Hiding or disabling the focus takes the focus away.
    ShowWindow(two, SW_HIDE);
    EXPECT_EQ(GetFocus(), nullptr);
    SetFocus(one);
    EnableWindow(one, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    // Without a focus, keys reach the active window as system keys.
    journal.Clear();
    headless->KeyPress('Q');
    Pump();
    EXPECT_EQ(journal.Count(top, WM_SYSKEYDOWN), 1);
}

TEST_F(FocusAndActivation, AClickActivatesAnInactiveWindowUnlessItSaysNo)
{
    struct Case {
        LRESULT answer;
        bool activates;
        bool clickArrives;
    };
    const Case cases[] = {
        {MA_ACTIVATE, true, true},
        {MA_ACTIVATEANDEAT, true, false},
        {MA_NOACTIVATE, false, true},
        {MA_NOACTIVATEANDEAT, false, false},
    };
    for (const Case& c : cases) {
        const HWND back = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr,
                               [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                   if (m == WM_MOUSEACTIVATE)
                                       return c.answer;
                                   return std::nullopt;
                               });
        const HWND front = Make(WS_POPUP | WS_VISIBLE, RECT{200, 0, 300, 100});
        ASSERT_EQ(GetActiveWindow(), front);
        journal.Clear();
        headless->Click(POINT{50, 50});
        Pump();
        EXPECT_EQ(GetActiveWindow() == back, c.activates) << "answer " << c.answer;
        EXPECT_EQ(journal.Count(back, WM_LBUTTONDOWN) == 1, c.clickArrives) << "answer " << c.answer;
        if (c.activates) {
            const std::vector<Entry> activated = journal.Of(back, WM_ACTIVATE);
            ASSERT_EQ(activated.size(), 1u);
            EXPECT_EQ(LOWORD(activated[0].wParam), WA_CLICKACTIVE);
        }
        DestroyWindow(back);
        DestroyWindow(front);
    }
}

TEST_F(FocusAndActivation, TheNextWindowTakesOverWhenTheActiveOneGoes)
{
    const HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND other = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    const HWND popup = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50}, owner);
    ASSERT_EQ(GetActiveWindow(), popup);
    // An owned window hands the activation back to its owner.
    ShowWindow(popup, SW_HIDE);
    EXPECT_EQ(GetActiveWindow(), owner);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(popup)) << "owned windows go with their owner";
    EXPECT_EQ(GetActiveWindow(), other);
    ShowWindow(other, SW_MINIMIZE);
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    EXPECT_EQ(journal.Count(other, WM_ACTIVATEAPP), 1) << "the program lost the activation";
}

TEST_F(FocusAndActivation, TheDesktopTakingTheFocusDeactivates)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100});
    journal.Clear();
    headless->DeactivateAll();
    Pump();
    EXPECT_EQ(GetActiveWindow(), nullptr);
    EXPECT_EQ(GetFocus(), nullptr);
    const std::vector<Entry> activate = journal.Of(w, WM_ACTIVATE);
    ASSERT_EQ(activate.size(), 1u);
    EXPECT_EQ(LOWORD(activate[0].wParam), WA_INACTIVE);
    EXPECT_EQ(journal.Count(w, WM_KILLFOCUS), 1);
    SetForegroundWindow(w);
    EXPECT_EQ(GetActiveWindow(), w);
    EXPECT_EQ(headless->ActiveWindow(), Native(w));
}

TEST_F(FocusAndActivation, APressOnADisabledOwnerBringsItsPopupForward)
{
    const HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200});
    const HWND dialog = Make(WS_POPUP | WS_VISIBLE, RECT{300, 0, 400, 100}, owner);
    EnableWindow(owner, FALSE);
    SetActiveWindow(dialog);
    headless->DeactivateAll();
    Pump();
    journal.Clear();
    headless->Click(POINT{50, 50});
    Pump();
    EXPECT_EQ(journal.Count(owner, WM_LBUTTONDOWN), 0);
    EXPECT_EQ(GetActiveWindow(), dialog);
    EXPECT_EQ(SetActiveWindow(owner), nullptr) << "a disabled window cannot be activated";
}

} // namespace
} // namespace usertest
