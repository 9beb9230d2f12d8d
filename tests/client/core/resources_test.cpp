// The client's resource tables as the program finds them by id: the main
// window's template laid out in pixels, the three menus, string 103, and
// the skin bitmaps, icons and cursor embedded into the program.
#include "client_fixture.h"
#include "res/resource.h"

#include "platform/gdi.h"
#include "platform/user_menu.h"

#include <string>
#include <vector>

namespace {

INT_PTR NoDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// Dialog units to pixels as the dialog manager places controls: each of x,
// y, width and height scaled by the base units and rounded half up.
int Scale(int value, int base, int units) { return (value * base + units / 2) / units; }

class Resources : public ClientTest {};

TEST_F(Resources, MainWindowTemplatePlacesItsControlsInPixels)
{
    const HWND dialog = ::CreateDialogParamA(nullptr, MAKEINTRESOURCEA(IDD_QUILLPOST_DIALOG), nullptr, &NoDialogProc, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(::IsWindowVisible(dialog)) << "the template is visible";
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(dialog, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_THICKFRAME), 0u) << "no caption, border or menu";
    EXPECT_NE(::GetWindowLongPtrA(dialog, GWL_EXSTYLE) & WS_EX_APPWINDOW, 0);

    // The dialog's base units, from its font.
    RECT unit{0, 0, 4, 8};
    ASSERT_TRUE(::MapDialogRect(dialog, &unit));
    const int bx = unit.right;
    const int by = unit.bottom;
    ASSERT_GT(bx, 0);
    ASSERT_GT(by, 0);
    RECT client{};
    ::GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, Scale(160, bx, 4));
    EXPECT_EQ(client.bottom, Scale(303, by, 8));

    struct Control {
        int id;
        const char* cls;
        int x, y, w, h;
        bool tabStop;
    } controls[] = {
        {IDC_BROWSER_MAIN, kUserAxHostClass, 15, 23, 130, 170, true},
        {IDC_BROWSER_BANNER, kUserAxHostClass, 15, 272, 130, 26, true},
        {IDC_BTN_FILE, WC_BUTTON, 25, 218, 16, 28, true},
        {IDC_BTN_SEARCH, WC_BUTTON, 57, 218, 16, 27, true},
        {IDC_BTN_NEWSLIST, WC_BUTTON, 73, 218, 16, 27, true},
        {IDC_BTN_FUNCTIONS, WC_BUTTON, 89, 218, 15, 27, true},
        {IDC_BTN_HELP, WC_BUTTON, 122, 218, 17, 27, true},
        {IDC_BTN_CLOSE, WC_BUTTON, 139, 4, 8, 9, true},
        {IDC_BTN_MINIMIZE, WC_BUTTON, 131, 4, 8, 9, true},
        {IDC_TICKER, WC_STATIC, 36, 198, 103, 11, false},
        {IDC_BTN_TICKER, WC_BUTTON, 15, 194, 14, 18, false},
        {IDC_TICKER_FRAME, WC_STATIC, 29, 193, 117, 19, false},
    };
    for (const auto& c : controls) {
        const HWND item = ::GetDlgItem(dialog, c.id);
        ASSERT_NE(item, nullptr) << c.id;
        char cls[64] = {};
        ::GetClassNameA(item, cls, sizeof cls);
        EXPECT_STRCASEEQ(cls, c.cls) << c.id;
        RECT r{};
        ::GetWindowRect(item, &r);
        ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        const int left = Scale(c.x, bx, 4);
        const int top = Scale(c.y, by, 8);
        EXPECT_EQ(r.left, left) << c.id;
        EXPECT_EQ(r.top, top) << c.id;
        EXPECT_EQ(r.right, left + Scale(c.w, bx, 4)) << c.id;
        EXPECT_EQ(r.bottom, top + Scale(c.h, by, 8)) << c.id;
        const auto itemStyle = static_cast<DWORD>(::GetWindowLongPtrA(item, GWL_STYLE));
        EXPECT_EQ((itemStyle & WS_TABSTOP) != 0, c.tabStop) << c.id;
        if (c.id >= IDC_BTN_FILE && c.id <= IDC_BTN_MINIMIZE) {
            EXPECT_NE(itemStyle & BS_FLAT, 0u) << c.id << ": skin buttons are flat";
        }
    }
    EXPECT_EQ(::GetWindowLongPtrA(::GetDlgItem(dialog, IDC_TICKER), GWL_STYLE) & (SS_TYPEMASK | SS_NOTIFY),
              static_cast<LONG_PTR>(SS_BLACKFRAME | SS_NOTIFY));
    EXPECT_NE(::SendDlgItemMessageA(dialog, IDC_TICKER_FRAME, STM_GETIMAGE, IMAGE_BITMAP, 0), 0)
        << "the ticker frame shows bitmap 173";
    ::DestroyWindow(dialog);
}

TEST_F(Resources, MenusHoldOnePopupWithTheirCommands)
{
    struct Item {
        UINT id;
        const char* text;
    };
    struct Menu {
        WORD id;
        std::vector<Item> items;
    } menus[] = {
        {IDR_MENU_TICKER, {{ID_TICKER_COLOR, "글자색"}, {ID_TICKER_FONT, "글자 폰트"}, {ID_TICKER_SPEED, "스크롤 속도"}}},
        {IDR_MENU_TRAY, {{ID_TRAY_OPEN, "열기"}, {ID_TRAY_EXIT, "종료"}}},
        {IDR_MENU_FILE, {{ID_FILE_LOGIN, "로그인 (&I)"}, {ID_FILE_LOGOUT, "로그아웃 (&N)"}, {ID_FILE_CLOSE, "닫기 (C)"}}},
    };
    for (const auto& m : menus) {
        const HMENU menu = ::LoadMenuA(nullptr, MAKEINTRESOURCEA(m.id));
        ASSERT_NE(menu, nullptr) << m.id;
        EXPECT_EQ(::GetMenuItemCount(menu), 1) << m.id;
        const HMENU popup = ::GetSubMenu(menu, 0);
        ASSERT_NE(popup, nullptr) << m.id;
        ASSERT_EQ(::GetMenuItemCount(popup), static_cast<int>(m.items.size())) << m.id;
        for (int i = 0; i < static_cast<int>(m.items.size()); ++i) {
            EXPECT_EQ(::GetMenuItemID(popup, i), m.items[i].id) << m.id << " item " << i;
            char text[64] = {};
            ::GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            EXPECT_STREQ(text, m.items[i].text) << m.id << " item " << i;
        }
        ::DestroyMenu(menu);
    }
}

TEST_F(Resources, SocketFailureStringIsRegistered)
{
    char text[128] = {};
    EXPECT_GT(::LoadStringA(nullptr, IDS_SOCKETS_INIT_FAILED, text, sizeof text), 0);
    EXPECT_STREQ(text, "Windows 소켓 초기화에 실패하였습니다.");
}

TEST_F(Resources, SkinBitmapsLoadAtTheirSizes)
{
    struct Size {
        WORD id;
        int width, height;
    } sizes[] = {
        {131, 13, 13}, {135, 13, 13}, {142, 13, 13}, {145, 13, 13}, {132, 27, 39}, {137, 27, 39},
        {144, 27, 39}, {148, 27, 39}, {133, 28, 39}, {134, 28, 39}, {146, 28, 39}, {147, 28, 39},
        {136, 26, 39}, {143, 26, 39}, {150, 24, 29}, {173, 205, 29}, {180, 200, 83},
    };
    for (const auto& s : sizes) {
        const HBITMAP bitmap = ::LoadBitmapA(nullptr, MAKEINTRESOURCEA(s.id));
        ASSERT_NE(bitmap, nullptr) << s.id;
        BITMAP info{};
        ASSERT_NE(::GetObjectA(bitmap, sizeof info, &info), 0) << s.id;
        EXPECT_EQ(info.bmWidth, s.width) << s.id;
        EXPECT_EQ(std::abs(info.bmHeight), s.height) << s.id;
        ::DeleteObject(bitmap);
    }
}

TEST_F(Resources, IconsAndCursorAreEmbeddedAtTheirSizes)
{
    const HINSTANCE program = ::GetModuleHandleA(nullptr);
    const WORD icons[] = {IDR_MAINFRAME, IDI_TRAY_LOGIN, IDI_TRAY_LOGOUT, 159, 160, 161, 162, 163, 164};
    constexpr int kBitmaps = 17;
    EXPECT_EQ(resourcesRegistered, kBitmaps + static_cast<int>(std::size(icons)) + 1);
    for (const WORD id : icons) {
        // At their own size, the tray's images are 16 by 16; the program's
        // own icon also holds a 32-pixel image, which is nearest the
        // system size and so the one chosen.
        const auto icon =
            static_cast<HICON>(::LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_ICON, 0, 0, LR_SHARED));
        platform::CursorImage image;
        ASSERT_TRUE(UserGetIconImage(icon, image)) << id;
        const int expected = id == IDR_MAINFRAME ? 32 : 16;
        EXPECT_EQ(image.width, expected) << id;
        EXPECT_EQ(image.height, expected) << id;
        EXPECT_EQ(image.argb[static_cast<std::size_t>(expected / 2) * expected + expected / 2] >> 24, 0xFFu)
            << id << ": the middle of the picture is opaque";
    }
    const auto small =
        static_cast<HICON>(::LoadImageA(program, MAKEINTRESOURCEA(IDR_MAINFRAME), IMAGE_ICON, 16, 16, 0));
    platform::CursorImage image;
    ASSERT_TRUE(UserGetIconImage(small, image));
    EXPECT_EQ(image.width, 16);
    ::DestroyIcon(small);

    // The hand: 32 by 32 with its hot spot at the fingertip, shown over a
    // window that sets it.
    const HCURSOR hand = ::LoadCursorA(program, MAKEINTRESOURCEA(IDC_POINTER_HAND));
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(::LoadCursorA(program, MAKEINTRESOURCEA(IDC_POINTER_HAND)), hand) << "resource cursors are shared";
    const HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                          nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    headless->MoveMouse(POINT{10, 10});
    headless->Pump();
    ::SetCursor(hand);
    const auto state = headless->State(UserGetNativeWindow(window));
    ASSERT_TRUE(state.has_value());
    const platform::CursorImage& shown = state->cursor;
    EXPECT_EQ(shown.width, 32);
    EXPECT_EQ(shown.height, 32);
    EXPECT_EQ(shown.hotSpot.x, 5);
    EXPECT_EQ(shown.hotSpot.y, 0);
    EXPECT_EQ(shown.argb[5] >> 24, 0xFFu) << "the fingertip itself is drawn";
    ::DestroyWindow(window);
}

} // namespace
