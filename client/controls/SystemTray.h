// The program's icon in the notification area: its image, tooltip and
// balloon, an animation over a list of images on a timer, the context menu
// on a right-button release and the default command on a double click,
// both for a target window, and the icon put back when the desktop's
// task bar is re-created.  The class-wide calls move any window into and
// out of the notification area.
#pragma once

#include "platform/afx.h"
#include "platform/shell_tray.h"

class CSystemTray : public CWnd {
public:
    CSystemTray();
    CSystemTray(CWnd* parent, UINT callbackMessage, LPCSTR tooltip, HICON icon, UINT id, BOOL hidden = FALSE,
                LPCSTR balloonText = nullptr, LPCSTR balloonTitle = nullptr, DWORD balloonIcon = NIIF_NONE,
                UINT balloonTimeout = 10);
    ~CSystemTray() override;
    CSystemTray(const CSystemTray&) = delete;
    CSystemTray& operator=(const CSystemTray&) = delete;

    static constexpr UINT_PTR kAnimationTimerId = 4567;
    static constexpr std::size_t kTooltipLimit = 128; // with the terminator

    BOOL Create(CWnd* parent, UINT callbackMessage, LPCSTR tooltip, HICON icon, UINT id, BOOL hidden = FALSE,
                LPCSTR balloonText = nullptr, LPCSTR balloonTitle = nullptr, DWORD balloonIcon = NIIF_NONE,
                UINT balloonTimeout = 10);

    // Presence of the icon.
    BOOL AddIcon();
    BOOL RemoveIcon();
    BOOL HideIcon();
    BOOL ShowIcon();
    BOOL MoveIconToEnd();
    BOOL SetIconFocus();

    // The image.
    BOOL SetIcon(HICON icon);
    BOOL SetIcon(LPCSTR resourceName);
    BOOL SetIcon(UINT resourceId);
    BOOL SetStandardIcon(LPCSTR iconName);
    BOOL SetStandardIcon(UINT iconId);
    HICON GetIcon() const;

    // Texts.
    BOOL SetTooltipText(LPCSTR text);
    BOOL SetTooltipText(UINT stringId);
    CString GetTooltipText() const;
    BOOL ShowBalloon(LPCSTR text, LPCSTR title = nullptr, DWORD icon = NIIF_NONE, UINT timeoutSeconds = 10);

    // Animation.
    BOOL SetIconList(UINT firstId, UINT lastId);
    BOOL Animate(UINT delayMs, int seconds = -1);
    BOOL StepAnimation();
    BOOL StopAnimation();

    // Windows and messages.
    BOOL SetNotificationWnd(CWnd* window);
    CWnd* GetNotificationWnd() const;
    BOOL SetTargetWnd(CWnd* window);
    CWnd* GetTargetWnd() const;
    BOOL SetCallbackMessage(UINT message);
    UINT GetCallbackMessage() const;

    // The menu's default item, a command id or (byPosition) a position.
    BOOL SetMenuDefaultItem(UINT item, BOOL byPosition);
    void GetMenuDefaultItem(UINT& item, BOOL& byPosition) const;

    // Class-wide: animate a window into or out of the notification area.
    static void MinimizeToTray(CWnd* window);
    static void RestoreFromTray(CWnd* window);
    static void GetTrayRect(RECT* rect);

    // The mouse on the icon: wParam the icon id, lParam the mouse message.
    virtual LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);

    NOTIFYICONDATAA m_nid;
    BOOL m_bEnabled = FALSE;
    BOOL m_bHidden = TRUE;
    BOOL m_bRemoved = TRUE;
    BOOL m_bShowPending = FALSE;
    BOOL m_bShellV5 = FALSE;
    CWnd* m_pTargetWnd = nullptr;
    CArray<HICON, HICON> m_iconList;
    UINT_PTR m_uTimerId = 0;
    int m_nCurrentIcon = 0;
    COleDateTime m_timeAnimStart;
    int m_nAnimSeconds = 0;
    HICON m_hSavedIcon = nullptr;
    UINT m_uDefaultItem = 0;
    BOOL m_bDefaultByPos = TRUE;
    UINT m_uCreationFlags = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnTimer(UINT_PTR id);
    void OnSettingChange(UINT flags, LPCSTR section);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

    void ReinstallIcon();
    static BOOL IsWindowAnimationOn();
    static BOOL HideTaskbarButton(CWnd* window);

private:
    // NIM_MODIFY with m_nid as it stands, unless the icon is hidden.
    BOOL ModifyUnlessHidden();
    static BOOL FindTrayNotifyWnd(HWND hwnd, LPARAM lParam);
    static CWnd s_wndHiddenOwner;
};
