// CSystemTray's class-wide calls: where the notification area is, and
// moving a window into it and back out.
#include "SystemTray.h"

#include "TrayLogic.h"

#include <cstring>

// Exists for the whole run; its window, made on first use, owns the
// windows moved to the tray, so they have no task-bar button.
CWnd CSystemTray::s_wndHiddenOwner;

BOOL CSystemTray::FindTrayNotifyWnd(HWND hwnd, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    char name[256] = {};
    ::GetClassNameA(hwnd, name, 255);
    if (std::strcmp(name, "TrayNotifyWnd") == 0) {
        ::GetWindowRect(hwnd, rect);
        return TRUE;
    }
    if (std::strcmp(name, "TrayClockWClass") == 0) {
        RECT clock{};
        ::GetWindowRect(hwnd, &clock);
        *rect = tray::CutAtClock(*rect, clock);
        return FALSE;
    }
    return TRUE;
}

void CSystemTray::GetTrayRect(RECT* rect)
{
    if (HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr)) {
        ::GetWindowRect(taskbar, rect);
        ::EnumChildWindows(taskbar, FindTrayNotifyWnd, reinterpret_cast<LPARAM>(rect));
        return;
    }
    APPBARDATA bar{};
    bar.cbSize = sizeof bar;
    if (::SHAppBarMessage(ABM_GETTASKBARPOS, &bar)) {
        *rect = tray::TrayFromTaskbar(bar.rc, bar.uEdge);
        return;
    }
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    *rect = tray::TrayFromWorkArea(work);
}

BOOL CSystemTray::IsWindowAnimationOn()
{
    ANIMATIONINFO info{};
    info.cbSize = sizeof info;
    ::SystemParametersInfoA(SPI_GETANIMATION, sizeof info, &info, 0);
    return info.iMinAnimate != 0;
}

BOOL CSystemTray::HideTaskbarButton(CWnd* window)
{
    if (!s_wndHiddenOwner.GetSafeHwnd() &&
        !s_wndHiddenOwner.CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr))
        return FALSE;
    window->SetParent(&s_wndHiddenOwner);
    return TRUE;
}

// Our desktop draws no caption animation between a window and the
// notification area (SPI_GETANIMATION reports it off), so moving a window
// there is only the change of owner and visibility.
void CSystemTray::MinimizeToTray(CWnd* window)
{
    HideTaskbarButton(window);
    window->ModifyStyle(WS_VISIBLE, 0);
}

void CSystemTray::RestoreFromTray(CWnd* window)
{
    window->SetParent(nullptr);
    window->ModifyStyle(0, WS_VISIBLE);
    window->RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (s_wndHiddenOwner.GetSafeHwnd())
        s_wndHiddenOwner.SetActiveWindow();
    window->SetActiveWindow();
    window->SetForegroundWindow();
}
