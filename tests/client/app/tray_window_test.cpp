// The main window's tray icon on the headless backend: created with the
// window (icon 155, "Quillpost", the balloon), its menu opening the window
// again and ending the program, the double click, the news animation and
// where it stops, the icon gone after the close, and a window without a
// notification area opening bare.
#include "main_window_fixture.h"

#include "QuillpostDlg.h"
#include "res/resource.h"

#include <functional>
#include <vector>

namespace {

class TrayWindow : public MainWindowTest {
protected:
    unsigned IconId() const
    {
        const auto icons = headless->TrayIcons();
        EXPECT_EQ(icons.size(), 1u);
        return icons.empty() ? 0 : icons.front().id;
    }

    static HICON Icon(UINT id)
    {
        return static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_SHARED));
    }

    bool TrayShows(HICON icon) const
    {
        platform::CursorImage expected;
        const auto icons = headless->TrayIcons();
        return icons.size() == 1 && UserGetIconImage(icon, expected) && !expected.argb.empty() &&
               icons[0].image.argb == expected.argb;
    }

    // The news alert as a "newsend" record starts it.
    static void StartNewsAlert(CQuillpostDlg& d)
    {
        ASSERT_TRUE(d.m_TrayIcon.SetIconList(IDI_TRAY_ANIM_FIRST, IDI_TRAY_ANIM_LAST));
        ASSERT_TRUE(d.m_TrayIcon.Animate(250, 100));
        d.m_bNewsAlert = TRUE;
    }
};

TEST_F(TrayWindow, IconComesWithTheWindowAndItsExitEndsTheProgram)
{
    CQuillpostDlg dlg;
    const INT_PTR result = Run(dlg, {
        [&](CQuillpostDlg&) {
            EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGOUT)));
            EXPECT_EQ(headless->TrayIcons().at(0).tooltip, "Quillpost");
            const auto balloons = headless->TrayBalloons();
            ASSERT_EQ(balloons.size(), 1u);
            EXPECT_EQ(balloons[0].text, "Here's a cool new Win2K balloon!");
            EXPECT_EQ(balloons[0].title, "Look at me!");
            EXPECT_EQ(balloons[0].iconKind, 2);
            EXPECT_EQ(balloons[0].timeoutMs, 20000u);
            headless->QueueMenuChoice(ID_TRAY_EXIT);
            headless->ClickTrayIcon(IconId(), platform::MouseButton::Right);
        },
    });
    EXPECT_EQ(result, IDCANCEL);
    const auto menus = headless->ShownMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_EQ(menus[0].items[0].text, "열기");
    EXPECT_EQ(menus[0].items[1].text, "종료");
    EXPECT_TRUE(headless->TrayIcons().empty()) << "the close removed the icon";
}

TEST_F(TrayWindow, MenuOpenShowsTheHiddenWindowAndStopsTheAlert)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            StartNewsAlert(d);
            headless->KeyPress(VK_ESCAPE);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_FALSE(d.IsWindowVisible());
            headless->QueueMenuChoice(ID_TRAY_OPEN);
            headless->ClickTrayIcon(IconId(), platform::MouseButton::Right);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_FALSE(d.m_bNewsAlert);
            EXPECT_EQ(d.m_TrayIcon.m_uTimerId, 0u);
            EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGOUT))) << "the image from before the alert";
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(TrayWindow, DoubleClickShowsTheMinimisedWindowAndStopsTheAnimation)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            d.ShowWindow(SW_MINIMIZE);
            StartNewsAlert(d);
            headless->AdvanceClock(250);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(TrayShows(d.m_TrayIcon.m_iconList[1]));
            headless->DoubleClickTrayIcon(IconId());
        },
        [&](CQuillpostDlg& d) {
            EXPECT_FALSE(d.IsIconic());
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_EQ(d.m_TrayIcon.m_uTimerId, 0u);
            EXPECT_FALSE(d.m_bNewsAlert) << "the default item is \"열기\"";
            EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGOUT)));
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(TrayWindow, NewsAnimationRunsHundredSecondsThenRestoresTheImage)
{
    CQuillpostDlg dlg;
    std::vector<Step> steps;
    steps.push_back([&](CQuillpostDlg& d) {
        ASSERT_TRUE(d.m_TrayIcon.SetIcon(IDI_TRAY_LOGIN));
        StartNewsAlert(d);
        headless->AdvanceClock(250);
    });
    // Frames 160, 161, 162, 163, 164, 159, 160: one per 250 ms.
    const int expected[] = {1, 2, 3, 4, 5, 0, 1};
    for (int index : expected) {
        steps.push_back([&, index](CQuillpostDlg& d) {
            EXPECT_TRUE(TrayShows(d.m_TrayIcon.m_iconList[index]));
            headless->AdvanceClock(250);
        });
    }
    // On to 100 s after the start: still animating.
    for (int i = 8; i < 400; ++i)
        steps.push_back([&](CQuillpostDlg&) { headless->AdvanceClock(250); });
    steps.push_back([&](CQuillpostDlg& d) {
        EXPECT_NE(d.m_TrayIcon.m_uTimerId, 0u);
        headless->AdvanceClock(1000);
    });
    steps.push_back([&](CQuillpostDlg& d) {
        EXPECT_EQ(d.m_TrayIcon.m_uTimerId, 0u) << "over within 101 s";
        EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGIN)));
        EXPECT_TRUE(d.m_bNewsAlert) << "left set until the window is opened, hidden or minimised";
        d.PostMessage(WM_CLOSE);
    });
    Run(dlg, steps);
}

TEST_F(TrayWindow, ShowStateCommandsStopTheAnimationButTheNotifierDoesNot)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            StartNewsAlert(d);
            d.SendMessage(WM_NOTIFIER_CLICKED);
            EXPECT_NE(d.m_TrayIcon.m_uTimerId, 0u);
            d.SendMessage(WM_COMMAND, IDC_BTN_MINIMIZE);
            EXPECT_EQ(d.m_TrayIcon.m_uTimerId, 0u);
            EXPECT_FALSE(d.m_bNewsAlert);
            d.PostMessage(WM_CLOSE);
        },
    });
}

class TrayWindowWithoutTray : public TrayWindow {
protected:
    void SetUp() override
    {
        TrayWindow::SetUp();
        platform::HeadlessBackend::Options options;
        options.tray = false;
        auto backend = std::make_unique<platform::HeadlessBackend>(options);
        headless = backend.get();
        UserSetBackend(std::move(backend));
    }
};

TEST_F(TrayWindowWithoutTray, WindowOpensBareAndStillCloses)
{
    CQuillpostDlg dlg;
    const INT_PTR result = Run(dlg, {
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_FALSE(d.m_dibFrame.IsValid()) << "no skin";
            EXPECT_FALSE(d.m_bFirstRequest) << "the later steps did not run";
            HRGN region = CreateRectRgn(0, 0, 0, 0);
            EXPECT_EQ(GetWindowRgn(d.m_hWnd, region), ERROR) << "no outline";
            DeleteObject(region);
            d.PostMessage(WM_CLOSE);
        },
    });
    EXPECT_EQ(result, IDCANCEL);
}

} // namespace
