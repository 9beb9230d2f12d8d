#include "QuillpostDlg.h"

#include "AlertDialog.h"
#include "FrameRegion.h"
#include "Settings.h"
#include "res/skin_layout.h"

#include <cstddef>
#include <iterator>

namespace {

constexpr const char* kFrameFile = "Frame.bmp";
constexpr UINT kLoginWatchPeriodMs = 1000;

// The ticker until the user logs in.
constexpr const char* kTickerPlaceholder = "로그인을 하십시요...";
constexpr COLORREF kTickerBackColor = 0x00FFFFFF;
constexpr COLORREF kTickerTextColor = 0x00404080;

// The pop-up notifier: magenta is cut out of its skin; its text is white,
// and dark red, bold and underlined under the pointer.
constexpr short kNotifierKeyRed = 255;
constexpr short kNotifierKeyGreen = 0;
constexpr short kNotifierKeyBlue = 255;
constexpr const char* kNotifierFace = "Arial Black";
constexpr int kNotifierPointSize = 90; // tenths of a point
constexpr int kNotifierNormalStyle = 0;
constexpr int kNotifierHoverStyle = 5; // bold, underlined
constexpr COLORREF kNotifierTextColor = 0x00FFFFFF;
constexpr COLORREF kNotifierHoverColor = 0x000000C8;
constexpr SIZE kNotifierTextMargin{10, 20};

// The tray icon's greeting.
constexpr const char* kBalloonText = "Here's a cool new Win2K balloon!";
constexpr const char* kBalloonTitle = "Look at me!";
constexpr UINT kBalloonSeconds = 20;

void MoveControl(CWnd& control, const skin::Box& box)
{
    if (control.GetSafeHwnd())
        control.MoveWindow(box.x, box.y, box.width, box.height, TRUE);
}

} // namespace

CQuillpostDlg::CQuillpostDlg(CWnd* parent) : CDialog(IDD, parent)
{
    m_hIcon = ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY_LOGIN));
    // The buffer that assembles the news server's answers is made here
    // once the news link exists.
}

CQuillpostDlg::~CQuillpostDlg() = default;

void CQuillpostDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_TICKER_FRAME, m_stcTickerFrame);
    DDX_Control(dx, IDC_BTN_TICKER, m_btnTicker);
    DDX_Control(dx, IDC_TICKER, m_ticker);
    DDX_Control(dx, IDC_BTN_HELP, m_btnHelp);
    DDX_Control(dx, IDC_BTN_SEARCH, m_btnSearch);
    DDX_Control(dx, IDC_BTN_FUNCTIONS, m_btnFunctions);
    DDX_Control(dx, IDC_BTN_MINIMIZE, m_btnMinimize);
    DDX_Control(dx, IDC_BTN_NEWSLIST, m_btnNewsList);
    DDX_Control(dx, IDC_BTN_FILE, m_btnFile);
    DDX_Control(dx, IDC_BTN_CLOSE, m_btnClose);
    DDX_Control(dx, IDC_BROWSER_MAIN, m_browserMain);
    DDX_Control(dx, IDC_BROWSER_BANNER, m_browserBanner);
}

BEGIN_MESSAGE_MAP(CQuillpostDlg, CDialog)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_COMMAND(IDOK, OnOK)
    ON_BN_CLICKED(IDC_BTN_MINIMIZE, OnBtnMinimize)
    ON_BN_CLICKED(IDC_BTN_CLOSE, OnBtnClose)
    ON_BN_CLICKED(IDC_BTN_FILE, OnBtnFile)
    ON_BN_CLICKED(IDC_BTN_SEARCH, OnBtnSearch)
    ON_BN_CLICKED(IDC_BTN_NEWSLIST, OnBtnNewsList)
    ON_BN_CLICKED(IDC_BTN_FUNCTIONS, OnBtnFunctions)
    ON_BN_CLICKED(IDC_BTN_HELP, OnBtnHelp)
    ON_BN_CLICKED(IDC_BTN_TICKER, OnBtnTicker)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_TIMER()
    ON_WM_CLOSE()
    ON_COMMAND(ID_FILE_LOGIN, OnFileLogin)
    ON_COMMAND(ID_FILE_LOGOUT, OnFileLogout)
    ON_COMMAND(ID_TRAY_EXIT, OnTrayExit)
    ON_COMMAND(ID_TRAY_OPEN, OnTrayOpen)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_TICKER_COLOR, OnTickerColor)
    ON_COMMAND(ID_TICKER_SPEED, OnTickerSpeed)
    ON_COMMAND(ID_TICKER_FONT, OnTickerFont)
    ON_MESSAGE(WM_NOTIFIER_CLICKED, OnNotifierClicked)
    // WM_SOCKET_RECEIVE and WM_SOCKET_CLOSE join the map with the news link.
END_MESSAGE_MAP()

void CQuillpostDlg::LoadSettings()
{
    const client::Settings settings = client::LoadSettings();
    m_strHost = settings.host.c_str();
    m_strTitleBmp = settings.titleBmp.c_str();
    m_nPort = settings.port;
}

BOOL CQuillpostDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    ModifyStyle(0, WS_SYSMENU);
    SetWindowText("Quillpost");

    LoadSettings();

    if (!m_TrayIcon.Create(nullptr, WM_TRAY_NOTIFY, "Quillpost",
                           static_cast<HICON>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDI_TRAY_LOGOUT),
                                                           IMAGE_ICON, 0, 0, LR_SHARED)),
                           IDR_MENU_TRAY,
                           FALSE, kBalloonText, kBalloonTitle, NIIF_WARNING, kBalloonSeconds))
        return TRUE; // the window opens bare: no skin, timers or pages
    // The icon's menu and double click act on this window, also where no
    // application object names it the main window.
    m_TrayIcon.SetTargetWnd(this);
    // A double click opens the window, as the menu's first item does.
    m_TrayIcon.SetMenuDefaultItem(0, TRUE);

    m_dibTitle.LoadBMP(m_strTitleBmp);
    m_dibFrame.LoadBMP(kFrameFile);

    if (HRGN region = MakeRegionFromBitmap(&m_dibFrame, kFrameKeyColor)) {
        // A region with nothing in it would make the window invisible and
        // unreachable; the window then keeps its rectangle.
        RECT box{};
        if (GetRgnBox(region, &box) == NULLREGION || SetWindowRgn(region, TRUE) == 0)
            DeleteObject(region);
    }

    CxSkinButton* skinButtons[] = {&m_btnMinimize, &m_btnClose, &m_btnFile, &m_btnSearch,
                                   &m_btnNewsList, &m_btnFunctions, &m_btnHelp};
    for (std::size_t i = 0; i < std::size(skin::kSkinButtons); ++i) {
        const skin::ButtonPlace& place = skin::kSkinButtons[i];
        MoveControl(*skinButtons[i], place.box);
        // The pressed face is the normal one; copied at natural size, with
        // no mask, border or focus margin.
        skinButtons[i]->LoadSkin(place.normal, place.normal, place.over, 0, 0, 0, 0, 0, 0);
        skinButtons[i]->SetTipText(place.tip);
        skinButtons[i]->LoadButtonCursor(IDC_POINTER_HAND, TRUE);
    }
    MoveControl(m_btnTicker, skin::kTickerButton.box);
    MoveControl(m_stcTickerFrame, skin::kTickerFramePlace);
    m_btnTicker.LoadSkin(skin::kTickerButton.normal, skin::kTickerButton.normal, 0, 0, 0, 0, 0, 0, 0);
    m_btnTicker.LoadButtonCursor(IDC_POINTER_HAND, TRUE);

    m_notifier.Create(this);
    m_notifier.SetSkin(IDB_NOTIFIER_SKIN, kNotifierKeyRed, kNotifierKeyGreen, kNotifierKeyBlue);
    m_notifier.SetTextFont(kNotifierFace, kNotifierPointSize, kNotifierNormalStyle, kNotifierHoverStyle);
    m_notifier.SetTextColor(kNotifierTextColor, kNotifierHoverColor);
    m_notifier.SetTextRect(CRect(kNotifierTextMargin.cx, kNotifierTextMargin.cy,
                                 m_notifier.m_nSkinWidth - kNotifierTextMargin.cx,
                                 m_notifier.m_nSkinHeight - kNotifierTextMargin.cy));

    m_ticker.AddItem(kTickerPlaceholder, "");
    m_ticker.SetBkColor(kTickerBackColor);
    m_ticker.SetTextColor(kTickerTextColor);
    m_ticker.BuildStrip();
    m_ticker.StartScroll();

    m_bNewsAlert = FALSE;
    m_bLoggedIn = FALSE;
    m_bFirstRequest = TRUE;

    SetTimer(TIMER_LOGIN_WATCH, kLoginWatchPeriodMs);

    // The login page and the banner page open in the browser panes here.
    return TRUE;
}

BOOL CQuillpostDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
        ShowWindow(SW_HIDE);
        return TRUE;
    }
    return CDialog::PreTranslateMessage(msg);
}

void CQuillpostDlg::OnOK() {}

void CQuillpostDlg::StopNewsAlert()
{
    if (m_bNewsAlert) {
        m_TrayIcon.StopAnimation();
        m_bNewsAlert = FALSE;
    }
}

void CQuillpostDlg::OnPaint()
{
    CPaintDC dc(this);
    if (IsIconic()) {
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        const int cxIcon = GetSystemMetrics(SM_CXICON);
        const int cyIcon = GetSystemMetrics(SM_CYICON);
        CRect rect;
        GetClientRect(&rect);
        dc.DrawIcon((rect.Width() - cxIcon + 1) / 2, (rect.Height() - cyIcon + 1) / 2, m_hIcon);
        return;
    }
    if (m_dibFrame.IsValid())
        m_dibFrame.BitBlt(dc.GetSafeHdc(), 0, 0, nullptr);
    if (m_dibTitle.IsValid())
        m_dibTitle.BitBlt(dc.GetSafeHdc(), skin::kTitleX, skin::kTitleY, nullptr);
}

HCURSOR CQuillpostDlg::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(m_hIcon); }

void CQuillpostDlg::OnBtnMinimize()
{
    ShowWindow(SW_MINIMIZE);
    StopNewsAlert();
}

void CQuillpostDlg::OnBtnClose()
{
    ShowWindow(SW_HIDE);
    StopNewsAlert();
}

void CQuillpostDlg::OnFileClose()
{
    ShowWindow(SW_HIDE);
    StopNewsAlert();
}

void CQuillpostDlg::OnTrayOpen()
{
    ShowWindow(SW_SHOWNORMAL);
    StopNewsAlert();
}

LRESULT CQuillpostDlg::OnNotifierClicked(WPARAM, LPARAM)
{
    // Leaves the news alert as it is: the tray keeps animating until the
    // window is hidden, minimised or opened from the tray.
    ShowWindow(SW_SHOWNORMAL);
    return 0;
}

// The file menu and the login, search, news list and help pages arrive
// with the login pages and the browser panes.
void CQuillpostDlg::OnBtnFile() {}
void CQuillpostDlg::OnBtnSearch() {}
void CQuillpostDlg::OnBtnNewsList() {}
void CQuillpostDlg::OnBtnHelp() {}
void CQuillpostDlg::OnFileLogin() {}
void CQuillpostDlg::OnFileLogout() {}

void CQuillpostDlg::OnBtnFunctions()
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_MENU_TICKER))
        return;
    if (CMenu* popup = menu.GetSubMenu(0)) {
        RECT button{};
        m_btnFunctions.GetWindowRect(&button);
        popup->TrackPopupMenu(TPM_LEFTALIGN, button.left, button.bottom, this);
    }
    menu.DestroyMenu();
}

// The ticker menu's commands are the ticker's own: each is sent on to it
// unchanged and handled before the menu command returns.
void CQuillpostDlg::OnTickerColor() { m_ticker.SendMessage(WM_COMMAND, ID_TICKER_COLOR); }
void CQuillpostDlg::OnTickerSpeed() { m_ticker.SendMessage(WM_COMMAND, ID_TICKER_SPEED); }
void CQuillpostDlg::OnTickerFont() { m_ticker.SendMessage(WM_COMMAND, ID_TICKER_FONT); }

void CQuillpostDlg::OnBtnTicker()
{
    if (m_ticker.IsScrolling())
        m_ticker.StopScroll();
    else
        m_ticker.StartScroll();
}

void CQuillpostDlg::OnLButtonDown(UINT flags, CPoint point)
{
    m_bDragging = TRUE;
    SetCapture();
    m_ptPress = point;
    CDialog::OnLButtonDown(flags, point);
}

void CQuillpostDlg::OnMouseMove(UINT flags, CPoint point)
{
    if (m_bDragging) {
        POINT screen = point;
        ClientToScreen(&screen);
        RECT client{};
        GetClientRect(&client);
        MoveWindow(screen.x - m_ptPress.x, screen.y - m_ptPress.y, client.right - client.left,
                   client.bottom - client.top, TRUE);
    }
    CDialog::OnMouseMove(flags, point);
}

void CQuillpostDlg::OnLButtonUp(UINT flags, CPoint point)
{
    ReleaseCapture();
    m_bDragging = FALSE;
    CDialog::OnLButtonUp(flags, point);
}

void CQuillpostDlg::OnTimer(UINT_PTR id)
{
    // The login watch (100) and the request timer (200) drive the news
    // link, which handles them here once it exists.
    CDialog::OnTimer(id);
}

void CQuillpostDlg::OnTrayExit() { SendMessage(WM_CLOSE); }

void CQuillpostDlg::OnClose()
{
    if (m_pAlertDlg) {
        if (m_pAlertDlg->GetSafeHwnd())
            m_pAlertDlg->EndDialog(0);
        m_pAlertDlg.reset();
    }
    // The assembly buffer goes with the news link.
    m_TrayIcon.RemoveIcon();
    KillTimer(TIMER_LOGIN_WATCH);
    KillTimer(TIMER_POLL);
    // The default handling turns the close into IDCANCEL, which ends the
    // modal loop and so the program.
    CDialog::OnClose();
}
