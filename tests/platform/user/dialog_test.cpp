// Dialogs from templates, the dialog keys, modal and modeless dialogs, and
// the standard controls, on the headless backend.
#include "user_test_support.h"

#include "platform/gdi_surface.h"
#include "platform/user_dialog.h"
#include "platform/user_menu.h"

#include <cstring>

namespace usertest {
namespace {

class Dialogs : public RuntimeTest {
protected:
    void TearDown() override
    {
        UserClearResources();
        RuntimeTest::TearDown();
    }

    // Dispatches what is ready, giving each message to the dialog first.
    void PumpDialog(HWND dialog)
    {
        for (int round = 0; round < 50; ++round) {
            MSG msg{};
            bool any = false;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                any = true;
                if (!IsDialogMessageA(dialog, &msg)) {
                    TranslateMessage(&msg);
                    DispatchMessageA(&msg);
                }
            }
            if (!any && !headless->InputPending())
                return;
        }
    }

    static UserDialogTemplate Template(DWORD style = WS_POPUP | WS_VISIBLE | DS_SETFONT)
    {
        UserDialogTemplate t;
        t.style = style;
        t.cx = 120;
        t.cy = 60;
        t.faceName = "굴림";
        t.pointSize = 9;
        t.caption = "시험";
        return t;
    }
};

// Records WM_COMMAND and WM_NOTIFY codes the dialog procedure sees.
struct Seen {
    std::vector<std::pair<int, int>> commands; // (id, code)
    std::vector<NMUPDOWN> deltas;
    std::vector<DRAWITEMSTRUCT> draws;
};
Seen* g_seen = nullptr;

INT_PTR RecordingProc(HWND, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (g_seen == nullptr)
        return FALSE;
    if (message == WM_COMMAND)
        g_seen->commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == UDN_DELTAPOS)
        g_seen->deltas.push_back(*reinterpret_cast<NMUPDOWN*>(lParam));
    if (message == WM_DRAWITEM) {
        g_seen->draws.push_back(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    }
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

TEST_F(Dialogs, TemplateUnitsBecomePixelsFromTheFontsBaseUnits)
{
    UserDialogTemplate t = Template();
    t.x = 10;
    t.y = 20;
    t.items = {
        {"BUTTON", "확인", 0, IDOK, 18, 32, 41, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {"{8856F961-340A-11D0-A96B-00C04FD705A2}", "", 0, 1000, 15, 23, 130, 170, WS_VISIBLE, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, nullptr, 0);
    ASSERT_NE(dialog, nullptr);

    HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, font);
    SIZE base{};
    ASSERT_TRUE(GdiGetDialogBaseUnits(dc, &base));
    DeleteDC(dc);
    auto px = [](int du, int units, int div) { return (du * units + div / 2) / div; };

    RECT window{};
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.left, px(10, base.cx, 4));
    EXPECT_EQ(window.top, px(20, base.cy, 8));
    RECT client{};
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, px(120, base.cx, 4));
    EXPECT_EQ(client.bottom, px(60, base.cy, 8));

    const struct {
        int id, x, y, cx, cy;
    } expected[] = {{IDOK, 18, 32, 41, 14}, {1000, 15, 23, 130, 170}};
    for (const auto& e : expected) {
        const HWND c = GetDlgItem(dialog, e.id);
        ASSERT_NE(c, nullptr) << e.id;
        RECT r{};
        GetWindowRect(c, &r);
        POINT tl{r.left, r.top};
        ScreenToClient(dialog, &tl);
        EXPECT_EQ(tl.x, px(e.x, base.cx, 4)) << e.id;
        EXPECT_EQ(tl.y, px(e.y, base.cy, 8)) << e.id;
        EXPECT_EQ(r.right - r.left, px(e.cx, base.cx, 4)) << e.id;
        EXPECT_EQ(r.bottom - r.top, px(e.cy, base.cy, 8)) << e.id;
        RECT mapped{e.x, e.y, e.x + e.cx, e.y + e.cy};
        ASSERT_TRUE(MapDialogRect(dialog, &mapped));
        EXPECT_EQ(mapped.left, tl.x);
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendDlgItemMessageA(dialog, IDOK, WM_GETFONT, 0, 0)), font);
    char cls[32] = {};
    GetClassNameA(GetDlgItem(dialog, 1000), cls, sizeof cls);
    EXPECT_STREQ(cls, "QpAxHost");
    // WM_INITDIALOG's default focus: the first tab stop.
    EXPECT_EQ(GetFocus(), GetDlgItem(dialog, IDOK));
    DestroyWindow(dialog);
}

TEST_F(Dialogs, EnterAndEscapeBecomeCommands)
{
    const struct {
        const char* what;
        UINT key;
        bool defaultButton;
        int expected;
    } cases[] = {
        {"Enter without a default button", VK_RETURN, false, IDOK},
        {"Enter with default button 7", VK_RETURN, true, 7},
        {"Escape", VK_ESCAPE, true, IDCANCEL},
    };
    for (const auto& c : cases) {
        Seen seen;
        g_seen = &seen;
        UserDialogTemplate t = Template();
        t.items = {{"EDIT", "", 0, 10, 5, 5, 50, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0}};
        if (c.defaultButton)
            t.items.push_back({"BUTTON", "OK", 0, 7, 5, 30, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0});
        const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
        ASSERT_NE(dialog, nullptr);
        ASSERT_EQ(GetFocus(), GetDlgItem(dialog, 10)) << c.what;
        headless->KeyPress(c.key);
        PumpDialog(dialog);
        std::vector<int> clicked;
        for (const auto& [id, code] : seen.commands)
            if (code == BN_CLICKED)
                clicked.push_back(id);
        EXPECT_EQ(clicked, std::vector<int>{c.expected}) << c.what;
        char text[16] = {};
        GetDlgItemTextA(dialog, 10, text, sizeof text);
        EXPECT_STREQ(text, "") << c.what << ": the key typed nothing";
        g_seen = nullptr;
        DestroyWindow(dialog);
    }
}

TEST_F(Dialogs, TabMovesAmongReachableTabStopsBothWays)
{
    UserDialogTemplate t = Template();
    const DWORD button = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    t.items = {
        {"BUTTON", "a", 0, 1, 0, 0, 20, 10, button, 0},
        {"STATIC", "label", 0, 2, 0, 12, 20, 10, WS_VISIBLE, 0},
        {"BUTTON", "off", 0, 3, 0, 24, 20, 10, button | WS_DISABLED, 0},
        {"BUTTON", "b", 0, 4, 0, 36, 20, 10, button, 0},
        {"EDIT", "c", 0, 5, 0, 48, 20, 10, WS_VISIBLE | WS_TABSTOP, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(GetDlgCtrlID(GetFocus()), 1);
    std::vector<int> order;
    for (int i = 0; i < 3; ++i) {
        headless->KeyPress(VK_TAB);
        PumpDialog(dialog);
        order.push_back(GetDlgCtrlID(GetFocus()));
    }
    EXPECT_EQ(order, (std::vector<int>{4, 5, 1}));
    headless->KeyDown(VK_SHIFT);
    headless->KeyPress(VK_TAB);
    headless->KeyUp(VK_SHIFT);
    PumpDialog(dialog);
    EXPECT_EQ(GetDlgCtrlID(GetFocus()), 5);
    // Tabbing into an edit selects its text.
    DWORD start = 9, end = 9;
    SendDlgItemMessageA(dialog, 5, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 1u);
    DestroyWindow(dialog);
}

struct ModalProbe {
    HWND owner = nullptr;
    bool ownerEnabledInside = true;
    int ticks = 0;
    int ownerTicks = 0;
};
ModalProbe* g_modal = nullptr;

INT_PTR ModalProc(HWND dialog, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) {
        SetTimer(dialog, 1, 100, nullptr);
        return TRUE;
    }
    if (message == WM_TIMER) {
        g_modal->ownerEnabledInside = IsWindowEnabled(g_modal->owner) != FALSE;
        if (++g_modal->ticks == 3)
            EndDialog(dialog, 42);
        return TRUE;
    }
    return FALSE;
}

TEST_F(Dialogs, ModalDialogDisablesItsOwnerKeepsTimersRunningAndReturnsTheResult)
{
    ModalProbe probe;
    g_modal = &probe;
    headless->SetAutoAdvance(true);
    probe.owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 200}, nullptr,
                       [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                           if (m == WM_TIMER)
                               ++probe.ownerTicks;
                           return std::nullopt;
                       });
    SetTimer(probe.owner, 9, 50, nullptr);
    UserRegisterDialogTemplate(138, Template());
    const INT_PTR result = DialogBoxParamA(nullptr, MAKEINTRESOURCEA(138), probe.owner, ModalProc, 0);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(probe.ticks, 3);
    EXPECT_FALSE(probe.ownerEnabledInside);
    EXPECT_GE(probe.ownerTicks, 4) << "the owner's timer kept running inside the modal loop";
    EXPECT_TRUE(IsWindowEnabled(probe.owner));
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(999), probe.owner, ModalProc, 0), -1);
    g_modal = nullptr;
}

TEST_F(Dialogs, ModalDialogEndsOnEscapeThroughItsProcedure)
{
    headless->SetAutoAdvance(true);
    UserDialogTemplate t = Template();
    t.items = {{"BUTTON", "취소", 0, IDCANCEL, 5, 5, 40, 14, WS_VISIBLE | WS_TABSTOP, 0}};
    headless->KeyPress(VK_ESCAPE);
    const INT_PTR result = DialogBoxIndirectParamA(nullptr, &t, nullptr,
                                                   [](HWND d, UINT m, WPARAM wp, LPARAM) -> INT_PTR {
                                                       if (m == WM_COMMAND && LOWORD(wp) == IDCANCEL)
                                                           EndDialog(d, 77);
                                                       return m == WM_INITDIALOG;
                                                   },
                                                   0);
    EXPECT_EQ(result, 77);
}

TEST_F(Dialogs, ModelessDialogHidesOnEndDialogAndStays)
{
    const HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 300});
    UserRegisterDialogTemplate(174, Template(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    const HWND dialog = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(174), owner, nullptr, 0);
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(dialog));
    ShowWindow(dialog, SW_SHOW);
    EXPECT_TRUE(IsWindowEnabled(owner)) << "a modeless dialog leaves its owner enabled";
    EXPECT_TRUE(EndDialog(dialog, IDOK));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_FALSE(IsWindowVisible(dialog));
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), owner);
    DestroyWindow(dialog);
}

TEST_F(Dialogs, NotifyingStaticReportsClicksOthersLetThemThrough)
{
    Seen seen;
    g_seen = &seen;
    UserDialogTemplate t = Template(WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_ABSALIGN);
    t.items = {
        {"STATIC", "", 0, 1009, 0, 0, 40, 16, WS_VISIBLE | SS_NOTIFY | SS_BLACKFRAME, 0},
        {"STATIC", "plain", 0, 1010, 0, 30, 40, 16, WS_VISIBLE, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    RECT a{}, b{};
    GetWindowRect(GetDlgItem(dialog, 1009), &a);
    GetWindowRect(GetDlgItem(dialog, 1010), &b);
    headless->Click(POINT{a.left + 3, a.top + 3});
    headless->Click(POINT{b.left + 3, b.top + 3});
    PumpDialog(dialog);
    ASSERT_EQ(seen.commands.size(), 1u);
    EXPECT_EQ(seen.commands[0], (std::pair<int, int>{1009, STN_CLICKED}));
    g_seen = nullptr;
    DestroyWindow(dialog);
}

TEST_F(Dialogs, OwnerDrawnButtonGetsItsStatesAndClicks)
{
    Seen seen;
    g_seen = &seen;
    UserDialogTemplate t = Template(WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_ABSALIGN);
    t.items = {
        {"BUTTON", "", 0, 1007, 10, 10, 20, 20, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0},
        {"BUTTON", "", 0, 1008, 40, 10, 20, 20, WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    const HWND button = GetDlgItem(dialog, 1008);
    RECT r{};
    GetWindowRect(button, &r);
    PumpDialog(dialog);
    seen.draws.clear();

    headless->MoveMouse(POINT{r.left + 5, r.top + 5});
    headless->PressButton();
    PumpDialog(dialog);
    ASSERT_FALSE(seen.draws.empty());
    const DRAWITEMSTRUCT pressed = seen.draws.back();
    EXPECT_EQ(pressed.CtlType, ODT_BUTTON);
    EXPECT_EQ(pressed.CtlID, 1008u);
    EXPECT_EQ(pressed.hwndItem, button);
    EXPECT_EQ(pressed.itemState & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
    EXPECT_EQ(SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED, static_cast<LRESULT>(BST_PUSHED));
    EXPECT_TRUE(seen.commands.empty()) << "no click before the release";

    headless->ReleaseButton();
    PumpDialog(dialog);
    EXPECT_EQ(seen.draws.back().itemState & ODS_SELECTED, 0u);
    ASSERT_EQ(seen.commands.size(), 1u);
    EXPECT_EQ(seen.commands[0], (std::pair<int, int>{1008, BN_CLICKED}));

    // Space clicks the focused button; a disabled one draws as disabled.
    headless->KeyPress(VK_SPACE);
    PumpDialog(dialog);
    EXPECT_EQ(seen.commands.size(), 2u);
    EnableWindow(button, FALSE);
    seen.draws.clear();
    InvalidateRect(button, nullptr, TRUE);
    PumpDialog(dialog);
    ASSERT_FALSE(seen.draws.empty());
    EXPECT_NE(seen.draws.back().itemState & ODS_DISABLED, 0u);
    g_seen = nullptr;
    DestroyWindow(dialog);
}

TEST_F(Dialogs, EditTakesTypedTextIncludingKoreanAndNumbersOnly)
{
    Seen seen;
    g_seen = &seen;
    UserDialogTemplate t = Template();
    t.items = {
        {"EDIT", "", 0, 1, 5, 5, 80, 12, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
        {"EDIT", "", 0, 2, 5, 20, 80, 12, WS_VISIBLE | WS_TABSTOP | ES_NUMBER, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    headless->TypeText("가나다 ab");
    headless->KeyPress(VK_BACK);
    headless->KeyPress(VK_HOME);
    headless->KeyPress(VK_DELETE);
    PumpDialog(dialog);
    char text[64] = {};
    GetDlgItemTextA(dialog, 1, text, sizeof text);
    EXPECT_STREQ(text, "나다 a");
    int changes = 0;
    for (const auto& [id, code] : seen.commands)
        changes += id == 1 && code == EN_CHANGE;
    EXPECT_EQ(changes, 8) << "six characters typed, one erased, one deleted";

    // A buffer too small cuts at a character boundary.
    char small[5] = {};
    GetDlgItemTextA(dialog, 1, small, sizeof small);
    EXPECT_STREQ(small, "나");

    SetFocus(GetDlgItem(dialog, 2));
    headless->TypeText("1a2-3");
    PumpDialog(dialog);
    BOOL ok = FALSE;
    EXPECT_EQ(GetDlgItemInt(dialog, 2, &ok, FALSE), 123u);
    EXPECT_TRUE(ok);
    SetDlgItemTextA(dialog, 2, "abc");
    GetDlgItemInt(dialog, 2, &ok, FALSE);
    EXPECT_FALSE(ok);

    SendDlgItemMessageA(dialog, 2, EM_LIMITTEXT, 3, 0);
    SetDlgItemTextA(dialog, 2, "");
    SetFocus(GetDlgItem(dialog, 2));
    headless->TypeText("98765");
    PumpDialog(dialog);
    GetDlgItemTextA(dialog, 2, text, sizeof text);
    EXPECT_STREQ(text, "987");
    g_seen = nullptr;
    DestroyWindow(dialog);
}

TEST_F(Dialogs, UpDownStepsItsBuddysInteger)
{
    Seen seen;
    g_seen = &seen;
    UserDialogTemplate t = Template(WS_POPUP | WS_VISIBLE | DS_SETFONT | DS_ABSALIGN);
    const DWORD spin = WS_VISIBLE | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS |
                       UDS_NOTHOUSANDS;
    t.items = {
        {"EDIT", "", 0, 1010, 60, 11, 40, 14, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 0},
        {"msctls_updown32", "", 0, 1013, 100, 11, 9, 13, spin, 0},
    };
    const HWND dialog = CreateDialogIndirectParamA(nullptr, &t, nullptr, RecordingProc, 0);
    ASSERT_NE(dialog, nullptr);
    const HWND edit = GetDlgItem(dialog, 1010);
    const HWND updown = GetDlgItem(dialog, 1013);
    EXPECT_EQ(reinterpret_cast<HWND>(SendMessageA(updown, UDM_GETBUDDY, 0, 0)), edit);
    RECT e{}, u{};
    GetWindowRect(edit, &e);
    GetWindowRect(updown, &u);
    EXPECT_LE(u.left, e.right) << "the arrows sit at the buddy's right edge";
    EXPECT_EQ(u.top, e.top);

    // The default range runs from 100 down to 0: "up" lowers the number.
    SetWindowTextA(edit, "5");
    SetFocus(edit);
    headless->KeyPress(VK_UP);
    PumpDialog(dialog);
    char text[16] = {};
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "4");
    ASSERT_EQ(seen.deltas.size(), 1u);
    EXPECT_EQ(seen.deltas[0].iPos, 5);
    EXPECT_EQ(seen.deltas[0].iDelta, -1);

    SendMessageA(updown, UDM_SETRANGE32, 0, 10);
    SendMessageA(updown, UDM_SETPOS32, 0, 10);
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "10");
    headless->KeyPress(VK_UP); // wraps past the maximum
    PumpDialog(dialog);
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "0");
    // Clicking the lower arrow steps down (and wraps back to 10).
    GetWindowRect(updown, &u);
    headless->Click(POINT{(u.left + u.right) / 2, u.bottom - 2});
    PumpDialog(dialog);
    GetWindowTextA(edit, text, sizeof text);
    EXPECT_STREQ(text, "10");
    BOOL error = TRUE;
    EXPECT_EQ(SendMessageA(updown, UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&error)), 10);
    EXPECT_FALSE(error);
    g_seen = nullptr;
    DestroyWindow(dialog);
}

TEST_F(Dialogs, PopupMenusDeliverTheScriptedCommand)
{
    UserRegisterMenuTemplate(139, {{"", 0, 0,
                                    {{"글자색", 32771, 0, {}},
                                     {"", 0, MF_SEPARATOR, {}},
                                     {"글자 폰트", 32773, 0, {}},
                                     {"스크롤 속도", 32774, 0, {}}}}});
    std::vector<WPARAM> commands;
    const HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 100, 100}, nullptr,
                            [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
                                if (m == WM_COMMAND)
                                    commands.push_back(wp);
                                return std::nullopt;
                            });
    const HMENU bar = LoadMenuA(nullptr, MAKEINTRESOURCEA(139));
    ASSERT_NE(bar, nullptr);
    const HMENU popup = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(popup), 4);
    EXPECT_EQ(GetMenuItemID(popup, 2), 32773u);
    EnableMenuItem(popup, 32774, MF_BYCOMMAND | MF_GRAYED);
    CheckMenuItem(popup, 0, MF_BYPOSITION | MF_CHECKED);
    EXPECT_EQ(GetMenuState(popup, 32774, MF_BYCOMMAND), MF_GRAYED);
    char label[32] = {};
    GetMenuStringA(popup, 32773, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ(label, "글자 폰트");

    headless->QueueMenuChoice(32773);
    EXPECT_TRUE(TrackPopupMenu(popup, TPM_LEFTALIGN, 30, 40, 0, owner, nullptr));
    Pump();
    EXPECT_EQ(commands, (std::vector<WPARAM>{32773}));
    const auto shown = headless->ShownMenus();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].at.x, 30);
    EXPECT_EQ(shown[0].owner, Native(owner));
    ASSERT_EQ(shown[0].items.size(), 4u);
    EXPECT_TRUE(shown[0].items[0].checked);
    EXPECT_TRUE(shown[0].items[1].separator);
    EXPECT_TRUE(shown[0].items[3].disabled);

    const struct {
        const char* what;
        UINT answer;
        UINT flags;
        BOOL expected;
    } cases[] = {
        {"returned, not sent", 32771, TPM_RETURNCMD, 32771},
        {"a grayed item is never chosen", 32774, TPM_RETURNCMD, 0},
        {"dismissed", 0, TPM_RETURNCMD, 0},
        {"dismissed without a command", 0, 0, FALSE},
    };
    for (const auto& c : cases) {
        headless->QueueMenuChoice(c.answer);
        EXPECT_EQ(TrackPopupMenu(popup, c.flags | TPM_RIGHTBUTTON, 0, 0, 0, owner, nullptr), c.expected) << c.what;
        Pump();
        EXPECT_EQ(commands.size(), 1u) << c.what;
    }
    EXPECT_TRUE(DestroyMenu(bar));
    EXPECT_FALSE(IsMenu(popup)) << "destroying the bar destroys its sub-menus";
}

TEST_F(Dialogs, MessageBoxShowsItsTextAndTakesTheScriptedAnswer)
{
    headless->SetAutoAdvance(true);
    const HWND owner = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 300, 300});
    headless->QueueDialogAnswer(IDNO);
    EXPECT_EQ(MessageBoxA(owner, "소켓을 열 수 없습니다.", "Quillpost", MB_YESNO | MB_ICONQUESTION), IDNO);
    const auto shown = headless->ShownDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].messageBox);
    EXPECT_EQ(shown[0].text, "소켓을 열 수 없습니다.");
    EXPECT_EQ(shown[0].caption, "Quillpost");
    EXPECT_EQ(shown[0].buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_TRUE(IsWindowEnabled(owner));

    // Without a script the keys answer: Escape on a lone OK button is OK.
    headless->KeyPress(VK_ESCAPE);
    EXPECT_EQ(MessageBoxA(nullptr, "text", nullptr, MB_OK), IDOK);
    EXPECT_EQ(headless->ShownDialogs().back().caption, "오류");
}

// Asks for a number on OK, as data exchange does: text that is not one
// brings up a message box and keeps the dialog open with the edit focused.
INT_PTR NumberProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_INITDIALOG) {
        SetDlgItemTextA(dialog, 1010, "abc");
        return TRUE;
    }
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    if (LOWORD(wParam) != IDOK)
        return FALSE;
    BOOL translated = FALSE;
    const UINT value = GetDlgItemInt(dialog, 1010, &translated, FALSE);
    if (translated) {
        EndDialog(dialog, static_cast<INT_PTR>(value));
        return TRUE;
    }
    MessageBoxA(dialog, "양의 정수를 입력하십시오.", nullptr, MB_OK | MB_ICONEXCLAMATION);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, 1010)), TRUE);
    return TRUE;
}

TEST_F(Dialogs, AScriptedAnswerToANestedMessageBoxComesBeforeTheKeysQueuedAfterIt)
{
    UserDialogTemplate t = Template(WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT);
    t.items = {
        {"EDIT", "", 0, 1010, 10, 10, 60, 14, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0},
        {"BUTTON", "확인", 0, IDOK, 10, 35, 40, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {"BUTTON", "취소", 0, IDCANCEL, 60, 35, 40, 14, WS_VISIBLE | WS_TABSTOP, 0},
    };
    // A loop left waiting is ended by Escape instead of aborting the run.
    int stalls = 0;
    headless->SetStallHandler([&] {
        ++stalls;
        headless->KeyPress(VK_ESCAPE);
    });
    headless->QueueDialogAnswer(0);    // the dialog itself is left to the keys
    headless->QueueDialogAnswer(IDOK); // the message box its OK brings up
    headless->KeyPress(VK_RETURN);     // OK with "abc": the message box
    headless->TypeText("42");          // the edit again, its text selected
    headless->KeyPress(VK_RETURN);
    EXPECT_EQ(DialogBoxIndirectParamA(nullptr, &t, nullptr, NumberProc, 0), 42);
    EXPECT_EQ(stalls, 0);
    const auto shown = headless->ShownDialogs();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_FALSE(shown[0].messageBox);
    EXPECT_TRUE(shown[1].messageBox);
    EXPECT_EQ(shown[1].text, "양의 정수를 입력하십시오.");
}

TEST_F(Dialogs, StringTableLookups)
{
    UserRegisterString(61719, "양의 정수를 입력하십시오.");
    char buffer[64] = {};
    EXPECT_EQ(LoadStringA(nullptr, 61719, buffer, sizeof buffer), 36);
    EXPECT_STREQ(buffer, "양의 정수를 입력하십시오.");
    char small[8] = {};
    EXPECT_EQ(LoadStringA(nullptr, 61719, small, sizeof small), 7);
    EXPECT_STREQ(small, "양의 ");
    char cut[9] = {}; // room for 8 bytes: the next character would not fit whole
    EXPECT_EQ(LoadStringA(nullptr, 61719, cut, sizeof cut), 7);
    EXPECT_EQ(LoadStringA(nullptr, 103, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    const char* direct = nullptr;
    EXPECT_EQ(LoadStringA(nullptr, 61719, reinterpret_cast<LPSTR>(&direct), 0), 36);
    EXPECT_EQ(std::strncmp(direct, "양의", 6), 0);
}

} // namespace
} // namespace usertest
