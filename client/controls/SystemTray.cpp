#include "SystemTray.h"

#include "TrayLogic.h"

#include <cmath>
#include <cstring>
#include <new>
#include <string>

namespace {

// Registered once, when the program starts.
const UINT g_taskbarCreated = ::RegisterWindowMessageA("TaskbarCreated");

BOOL ShellV5()
{
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    return ::GetVersionExA(&info) && info.dwPlatformId == VER_PLATFORM_WIN32_NT && info.dwMajorVersion >= 5;
}

// The frames come through the application object when there is one.
HICON LoadAppIcon(UINT id)
{
    if (CWinApp* app = AfxGetApp())
        return app->LoadIcon(id);
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

} // namespace

BEGIN_MESSAGE_MAP(CSystemTray, CWnd)
    ON_WM_TIMER()
    ON_WM_SETTINGCHANGE()
    ON_REGISTERED_MESSAGE(g_taskbarCreated, OnTaskbarCreated)
END_MESSAGE_MAP()

CSystemTray::CSystemTray()
{
    std::memset(&m_nid, 0, sizeof m_nid);
    m_bShellV5 = ShellV5();
}

CSystemTray::CSystemTray(CWnd* parent, UINT callbackMessage, LPCSTR tooltip, HICON icon, UINT id, BOOL hidden,
                         LPCSTR balloonText, LPCSTR balloonTitle, DWORD balloonIcon, UINT balloonTimeout)
    : CSystemTray()
{
    Create(parent, callbackMessage, tooltip, icon, id, hidden, balloonText, balloonTitle, balloonIcon,
           balloonTimeout);
}

CSystemTray::~CSystemTray()
{
    RemoveIcon();
    m_iconList.RemoveAll();
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CSystemTray::Create(CWnd* parent, UINT callbackMessage, LPCSTR tooltip, HICON icon, UINT id, BOOL hidden,
                         LPCSTR balloonText, LPCSTR balloonTitle, DWORD balloonIcon, UINT balloonTimeout)
{
    m_bEnabled = (::GetVersion() & 0xFF) >= 4;
    if (!m_bEnabled)
        return FALSE;

    if (!GetSafeHwnd() &&
        !CreateEx(0, AfxRegisterWndClass(0), "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr))
        return FALSE;

    const bool balloon = m_bShellV5 && balloonText != nullptr;
    m_nid.cbSize = NOTIFYICONDATAA_V2_SIZE;
    m_nid.hWnd = parent && parent->GetSafeHwnd() ? parent->GetSafeHwnd() : GetSafeHwnd();
    m_nid.uID = id;
    m_nid.hIcon = icon;
    m_nid.uFlags = tray::CreationFlags(m_bShellV5, balloon);
    m_nid.uCallbackMessage = callbackMessage;
    tray::CopyBounded(m_nid.szTip, tooltip);
    if (balloon) {
        tray::CopyBounded(m_nid.szInfo, balloonText);
        tray::CopyBounded(m_nid.szInfoTitle, balloonTitle);
        m_nid.uTimeout = balloonTimeout * 1000;
        m_nid.dwInfoFlags = balloonIcon;
    }
    m_bHidden = hidden;
    m_uCreationFlags = m_nid.uFlags;

    BOOL result = TRUE;
    if (!hidden || m_bShellV5) {
        // A hidden icon is added hidden by its state, so that ShowIcon only
        // has to change the state.
        if (hidden) {
            m_nid.uFlags |= NIF_STATE;
            m_nid.dwState = NIS_HIDDEN;
            m_nid.dwStateMask = NIS_HIDDEN;
        }
        result = ::Shell_NotifyIconA(NIM_ADD, &m_nid);
        m_bRemoved = !result;
        m_bShowPending = !result;
        m_bHidden = !result || hidden;
        m_nid.uFlags = m_uCreationFlags;
    }
    if (balloon)
        m_nid.szInfo[0] = '\0';
    return result;
}

// ---- Presence ----

BOOL CSystemTray::AddIcon()
{
    if (!m_bRemoved)
        RemoveIcon();
    if (m_bEnabled) {
        m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        if (::Shell_NotifyIconA(NIM_ADD, &m_nid))
            m_bHidden = m_bRemoved = FALSE;
        else
            m_bShowPending = TRUE;
    }
    return !m_bRemoved;
}

BOOL CSystemTray::RemoveIcon()
{
    m_bShowPending = FALSE;
    if (!m_bEnabled || m_bRemoved)
        return TRUE;
    m_nid.uFlags = 0;
    if (::Shell_NotifyIconA(NIM_DELETE, &m_nid))
        m_bHidden = m_bRemoved = TRUE;
    return m_bRemoved;
}

BOOL CSystemTray::HideIcon()
{
    if (!m_bEnabled || m_bRemoved || m_bHidden)
        return TRUE;
    if (m_bShellV5) {
        m_nid.uFlags = NIF_STATE;
        m_nid.dwState = NIS_HIDDEN;
        m_nid.dwStateMask = NIS_HIDDEN;
        m_bHidden = ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    } else {
        RemoveIcon();
    }
    return m_bHidden;
}

BOOL CSystemTray::ShowIcon()
{
    if (m_bRemoved)
        return AddIcon();
    if (!m_bHidden)
        return TRUE;
    if (m_bShellV5) {
        // The image, tooltip and callback changed while hidden were only
        // stored; they go along, or the icon would come back stale.
        m_nid.uFlags = NIF_STATE | NIF_MESSAGE | NIF_ICON | NIF_TIP;
        m_nid.dwState = 0;
        m_nid.dwStateMask = NIS_HIDDEN;
        if (::Shell_NotifyIconA(NIM_MODIFY, &m_nid))
            m_bHidden = FALSE;
    } else {
        AddIcon();
    }
    return !m_bHidden;
}

BOOL CSystemTray::MoveIconToEnd()
{
    RemoveIcon();
    return AddIcon();
}

BOOL CSystemTray::SetIconFocus()
{
    if (!m_bEnabled)
        return FALSE;
    return ::Shell_NotifyIconA(NIM_SETFOCUS, &m_nid);
}

void CSystemTray::ReinstallIcon()
{
    // An icon the owner hid or removed stays so; a showing icon, and one
    // whose add failed, go back in.  The shell may still have a showing
    // icon (a change of the work area does not lose it): then the add is
    // refused and the record is only refreshed.
    const bool showing = !m_bRemoved && !m_bHidden;
    if (!m_bEnabled || !(showing || m_bShowPending))
        return;
    m_nid.uFlags = m_uCreationFlags & ~NIF_INFO;
    BOOL shown = ::Shell_NotifyIconA(NIM_ADD, &m_nid);
    if (!shown && showing)
        shown = ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    m_bHidden = m_bRemoved = !shown;
    m_bShowPending = !shown;
}

// ---- The image and the texts ----

// A hidden icon keeps what it is told for when it is shown again; a
// showing one has the shell update it at once.
BOOL CSystemTray::ModifyUnlessHidden()
{
    if (m_bHidden)
        return TRUE;
    return ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
}

BOOL CSystemTray::SetIcon(HICON icon)
{
    if (!m_bEnabled)
        return FALSE;
    m_nid.uFlags = NIF_ICON;
    m_nid.hIcon = icon;
    return ModifyUnlessHidden();
}

BOOL CSystemTray::SetIcon(LPCSTR resourceName)
{
    // The resource's own size, shared: never destroyed by us.
    HANDLE image = ::LoadImageA(AfxGetResourceHandle(), resourceName, IMAGE_ICON, 0, 0, LR_SHARED);
    return SetIcon(static_cast<HICON>(image));
}

BOOL CSystemTray::SetIcon(UINT resourceId) { return SetIcon(MAKEINTRESOURCEA(resourceId)); }

BOOL CSystemTray::SetStandardIcon(LPCSTR iconName) { return SetIcon(::LoadIconA(nullptr, iconName)); }

BOOL CSystemTray::SetStandardIcon(UINT iconId) { return SetStandardIcon(MAKEINTRESOURCEA(iconId)); }

HICON CSystemTray::GetIcon() const { return m_bEnabled ? m_nid.hIcon : nullptr; }

BOOL CSystemTray::SetTooltipText(LPCSTR text)
{
    if (!m_bEnabled)
        return FALSE;
    m_nid.uFlags = NIF_TIP;
    tray::CopyBounded(m_nid.szTip, text);
    return ModifyUnlessHidden();
}

BOOL CSystemTray::SetTooltipText(UINT stringId)
{
    CString text;
    text.LoadString(stringId);
    return SetTooltipText(static_cast<LPCSTR>(text));
}

CString CSystemTray::GetTooltipText() const
{
    if (!m_bEnabled)
        return CString();
    return CString(std::string(m_nid.szTip, strnlen(m_nid.szTip, sizeof m_nid.szTip)).c_str());
}

BOOL CSystemTray::ShowBalloon(LPCSTR text, LPCSTR title, DWORD icon, UINT timeoutSeconds)
{
    if (!m_bShellV5)
        return FALSE;
    m_nid.uFlags = NIF_INFO;
    tray::CopyBounded(m_nid.szInfo, text);
    tray::CopyBounded(m_nid.szInfoTitle, title);
    m_nid.dwInfoFlags = icon;
    m_nid.uTimeout = timeoutSeconds * 1000;
    const BOOL result = ::Shell_NotifyIconA(NIM_MODIFY, &m_nid);
    m_nid.szInfo[0] = '\0';
    return result;
}

// ---- Animation ----

BOOL CSystemTray::SetIconList(UINT firstId, UINT lastId)
{
    if (firstId > lastId)
        return FALSE;
    m_iconList.RemoveAll();
    // The standard library reports exhausted memory with an exception; the
    // list is then left empty, as a failed load must leave it.
    try {
        for (UINT id = firstId;; ++id) {
            m_iconList.Add(LoadAppIcon(id));
            if (id == lastId)
                break;
        }
    } catch (const std::bad_alloc&) {
        m_iconList.RemoveAll();
        AfxMessageBox("메모리가 부족합니다.", MB_OK | MB_ICONSTOP);
        return FALSE;
    }
    return TRUE;
}

BOOL CSystemTray::Animate(UINT delayMs, int seconds)
{
    StopAnimation();
    m_nCurrentIcon = 0;
    m_timeAnimStart = COleDateTime::GetCurrentTime();
    m_nAnimSeconds = seconds;
    m_hSavedIcon = GetIcon();
    m_uTimerId = GetSafeHwnd() ? SetTimer(kAnimationTimerId, delayMs) : 0;
    return m_uTimerId != 0;
}

BOOL CSystemTray::StepAnimation()
{
    const int next = tray::NextFrame(m_nCurrentIcon, m_iconList.GetSize());
    if (next < 0)
        return FALSE;
    m_nCurrentIcon = next;
    return SetIcon(m_iconList[m_nCurrentIcon]);
}

BOOL CSystemTray::StopAnimation()
{
    BOOL result = FALSE;
    if (m_uTimerId != 0)
        result = KillTimer(m_uTimerId);
    m_uTimerId = 0;
    if (m_hSavedIcon)
        SetIcon(m_hSavedIcon);
    m_hSavedIcon = nullptr;
    return result;
}

void CSystemTray::OnTimer(UINT_PTR id)
{
    if (id != m_uTimerId || m_uTimerId == 0)
        return;
    const double seconds = (COleDateTime::GetCurrentTime() - m_timeAnimStart).GetTotalSeconds();
    if (tray::AnimationOver(m_nAnimSeconds, std::llround(seconds)))
        StopAnimation();
    else
        StepAnimation();
}

// ---- Windows and messages ----

BOOL CSystemTray::SetNotificationWnd(CWnd* window)
{
    if (!m_bEnabled || window == nullptr || !::IsWindow(window->GetSafeHwnd()))
        return FALSE;
    m_nid.hWnd = window->GetSafeHwnd();
    m_nid.uFlags = 0;
    return ModifyUnlessHidden();
}

CWnd* CSystemTray::GetNotificationWnd() const { return CWnd::FromHandle(m_nid.hWnd); }

BOOL CSystemTray::SetTargetWnd(CWnd* window)
{
    m_pTargetWnd = window;
    return TRUE;
}

CWnd* CSystemTray::GetTargetWnd() const { return m_pTargetWnd ? m_pTargetWnd : AfxGetMainWnd(); }

BOOL CSystemTray::SetCallbackMessage(UINT message)
{
    if (!m_bEnabled)
        return FALSE;
    m_nid.uFlags = NIF_MESSAGE;
    m_nid.uCallbackMessage = message;
    return ModifyUnlessHidden();
}

UINT CSystemTray::GetCallbackMessage() const { return m_nid.uCallbackMessage; }

BOOL CSystemTray::SetMenuDefaultItem(UINT item, BOOL byPosition)
{
    if (m_uDefaultItem == item && m_bDefaultByPos == byPosition)
        return TRUE;
    m_uDefaultItem = item;
    m_bDefaultByPos = byPosition;
    CMenu menu;
    if (!menu.LoadMenu(m_nid.uID))
        return FALSE;
    CMenu* sub = menu.GetSubMenu(0);
    if (sub == nullptr) {
        menu.DestroyMenu();
        return FALSE;
    }
    ::SetMenuDefaultItem(sub->GetSafeHmenu(), m_uDefaultItem, m_bDefaultByPos);
    menu.DestroyMenu();
    return TRUE;
}

void CSystemTray::GetMenuDefaultItem(UINT& item, BOOL& byPosition) const
{
    item = m_uDefaultItem;
    byPosition = m_bDefaultByPos;
}

LRESULT CSystemTray::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == m_nid.uCallbackMessage && m_nid.uCallbackMessage != 0)
        return OnTrayNotify(wParam, lParam);
    return CWnd::WindowProc(message, wParam, lParam);
}

LRESULT CSystemTray::OnTrayNotify(WPARAM wParam, LPARAM lParam)
{
    if (static_cast<UINT>(wParam) != m_nid.uID)
        return 0;
    CWnd* target = GetTargetWnd();
    if (target == nullptr || !::IsWindow(target->GetSafeHwnd()))
        return 0;

    const UINT mouse = LOWORD(lParam);
    if (mouse == WM_RBUTTONUP) {
        CMenu menu;
        if (!menu.LoadMenu(m_nid.uID))
            return 0;
        CMenu* sub = menu.GetSubMenu(0);
        if (sub == nullptr) {
            menu.DestroyMenu();
            return 0;
        }
        ::SetMenuDefaultItem(sub->GetSafeHmenu(), m_uDefaultItem, m_bDefaultByPos);
        POINT pos{};
        ::GetCursorPos(&pos);
        target->SetForegroundWindow();
        StopAnimation();
        sub->TrackPopupMenu(TPM_LEFTALIGN | TPM_TOPALIGN | TPM_LEFTBUTTON, pos.x, pos.y, target);
        // Lets the menu's owner take the next message normally.
        target->PostMessage(WM_NULL);
        menu.DestroyMenu();
    } else if (mouse == WM_LBUTTONDBLCLK) {
        target->ShowWindow(SW_SHOWNORMAL);
        target->SetForegroundWindow();
        StopAnimation();
        UINT idAtPosition = static_cast<UINT>(-1);
        if (m_bDefaultByPos) {
            CMenu menu;
            if (!menu.LoadMenu(m_nid.uID))
                return 0;
            CMenu* sub = menu.GetSubMenu(0);
            if (sub == nullptr) {
                menu.DestroyMenu();
                return 0;
            }
            idAtPosition = sub->GetMenuItemID(static_cast<int>(m_uDefaultItem));
            menu.DestroyMenu();
        }
        const UINT command = tray::DefaultCommand(m_bDefaultByPos, m_uDefaultItem, idAtPosition);
        target->SendMessage(WM_COMMAND, command, 0);
    }
    return 1;
}

void CSystemTray::OnSettingChange(UINT flags, LPCSTR section)
{
    Default();
    (void)section;
    if (flags == SPI_SETWORKAREA)
        ReinstallIcon();
}

LRESULT CSystemTray::OnTaskbarCreated(WPARAM, LPARAM)
{
    ReinstallIcon();
    return 0;
}
