// CSystemTray on the headless backend in virtual time: the icon, its
// tooltip and balloon, presence and hiding, the animation over frames 159
// to 164, the menu and the double click for a target window, and the
// icon put back after the task bar comes again.
#include "SystemTray.h"
#include "res/resource.h"
#include "res/resources.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr UINT kCallback = WM_APP + 10;

// A window that records the commands it receives.
class CTarget : public CWnd {
public:
    std::vector<WPARAM> commands;

protected:
    BOOL OnCommand(WPARAM wParam, LPARAM) override
    {
        commands.push_back(wParam);
        return TRUE;
    }
};

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override { Start(platform::HeadlessBackend::Options{}); }

    void Start(const platform::HeadlessBackend::Options& options)
    {
        auto backend = std::make_unique<platform::HeadlessBackend>(options);
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        RegisterQuillpostResources();
        target = std::make_unique<CTarget>();
        ASSERT_TRUE(target->CreateEx(0, AfxRegisterWndClass(0), "target", WS_POPUP, 10, 10, 50, 50, nullptr,
                                     nullptr));
        tray = std::make_unique<CSystemTray>();
    }

    void TearDown() override
    {
        tray.reset();
        if (target && target->GetSafeHwnd())
            target->DestroyWindow();
        target.reset();
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    static HICON Icon(UINT id)
    {
        return static_cast<HICON>(
            ::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_SHARED));
    }

    BOOL CreateClientIcon()
    {
        const BOOL created = tray->Create(nullptr, kCallback, "Quillpost", Icon(IDI_TRAY_LOGOUT), IDR_MENU_TRAY,
                                          FALSE, "Here's a cool new Win2K balloon!", "Look at me!", NIIF_WARNING, 20);
        tray->SetTargetWnd(target.get());
        return created;
    }

    unsigned OnlyIconId() const
    {
        const auto icons = headless->TrayIcons();
        EXPECT_EQ(icons.size(), 1u);
        return icons.empty() ? 0 : icons.front().id;
    }

    // The pixels the tray shows are those of `icon`.
    bool TrayShows(HICON icon) const
    {
        platform::CursorImage expected;
        const auto icons = headless->TrayIcons();
        return icons.size() == 1 && UserGetIconImage(icon, expected) && icons[0].image.argb == expected.argb &&
               !expected.argb.empty();
    }

    platform::HeadlessBackend* headless = nullptr;
    std::unique_ptr<CTarget> target;
    std::unique_ptr<CSystemTray> tray;
};

TEST_F(SystemTrayTest, CreateShowsTheIconTooltipAndBalloonOnce)
{
    EXPECT_TRUE(tray->m_bShellV5) << "the platform answers as version 5";
    ASSERT_TRUE(CreateClientIcon());
    EXPECT_FALSE(tray->m_bHidden);
    EXPECT_FALSE(tray->m_bRemoved);
    EXPECT_EQ(tray->m_nid.cbSize, NOTIFYICONDATAA_V2_SIZE);
    EXPECT_EQ(tray->m_uCreationFlags, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO);
    EXPECT_EQ(tray->m_nid.hWnd, tray->GetSafeHwnd()) << "no parent: the tray's own window hears the mouse";
    EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGOUT)));
    EXPECT_EQ(headless->TrayIcons().at(0).tooltip, "Quillpost");

    ASSERT_TRUE(tray->SetTooltipText("changed"));
    ASSERT_TRUE(tray->SetIcon(IDI_TRAY_LOGIN));
    EXPECT_EQ(headless->TrayIcons().at(0).tooltip, "changed");
    EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGIN)));
    const auto balloons = headless->TrayBalloons();
    ASSERT_EQ(balloons.size(), 1u) << "later changes do not show the balloon again";
    EXPECT_EQ(balloons[0].text, "Here's a cool new Win2K balloon!");
    EXPECT_EQ(balloons[0].title, "Look at me!");
    EXPECT_EQ(balloons[0].iconKind, 2);
    EXPECT_EQ(balloons[0].timeoutMs, 20000u);

    EXPECT_TRUE(tray->ShowBalloon("again", nullptr, NIIF_INFO, 10));
    EXPECT_EQ(headless->TrayBalloons().size(), 2u);
    EXPECT_TRUE(tray->SetStandardIcon(IDI_APPLICATION));
    EXPECT_TRUE(TrayShows(::LoadIconA(nullptr, IDI_APPLICATION)));
}

TEST_F(SystemTrayTest, PresenceStates)
{
    ASSERT_TRUE(CreateClientIcon());
    EXPECT_TRUE(tray->HideIcon());
    EXPECT_TRUE(tray->m_bHidden);
    EXPECT_FALSE(tray->m_bRemoved);
    EXPECT_TRUE(headless->TrayIcons().empty());

    // Changes while hidden are kept for later.
    EXPECT_TRUE(tray->SetTooltipText("later"));
    EXPECT_TRUE(tray->ShowIcon());
    EXPECT_FALSE(tray->m_bHidden);
    EXPECT_EQ(headless->TrayIcons().at(0).tooltip, "later");

    EXPECT_TRUE(tray->RemoveIcon());
    EXPECT_TRUE(tray->m_bRemoved);
    EXPECT_TRUE(tray->m_bHidden);
    EXPECT_TRUE(headless->TrayIcons().empty());
    EXPECT_TRUE(tray->RemoveIcon()) << "removing twice is harmless";
    EXPECT_TRUE(tray->ShowIcon()) << "a removed icon is added again";
    EXPECT_EQ(headless->TrayIcons().size(), 1u);
    EXPECT_TRUE(tray->MoveIconToEnd());
    EXPECT_EQ(headless->TrayIcons().size(), 1u);
    EXPECT_TRUE(tray->SetIconFocus());
}

TEST_F(SystemTrayTest, FailedAddIsRetriedWhenTheTaskbarComesBack)
{
    headless->SetTrayRefusesIcons(true);
    EXPECT_FALSE(CreateClientIcon());
    EXPECT_TRUE(tray->m_bRemoved);
    EXPECT_TRUE(tray->m_bHidden);
    EXPECT_TRUE(tray->m_bShowPending);
    EXPECT_TRUE(tray->SetIcon(IDI_TRAY_LOGIN)) << "stored for later without the shell";

    headless->SetTrayRefusesIcons(false);
    tray->SendMessage(::RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_FALSE(tray->m_bRemoved);
    EXPECT_FALSE(tray->m_bShowPending);
    EXPECT_TRUE(TrayShows(Icon(IDI_TRAY_LOGIN)));

    // A work-area change leaves a showing icon showing, once.
    tray->SendMessage(WM_SETTINGCHANGE, SPI_SETWORKAREA);
    EXPECT_FALSE(tray->m_bHidden);
    EXPECT_EQ(headless->TrayIcons().size(), 1u);

    // An icon its owner removed stays removed.
    tray->RemoveIcon();
    tray->SendMessage(::RegisterWindowMessageA("TaskbarCreated"));
    EXPECT_TRUE(headless->TrayIcons().empty());
}

TEST_F(SystemTrayTest, NoNotificationAreaMeansNoIcon)
{
    platform::HeadlessBackend::Options options;
    options.tray = false;
    Start(options);
    EXPECT_FALSE(CreateClientIcon());
    EXPECT_TRUE(tray->m_bShowPending);
    EXPECT_TRUE(tray->RemoveIcon());
}

TEST_F(SystemTrayTest, AnimationCyclesTheFramesAndPutsTheImageBack)
{
    ASSERT_TRUE(CreateClientIcon());
    ASSERT_TRUE(tray->SetIconList(IDI_TRAY_ANIM_FIRST, IDI_TRAY_ANIM_LAST));
    ASSERT_EQ(tray->m_iconList.GetSize(), 6);
    EXPECT_FALSE(tray->SetIconList(IDI_TRAY_ANIM_LAST, IDI_TRAY_ANIM_FIRST));
    EXPECT_EQ(tray->m_iconList.GetSize(), 6) << "a reversed range leaves the old list";

    const HICON saved = tray->GetIcon();
    ASSERT_TRUE(tray->Animate(250, 100));
    const int expected[] = {1, 2, 3, 4, 5, 0, 1};
    for (int index : expected) {
        headless->RunFor(250);
        EXPECT_EQ(tray->GetIcon(), tray->m_iconList[index]);
        EXPECT_TRUE(TrayShows(tray->m_iconList[index]));
    }
    // An image set meanwhile is overwritten by the next frame.
    tray->SetIcon(IDI_TRAY_LOGIN);
    headless->RunFor(250);
    EXPECT_EQ(tray->GetIcon(), tray->m_iconList[2]);

    // 100 whole seconds of the wall clock: still running; past them, over.
    headless->RunFor(100000 - 8 * 250);
    EXPECT_NE(tray->m_uTimerId, 0u);
    headless->RunFor(1000);
    EXPECT_EQ(tray->m_uTimerId, 0u);
    EXPECT_EQ(tray->GetIcon(), saved);
    EXPECT_TRUE(TrayShows(saved));
    EXPECT_FALSE(tray->StopAnimation()) << "nothing runs any more";
}

TEST_F(SystemTrayTest, AnimationWithoutDurationRunsUntilStopped)
{
    ASSERT_TRUE(CreateClientIcon());
    ASSERT_TRUE(tray->SetIconList(IDI_TRAY_ANIM_FIRST, IDI_TRAY_ANIM_LAST));
    const HICON saved = tray->GetIcon();
    ASSERT_TRUE(tray->Animate(250, 0));
    headless->RunFor(300000);
    EXPECT_NE(tray->m_uTimerId, 0u);
    EXPECT_TRUE(tray->StopAnimation());
    EXPECT_FALSE(tray->StopAnimation());
    EXPECT_EQ(tray->GetIcon(), saved);
    headless->RunFor(1000);
    EXPECT_EQ(tray->GetIcon(), saved) << "no tick after the stop";
}

TEST_F(SystemTrayTest, RightClickOpensTheMenuForTheTarget)
{
    ASSERT_TRUE(CreateClientIcon());
    ASSERT_TRUE(tray->SetIconList(IDI_TRAY_ANIM_FIRST, IDI_TRAY_ANIM_LAST));
    ASSERT_TRUE(tray->Animate(250, 100));
    ASSERT_TRUE(tray->SetMenuDefaultItem(0, TRUE));
    headless->QueueMenuChoice(ID_TRAY_EXIT);
    headless->ClickTrayIcon(OnlyIconId(), platform::MouseButton::Right);
    headless->Pump();

    const auto menus = headless->ShownMenus();
    ASSERT_EQ(menus.size(), 1u);
    ASSERT_EQ(menus[0].items.size(), 2u);
    EXPECT_EQ(menus[0].items[0].command, static_cast<UINT>(ID_TRAY_OPEN));
    EXPECT_TRUE(menus[0].items[0].isDefault);
    EXPECT_FALSE(menus[0].items[1].isDefault);
    EXPECT_EQ(menus[0].owner, UserGetNativeWindow(target->GetSafeHwnd()));
    EXPECT_EQ(target->commands, (std::vector<WPARAM>{ID_TRAY_EXIT}));
    EXPECT_EQ(tray->m_uTimerId, 0u) << "the menu stops the animation";
}

TEST_F(SystemTrayTest, DoubleClickShowsTheTargetAndSendsTheDefaultCommand)
{
    struct Case {
        const char* name;
        UINT item;
        BOOL byPosition;
        WPARAM command;
    } cases[] = {
        {"position 0", 0, TRUE, ID_TRAY_OPEN},
        {"a position without an item", 2, TRUE, 0xFFFFFFFF},
        {"a command", ID_TRAY_EXIT, FALSE, ID_TRAY_EXIT},
    };
    ASSERT_TRUE(CreateClientIcon());
    for (const Case& c : cases) {
        target->ShowWindow(SW_HIDE);
        target->commands.clear();
        tray->SetMenuDefaultItem(c.item, c.byPosition);
        headless->DoubleClickTrayIcon(OnlyIconId());
        headless->Pump();
        EXPECT_TRUE(target->IsWindowVisible()) << c.name;
        ASSERT_EQ(target->commands.size(), 1u) << c.name;
        EXPECT_EQ(LOWORD(target->commands[0]), LOWORD(c.command)) << c.name;
    }
}

TEST_F(SystemTrayTest, OtherCallbacksChangeNothing)
{
    ASSERT_TRUE(CreateClientIcon());
    target->ShowWindow(SW_HIDE);
    EXPECT_EQ(tray->SendMessage(kCallback, IDR_MENU_TRAY + 1, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(tray->SendMessage(kCallback, IDR_MENU_TRAY, WM_MOUSEMOVE), 1);
    EXPECT_EQ(tray->SendMessage(kCallback, IDR_MENU_TRAY, WM_LBUTTONUP), 1);
    EXPECT_FALSE(target->IsWindowVisible());
    EXPECT_TRUE(target->commands.empty());
    EXPECT_TRUE(headless->ShownMenus().empty());
}

TEST_F(SystemTrayTest, TrayRectangleFallsBackOnTheTaskbarOrTheWorkArea)
{
    RECT r{};
    CSystemTray::GetTrayRect(&r); // the headless desktop's 30-pixel bar at the bottom
    EXPECT_EQ(r.left, 924);
    EXPECT_EQ(r.top, 738);
    EXPECT_EQ(r.right, 1008);
    EXPECT_EQ(r.bottom, 768);

    platform::HeadlessBackend::Options options;
    options.workArea = options.screen;
    Start(options);
    CSystemTray::GetTrayRect(&r);
    EXPECT_EQ(r.left, 1024 - 150);
    EXPECT_EQ(r.top, 768 - 30);
    EXPECT_EQ(r.right, 1024);
    EXPECT_EQ(r.bottom, 768);
}

TEST_F(SystemTrayTest, WindowsMoveIntoAndOutOfTheTray)
{
    target->ShowWindow(SW_SHOW);
    CSystemTray::MinimizeToTray(target.get());
    EXPECT_FALSE(target->IsWindowVisible());
    CSystemTray::RestoreFromTray(target.get());
    EXPECT_TRUE(target->IsWindowVisible());
    EXPECT_EQ(::GetParent(target->GetSafeHwnd()), nullptr);
}

} // namespace
