// The notification area on Qt.  The X server of the tests runs no tray
// host, so the icon cannot be seen; the shell's calls must still succeed
// (the icon waits for a host) and the loop keep running.
#include "qt_test_support.h"

#include "platform/shell_tray.h"

#include <cstring>

namespace qttest {
namespace {

class QtTrayTest : public QtBackendTest {};

TEST_F(QtTrayTest, IconWaitsForAHostAndEveryCallSucceeds)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{10, 10, 60, 60}, state);
    ASSERT_NE(hwnd, nullptr);
    platform::TrayService* tray = qt->Tray(nullptr);
    ASSERT_NE(tray, nullptr);
    EXPECT_FALSE(tray->HostAvailable()) << "no tray host on the test server";

    NOTIFYICONDATAA nid{};
    nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    nid.hWnd = hwnd;
    nid.uID = 140;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP | NIF_INFO;
    nid.uCallbackMessage = WM_APP + 10;
    nid.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    std::strcpy(nid.szTip, "Quillpost");
    std::strcpy(nid.szInfo, "balloon");
    std::strcpy(nid.szInfoTitle, "title");
    nid.dwInfoFlags = NIIF_WARNING;
    nid.uTimeout = 20000;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_ADD, &nid));
    PumpTurns(5);

    nid.uFlags = NIF_ICON | NIF_TIP;
    nid.hIcon = LoadIconA(nullptr, IDI_WARNING);
    std::strcpy(nid.szTip, "changed");
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    nid.uFlags = NIF_STATE;
    nid.dwState = NIS_HIDDEN;
    nid.dwStateMask = NIS_HIDDEN;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    nid.dwState = 0;
    EXPECT_TRUE(Shell_NotifyIconA(NIM_MODIFY, &nid));
    PumpTurns(5);
    EXPECT_TRUE(Shell_NotifyIconA(NIM_DELETE, &nid));
    EXPECT_FALSE(Shell_NotifyIconA(NIM_DELETE, &nid));
    DestroyWindow(hwnd);
}

} // namespace
} // namespace qttest
