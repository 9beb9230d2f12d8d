// The notification area on the headless backend: icons added, changed,
// hidden and removed through Shell_NotifyIconA, the mouse coming back as
// the callback message, the version the platform reports and the task
// bar's place.
#include "platform/headless_backend.h"
#include "platform/shell_tray.h"
#include "platform/user.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

constexpr UINT kCallback = WM_APP + 10;

struct Seen {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Seen> g_seen;

LRESULT CALLBACK_Record(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kCallback)
        g_seen.push_back({message, wParam, lParam});
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

class ShellTray : public ::testing::Test {
protected:
    void SetUp() override { Start(platform::HeadlessBackend::Options{}); }

    void Start(const platform::HeadlessBackend::Options& options)
    {
        auto backend = std::make_unique<platform::HeadlessBackend>(options);
        headless = backend.get();
        UserSetBackend(std::move(backend));
        WNDCLASSA cls{};
        cls.lpfnWndProc = CALLBACK_Record;
        cls.lpszClassName = "ShellTrayTest";
        RegisterClassA(&cls);
        hwnd = CreateWindowExA(0, "ShellTrayTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(hwnd, nullptr);
        g_seen.clear();
    }

    void TearDown() override { UserSetBackend(std::make_unique<platform::HeadlessBackend>()); }

    NOTIFYICONDATAA Record(UINT id, UINT flags, const char* tip = "tip")
    {
        NOTIFYICONDATAA nid{};
        nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
        nid.hWnd = hwnd;
        nid.uID = id;
        nid.uFlags = flags;
        nid.uCallbackMessage = kCallback;
        nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
        std::strncpy(nid.szTip, tip, sizeof nid.szTip - 1);
        return nid;
    }

    unsigned OnlyIconId()
    {
        const auto icons = headless->TrayIcons();
        EXPECT_EQ(icons.size(), 1u);
        return icons.empty() ? 0 : icons.front().id;
    }

    platform::HeadlessBackend* headless = nullptr;
    HWND hwnd = nullptr;
};

TEST_F(ShellTray, AddModifyDelete)
{
    NOTIFYICONDATAA nid = Record(7, NIF_MESSAGE | NIF_ICON | NIF_TIP, "Quillpost");
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &nid)) << "the same window and id twice";
    auto icons = headless->TrayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].tooltip, "Quillpost");
    EXPECT_GT(icons[0].image.width, 0) << "the icon's pixels reach the tray";

    nid.uFlags = NIF_TIP;
    std::strcpy(nid.szTip, "changed");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    EXPECT_EQ(headless->TrayIcons().at(0).tooltip, "changed");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_SETFOCUS, &nid));

    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &nid));
    EXPECT_TRUE(headless->TrayIcons().empty());
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &nid));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_SETFOCUS, &nid));
}

TEST_F(ShellTray, RefusesBadRecords)
{
    NOTIFYICONDATAA nid = Record(1, NIF_ICON);
    nid.cbSize = 488; // the 32-bit size means another layout here
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &nid));
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, nullptr));
    EXPECT_FALSE(Shell_NotifyIconA(9, &nid));
    nid.hWnd = reinterpret_cast<HWND>(0x7fff);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &nid)) << "no such window";
    EXPECT_TRUE(headless->TrayIcons().empty());
}

TEST_F(ShellTray, UnterminatedTooltipIsReadWithinItsField)
{
    NOTIFYICONDATAA nid = Record(1, NIF_TIP);
    std::memset(nid.szTip, 'a', sizeof nid.szTip);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    EXPECT_EQ(headless->TrayIcons().at(0).tooltip, std::string(128, 'a'));
}

TEST_F(ShellTray, HiddenByStateAndShownAgain)
{
    NOTIFYICONDATAA nid = Record(3, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_STATE);
    nid.dwState = NIS_HIDDEN;
    nid.dwStateMask = NIS_HIDDEN;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    EXPECT_TRUE(headless->TrayIcons().empty()) << "added hidden";

    nid.uFlags = NIF_TIP;
    std::strcpy(nid.szTip, "while hidden");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    nid.uFlags = NIF_STATE;
    nid.dwState = 0;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    ASSERT_EQ(headless->TrayIcons().size(), 1u);
    EXPECT_EQ(headless->TrayIcons()[0].tooltip, "while hidden");

    nid.dwState = NIS_HIDDEN;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    EXPECT_TRUE(headless->TrayIcons().empty());
}

TEST_F(ShellTray, BalloonShowsWithItsTitleKindAndTime)
{
    NOTIFYICONDATAA nid = Record(3, NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO);
    std::strcpy(nid.szInfo, "text");
    std::strcpy(nid.szInfoTitle, "title");
    nid.dwInfoFlags = NIIF_WARNING;
    nid.uTimeout = 20000;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    nid.uFlags = NIF_INFO;
    nid.szInfo[0] = '\0';
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid)) << "an empty text shows nothing";
    const auto balloons = headless->TrayBalloons();
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0].text, "text");
    EXPECT_EQ(balloons[0].title, "title");
    EXPECT_EQ(balloons[0].iconKind, 2);
    EXPECT_EQ(balloons[0].timeoutMs, 20000u);
}

TEST_F(ShellTray, MouseComesBackAsTheCallbackMessage)
{
    NOTIFYICONDATAA nid = Record(140, NIF_MESSAGE | NIF_ICON);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    headless->ClickTrayIcon(OnlyIconId(), platform::MouseButton::Right);
    headless->DoubleClickTrayIcon(OnlyIconId());
    headless->Pump();
    std::vector<LPARAM> mouse;
    for (const Seen& s : g_seen) {
        EXPECT_EQ(s.wParam, 140u);
        mouse.push_back(s.lParam);
    }
    EXPECT_EQ(mouse, (std::vector<LPARAM>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                          WM_LBUTTONDBLCLK, WM_LBUTTONUP}));
}

TEST_F(ShellTray, IconWithoutHostIsKeptAndDesktopWithoutTrayRefuses)
{
    headless->SetTrayHostAvailable(false);
    NOTIFYICONDATAA nid = Record(1, NIF_ICON | NIF_TIP);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid)) << "kept until a host appears";
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &nid));

    headless->SetTrayRefusesIcons(true);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &nid));
    headless->SetTrayRefusesIcons(false);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid)) << "a refused add leaves nothing behind";

    platform::HeadlessBackend::Options none;
    none.tray = false;
    Start(none);
    nid.hWnd = hwnd;
    EXPECT_FALSE(Shell_NotifyIconA(NIM_ADD, &nid));
}

TEST_F(ShellTray, DestroyedWindowTakesItsIcon)
{
    NOTIFYICONDATAA nid = Record(1, NIF_ICON);
    ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    DestroyWindow(hwnd);
    NOTIFYICONDATAA probe = Record(2, NIF_ICON);
    EXPECT_FALSE(Shell_NotifyIconA(NIM_MODIFY, &probe));
    EXPECT_TRUE(headless->TrayIcons().empty());
}

TEST(ShellVersion, AnswersAsVersionFiveOnNt)
{
    const DWORD version = GetVersion();
    EXPECT_EQ(version & 0xFF, 5u);
    EXPECT_EQ((version >> 8) & 0xFF, 1u);
    EXPECT_EQ(version & 0x80000000u, 0u) << "an NT system";
    OSVERSIONINFOA info{};
    EXPECT_FALSE(GetVersionExA(&info)) << "the size must be set";
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);
    EXPECT_EQ(info.dwMajorVersion, 5u);
}

TEST(ShellAppBar, TaskbarIsWhatTheWorkAreaLeaves)
{
    struct Case {
        RECT work;
        UINT_PTR answered;
        UINT edge;
        RECT bar;
    } cases[] = {
        {{0, 0, 1024, 738}, 1, ABE_BOTTOM, {0, 738, 1024, 768}},
        {{0, 24, 1024, 768}, 1, ABE_TOP, {0, 0, 1024, 24}},
        {{48, 0, 1024, 768}, 1, ABE_LEFT, {0, 0, 48, 768}},
        {{0, 0, 1000, 768}, 1, ABE_RIGHT, {1000, 0, 1024, 768}},
        {{0, 0, 1024, 768}, 0, 0, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        platform::HeadlessBackend::Options options;
        options.workArea = c.work;
        UserSetBackend(std::make_unique<platform::HeadlessBackend>(options));
        APPBARDATA data{};
        data.cbSize = sizeof data;
        EXPECT_EQ(SHAppBarMessage(ABM_GETTASKBARPOS, &data), c.answered);
        if (c.answered) {
            EXPECT_EQ(data.uEdge, c.edge);
            EXPECT_EQ(data.rc.left, c.bar.left);
            EXPECT_EQ(data.rc.top, c.bar.top);
            EXPECT_EQ(data.rc.right, c.bar.right);
            EXPECT_EQ(data.rc.bottom, c.bar.bottom);
        }
    }
    UserSetBackend(std::make_unique<platform::HeadlessBackend>());
    EXPECT_EQ(FindWindowA("Shell_TrayWnd", nullptr), nullptr) << "no task bar window here";
}

} // namespace
