#include "resources.h"

#include "embedded_resources.h"
#include "resource.h"

#include "platform/user.h"
#include "platform/user_dialog.h"
#include "platform/user_menu.h"

#include <vector>

namespace {

// The web browser control named by the main window's two panes.
constexpr const char* kWebBrowserClass = "{8856F961-340A-11D0-A96B-00C04FD705A2}";
constexpr const char* kDialogFace = "굴림";

// Dialog-unit rectangles and styles as the templates state them; WS_CHILD
// is added by the runtime.
UserDialogItem Item(const char* cls, const char* text, int id, short x, short y, short cx, short cy, DWORD style,
                    WORD resourceId = 0)
{
    UserDialogItem item;
    item.className = cls;
    item.text = text;
    item.resourceId = resourceId;
    item.id = id;
    item.x = x;
    item.y = y;
    item.cx = cx;
    item.cy = cy;
    item.style = style;
    return item;
}

UserDialogTemplate MainWindowTemplate()
{
    constexpr DWORD kSkinButton = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_FLAT;
    UserDialogTemplate t;
    t.style = WS_POPUP | WS_VISIBLE | DS_SETFONT;
    t.exStyle = WS_EX_APPWINDOW;
    t.x = 0;
    t.y = 0;
    t.cx = 160;
    t.cy = 303;
    t.faceName = kDialogFace;
    t.pointSize = 9;
    t.items = {
        Item(kWebBrowserClass, "", IDC_BROWSER_MAIN, 15, 23, 130, 170, WS_VISIBLE | WS_TABSTOP),
        Item(kWebBrowserClass, "", IDC_BROWSER_BANNER, 15, 272, 130, 26, WS_VISIBLE | WS_TABSTOP),
        Item(WC_BUTTON, "", IDC_BTN_FILE, 25, 218, 16, 28, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_SEARCH, 57, 218, 16, 27, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_NEWSLIST, 73, 218, 16, 27, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_FUNCTIONS, 89, 218, 15, 27, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_HELP, 122, 218, 17, 27, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_CLOSE, 139, 4, 8, 9, kSkinButton),
        Item(WC_BUTTON, "", IDC_BTN_MINIMIZE, 131, 4, 8, 9, kSkinButton),
        Item(WC_STATIC, "", IDC_TICKER, 36, 198, 103, 11, WS_VISIBLE | SS_BLACKFRAME | SS_NOTIFY),
        Item(WC_BUTTON, "", IDC_BTN_TICKER, 15, 194, 14, 18, WS_VISIBLE | BS_PUSHBUTTON),
        Item(WC_STATIC, "", IDC_TICKER_FRAME, 29, 193, 117, 19, WS_VISIBLE | SS_BITMAP, IDB_TICKER_FRAME),
    };
    return t;
}

// The two small dialogs share their frame and font.
UserDialogTemplate SmallDialog(const char* caption, short cx, short cy)
{
    UserDialogTemplate t;
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    t.cx = cx;
    t.cy = cy;
    t.faceName = kDialogFace;
    t.pointSize = 10;
    t.caption = caption;
    return t;
}

UserDialogTemplate SpeedTemplate()
{
    UserDialogTemplate t = SmallDialog("속도 조절", 125, 57);
    t.items = {
        Item(WC_BUTTON, "확인", IDOK, 18, 32, 41, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON),
        Item(WC_BUTTON, "취소", IDCANCEL, 64, 32, 41, 14, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON),
        Item(WC_STATIC, "스크롤 속도 :", IDC_STATIC, 16, 13, 42, 8, WS_VISIBLE | SS_LEFT),
        Item(WC_EDIT, "", IDC_EDIT_SPEED, 60, 11, 40, 14, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL),
        Item(UPDOWN_CLASS, "", IDC_SPIN_SPEED, 100, 11, 9, 13,
             WS_VISIBLE | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS |
                 UDS_NOTHOUSANDS),
    };
    return t;
}

UserDialogTemplate AlertTemplate()
{
    UserDialogTemplate t = SmallDialog("로그인 에러", 101, 41);
    t.items = {
        Item(WC_BUTTON, "OK", IDOK, 29, 21, 43, 13, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON),
        Item(WC_STATIC, "로그인을 하여 주십시요.", IDC_STATIC, 14, 7, 73, 8, WS_VISIBLE | SS_LEFT),
    };
    return t;
}

// A menu resource: one pop-up holding the commands.
UserMenuTemplate OnePopup(const char* title, std::vector<UserMenuTemplateItem> items)
{
    UserMenuTemplateItem popup;
    popup.text = title;
    popup.flags = MF_POPUP;
    popup.popup = std::move(items);
    return {popup};
}

UserMenuTemplateItem Command(const char* text, UINT id) { return {text, id, MF_STRING, {}}; }

void RegisterMenus()
{
    UserRegisterMenuTemplate(IDR_MENU_TICKER, OnePopup("Ticker", {
                                                                   Command("글자색", ID_TICKER_COLOR),
                                                                   Command("글자 폰트", ID_TICKER_FONT),
                                                                   Command("스크롤 속도", ID_TICKER_SPEED),
                                                               }));
    UserRegisterMenuTemplate(IDR_MENU_TRAY, OnePopup("Tray", {
                                                               Command("열기", ID_TRAY_OPEN),
                                                               Command("종료", ID_TRAY_EXIT),
                                                           }));
    UserRegisterMenuTemplate(IDR_MENU_FILE, OnePopup("File", {
                                                               Command("로그인 (&I)", ID_FILE_LOGIN),
                                                               Command("로그아웃 (&N)", ID_FILE_LOGOUT),
                                                               Command("닫기 (C)", ID_FILE_CLOSE),
                                                           }));
}

// The artwork the build put into the program, handed to the user layer's
// tables; it is read from there when a bitmap, icon or cursor is loaded.
int RegisterArtwork()
{
    int registered = 0;
    for (const EmbeddedResource& r : EmbeddedResources()) {
        const auto id = static_cast<WORD>(r.id);
        switch (r.kind) {
        case EmbeddedKind::Bitmap: UserRegisterBitmapResource(id, r.data, r.size); break;
        case EmbeddedKind::Icon: UserRegisterIconResource(id, r.data, r.size); break;
        case EmbeddedKind::Cursor: UserRegisterCursorResource(id, r.data, r.size); break;
        }
        ++registered;
    }
    return registered;
}

} // namespace

int RegisterQuillpostResources()
{
    UserRegisterDialogTemplate(IDD_QUILLPOST_DIALOG, MainWindowTemplate());
    UserRegisterDialogTemplate(IDD_SPEED_DIALOG, SpeedTemplate());
    UserRegisterDialogTemplate(IDD_ALERT_DIALOG, AlertTemplate());
    RegisterMenus();
    UserRegisterString(IDS_SOCKETS_INIT_FAILED, "Windows 소켓 초기화에 실패하였습니다.");
    return RegisterArtwork();
}
