// The client's main window: a borderless dialog cut out of its frame skin,
// painted with the frame and the title bitmap, moved by dragging its
// surface.  Escape and its small buttons hide or minimise it; only a close
// request ends it, and with it the program.
#pragma once

#include "SystemTray.h"
#include "TextDraw.h"
#include "platform/afx.h"
#include "pixkit.h"
#include "res/resource.h"

#include <memory>

class CAlertDialog;

// Sent by the pop-up notifier when it is clicked.
inline constexpr UINT WM_NOTIFIER_CLICKED = 1147;
// Sent by the news server connection.
inline constexpr UINT WM_SOCKET_RECEIVE = 1027;
inline constexpr UINT WM_SOCKET_CLOSE = 1028;
// The tray icon's callback message.
inline constexpr UINT WM_TRAY_NOTIFY = WM_APP + 10;

// Timers of the news server link.
inline constexpr UINT_PTR TIMER_LOGIN_WATCH = 100;
inline constexpr UINT_PTR TIMER_REQUEST = 200;

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

    // Controls of the template.  The skin buttons and the two browser panes
    // are bound as plain windows until their own classes (CxSkinButton,
    // CWebBrowser2) exist.
    CStatic m_stcTickerFrame;
    CButton m_btnTicker;
    CTextDraw m_ticker;
    CButton m_btnHelp;
    CButton m_btnSearch;
    CButton m_btnFunctions;
    CButton m_btnMinimize;
    CButton m_btnNewsList;
    CButton m_btnFile;
    CButton m_btnClose;
    CWnd m_browserMain;
    CWnd m_browserBanner;

    // Icon resource 154, the logged-in tray icon, shown by the desktop for
    // the window; shared, so never destroyed.
    HICON m_hIcon = nullptr;
};
