// The client's main window: a borderless dialog cut out of its frame skin,
// painted with the frame and the title bitmap, moved by dragging its
// surface.  Escape and its small buttons hide or minimise it; only a close
// request ends it, and with it the program.
#pragma once

#include "TaskbarNotifier.h"
#include "SystemTray.h"
#include "TextDraw.h"
#include "xSkinButton.h"
#include "platform/afx.h"
#include "pixkit.h"
#include "res/resource.h"

#include <memory>

class CAlertDialog;

// WM_NOTIFIER_CLICKED, posted by the pop-up notifier when it is clicked,
// comes with TaskbarNotifier.h.
// Sent by the news server connection.
inline constexpr UINT WM_SOCKET_RECEIVE = 1027;
inline constexpr UINT WM_SOCKET_CLOSE = 1028;
// The tray icon's callback message.
inline constexpr UINT WM_TRAY_NOTIFY = WM_APP + 10;

// Timers of the news server link.
inline constexpr UINT_PTR TIMER_LOGIN_WATCH = 100;
inline constexpr UINT_PTR TIMER_POLL = 200;

// The colour cut away from the frame skin: pure green.
inline constexpr COLORREF kFrameKeyColor = 0x00FF00;

class CQuillpostDlg : public CDialog {
public:
    enum { IDD = IDD_QUILLPOST_DIALOG };

    explicit CQuillpostDlg(CWnd* parent = nullptr);
    ~CQuillpostDlg() override;

    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // Enter never closes the window.
    void OnOK() override;

    // Clears the news alert, stopping the tray icon's animation.
    void StopNewsAlert();

    // The settings read from "sys.con".
    int m_nPort = 0;
    CString m_strTitleBmp;
    CString m_strHost;

    // The pop-up that announces new news.
    CTaskbarNotifier m_notifier;

    BOOL m_bNewsAlert = FALSE;
    CSystemTray m_TrayIcon;
    BOOL m_bLoggedIn = FALSE;
    BOOL m_bFirstRequest = FALSE;

    BOOL m_bDragging = FALSE;
    CPoint m_ptPress;

    CDIB m_dibFrame;
    CDIB m_dibTitle;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void LoadSettings();

    // Message handlers
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnBtnMinimize();
    void OnBtnClose();
    void OnBtnFile();
    void OnBtnSearch();
    void OnBtnNewsList();
    void OnBtnFunctions();
    void OnBtnHelp();
    void OnBtnTicker();
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnTimer(UINT_PTR id);
    void OnClose();
    void OnFileLogin();
    void OnFileLogout();
    void OnTrayExit();
    void OnTrayOpen();
    void OnFileClose();
    void OnTickerColor();
    void OnTickerSpeed();
    void OnTickerFont();
    LRESULT OnNotifierClicked(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

    // The login-error dialog, made on first use.
    std::unique_ptr<CAlertDialog> m_pAlertDlg;

    // Controls of the template.  The two browser panes are bound as plain
    // windows until their own class (CWebBrowser2) exists.
    CStatic m_stcTickerFrame;
    CxSkinButton m_btnTicker;
    CTextDraw m_ticker;
    CxSkinButton m_btnHelp;
    CxSkinButton m_btnSearch;
    CxSkinButton m_btnFunctions;
    CxSkinButton m_btnMinimize;
    CxSkinButton m_btnNewsList;
    CxSkinButton m_btnFile;
    CxSkinButton m_btnClose;
    CWnd m_browserMain;
    CWnd m_browserBanner;

    // Icon resource 154, the logged-in tray icon, shown by the desktop for
    // the window; shared, so never destroyed.
    HICON m_hIcon = nullptr;
};
