// The pop-up notifier in the main window: how initialisation sets it up,
// and an announcement through the window's member whose click brings the
// hidden window back.  The window runs step by step
// (main_window_fixture.h); a step moves the clock by half the slide's
// period.
#include "main_window_fixture.h"

#include "QuillpostDlg.h"
#include "TaskbarNotifier.h"

#include <cstring>
#include <functional>
#include <vector>

namespace {

class NotifierInWindow : public MainWindowTest {
protected:
    platform::HeadlessBackend::WindowState State(HWND hwnd) const
    {
        return headless->State(UserGetNativeWindow(hwnd)).value_or(platform::HeadlessBackend::WindowState{});
    }
};

} // namespace

TEST_F(NotifierInWindow, IsSetUpWithTheSkinFontsColoursAndTextRectangle)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            CTaskbarNotifier& n = d.m_notifier;
            ASSERT_NE(n.GetSafeHwnd(), nullptr);
            EXPECT_EQ(n.m_pOwnerWnd, &d);
            EXPECT_EQ(::GetWindow(n.m_hWnd, GW_OWNER), d.m_hWnd);
            EXPECT_EQ(static_cast<DWORD>(::GetWindowLongA(n.m_hWnd, GWL_STYLE)) & (WS_POPUP | WS_VISIBLE), WS_POPUP);
            EXPECT_EQ(n.m_nSkinWidth, 200);
            EXPECT_EQ(n.m_nSkinHeight, 83);
            EXPECT_EQ(n.m_rcText, CRect(10, 20, 190, 63));
            EXPECT_EQ(n.m_crNormalText, RGB(255, 255, 255));
            EXPECT_EQ(n.m_crHoverText, RGB(200, 0, 0));
            EXPECT_TRUE(State(n.m_hWnd).shaped) << "cut out of its skin";

            LOGFONTA normal{}, hover{};
            ASSERT_GT(n.m_fontNormal.GetLogFont(&normal), 0);
            ASSERT_GT(n.m_fontHover.GetLogFont(&hover), 0);
            EXPECT_STREQ(normal.lfFaceName, "Arial Black");
            EXPECT_EQ(normal.lfHeight, -12) << "9 points on the screen";
            EXPECT_EQ(normal.lfWeight, FW_NORMAL);
            EXPECT_FALSE(normal.lfUnderline);
            EXPECT_EQ(hover.lfHeight, normal.lfHeight);
            EXPECT_EQ(hover.lfWeight, FW_BOLD);
            EXPECT_TRUE(hover.lfUnderline);
            EXPECT_FALSE(hover.lfItalic);
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(NotifierInWindow, AClickOnTheAnnouncementShowsTheHiddenWindowAndLeavesTheAlert)
{
    CQuillpostDlg dlg;
    std::vector<Step> steps;
    steps.push_back([&](CQuillpostDlg& d) {
        d.ShowWindow(SW_HIDE);
        d.m_bNewsAlert = TRUE;
        d.m_notifier.Show("새로운 뉴스가\n 등록되었습니다.", 500, 3000, 500);
    });
    for (int i = 0; i < 90; ++i) // the slide in: 43 ticks of 12 ms, half a period a step
        steps.push_back([&](CQuillpostDlg&) { headless->AdvanceClock(6); });
    steps.push_back([&](CQuillpostDlg& d) {
        const RECT r = State(d.m_notifier.m_hWnd).rect;
        ASSERT_EQ(r.left, 824);
        ASSERT_EQ(r.top, 654);
        EXPECT_EQ(State(d.m_hWnd).state, platform::ShowState::Hidden);
        headless->Click(POINT{r.left + 100, r.top + 40});
    });
    steps.push_back([&](CQuillpostDlg& d) {
        EXPECT_EQ(State(d.m_hWnd).state, platform::ShowState::Normal);
        EXPECT_TRUE(d.m_bNewsAlert) << "the tray keeps its alert";
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(Run(dlg, steps), IDCANCEL);
}
