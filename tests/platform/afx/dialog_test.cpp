// Dialogs: modal runs ended by Enter and Escape, DDX_Control and DDX_Text
// with the framework's prompt keeping the dialog open, modeless dialogs,
// and PreTranslateMessage in the modal loop.
#include "afx_fixture.h"

#include <optional>
#include <string>
#include <vector>

namespace {

constexpr UINT kSpeedId = 138;
constexpr UINT kAlertId = 174;

void RegisterTemplates()
{
    UserDialogTemplate speed;
    speed.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    speed.cx = 125;
    speed.cy = 57;
    speed.faceName = "굴림";
    speed.pointSize = 10;
    speed.caption = "속도 조절";
    speed.items = {
        {WC_BUTTON, "확인", 0, IDOK, 18, 32, 41, 14, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {WC_BUTTON, "취소", 0, IDCANCEL, 64, 32, 41, 14, WS_VISIBLE | WS_TABSTOP, 0},
        {WC_STATIC, "스크롤 속도 :", 0, IDC_STATIC, 16, 13, 42, 8, WS_VISIBLE, 0},
        {WC_EDIT, "", 0, 1010, 60, 11, 40, 14, WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0},
        {UPDOWN_CLASS, "", 0, 1013, 100, 11, 9, 13,
         WS_VISIBLE | UDS_WRAP | UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
         0},
    };
    UserRegisterDialogTemplate(kSpeedId, speed);

    UserDialogTemplate alert;
    alert.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    alert.cx = 101;
    alert.cy = 41;
    alert.faceName = "굴림";
    alert.pointSize = 10;
    alert.caption = "로그인 에러";
    alert.items = {
        {WC_BUTTON, "OK", 0, IDOK, 29, 21, 43, 13, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
        {WC_STATIC, "로그인을 하여 주십시요.", 0, IDC_STATIC, 14, 7, 73, 8, WS_VISIBLE, 0},
    };
    UserRegisterDialogTemplate(kAlertId, alert);
}

class CSpeedProbe : public CDialog {
public:
    CSpeedProbe() : CDialog(kSpeedId) {}
    CSpinButtonCtrl m_spin;
    UINT m_nSpeed = 5;
    std::optional<std::string> typedBeforeOk; // replaces the edit's text after initialisation
    bool spinBound = false;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, 1013, m_spin);
        DDX_Text(dx, 1010, m_nSpeed);
    }
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        spinBound = m_spin.m_hWnd == ::GetDlgItem(m_hWnd, 1013) && CWnd::FromHandlePermanent(m_spin.m_hWnd) == &m_spin;
        if (typedBeforeOk)
            SetDlgItemText(1010, typedBeforeOk->c_str());
        return TRUE;
    }
};

class Dialogs : public AfxTest {
protected:
    void SetUp() override
    {
        AfxTest::SetUp();
        RegisterTemplates();
    }
    // Texts of the static controls of message boxes seen while the test runs.
    void WatchMessageBoxes(HWND* dialogOf)
    {
        UserAddMessageFilter([this, dialogOf](MSG& msg) {
            HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
            char cls[32] = {};
            if (!root || root == *dialogOf || !::GetClassNameA(root, cls, sizeof cls) || std::string(cls) != WC_DIALOG)
                return false;
            for (HWND c = ::GetWindow(root, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
                char text[128] = {};
                ::GetWindowTextA(c, text, sizeof text);
                if (std::string(text) == "양의 정수를 입력하십시오.")
                    promptSeen = true;
            }
            return false;
        });
    }
    bool promptSeen = false;
};

TEST_F(Dialogs, ModalRunsEndWithTheKeysAndExchangeTheSpeed)
{
    struct Case {
        const char* name;
        std::optional<std::string> text;
        std::vector<UINT> keys;
        INT_PTR result;
        UINT speed;
    } cases[] = {
        {"Enter keeps the value shown", std::nullopt, {VK_RETURN}, IDOK, 5},
        {"Enter takes a new value", "7", {VK_RETURN}, IDOK, 7},
        {"blanks around the number", " 12 ", {VK_RETURN}, IDOK, 12},
        {"zero is a value", "0", {VK_RETURN}, IDOK, 0},
        {"Escape cancels", "9", {VK_ESCAPE}, IDCANCEL, 5},
    };
    for (const auto& c : cases) {
        CSpeedProbe dlg;
        dlg.typedBeforeOk = c.text;
        for (UINT key : c.keys)
            headless->KeyPress(key);
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.m_nSpeed, c.speed) << c.name;
        EXPECT_TRUE(dlg.spinBound) << c.name << ": DDX_Control subclasses the up-down control";
        EXPECT_EQ(dlg.m_hWnd, nullptr) << c.name << ": the window is gone after DoModal";
        EXPECT_EQ(dlg.m_spin.m_hWnd, nullptr) << c.name;
    }
}

TEST_F(Dialogs, TextThatIsNotAPositiveIntegerShowsThePromptAndKeepsTheDialogOpen)
{
    // The prompt is answered by a key or by the script; either way the
    // keys queued after it are the dialog's.  A loop left waiting gets an
    // Escape, so a wrong turn ends the run instead of aborting it.
    int stalls = 0;
    headless->SetStallHandler([&] {
        ++stalls;
        headless->KeyPress(VK_ESCAPE);
    });
    struct Case {
        const char* bad;
        bool scripted;
    };
    for (const Case c : {Case{"abc", false}, Case{"-3", false}, Case{"abc", true}}) {
        const char* bad = c.bad;
        SCOPED_TRACE(c.scripted ? "prompt answered by the script" : "prompt answered by Enter");
        stalls = 0;
        promptSeen = false;
        HWND dialogHwnd = nullptr;
        WatchMessageBoxes(&dialogHwnd);
        struct CProbe : CSpeedProbe {
            HWND* out = nullptr;
            BOOL OnInitDialog() override
            {
                *out = m_hWnd;
                return CSpeedProbe::OnInitDialog();
            }
        } dlg;
        dlg.out = &dialogHwnd;
        dlg.typedBeforeOk = bad;
        headless->KeyPress(VK_RETURN); // OK: the prompt appears
        if (c.scripted)
            headless->QueueDialogAnswer(IDOK);
        else
            headless->KeyPress(VK_RETURN);
        headless->TypeText("9");       // the edit has the focus, its text selected
        headless->KeyPress(VK_RETURN);
        EXPECT_EQ(dlg.DoModal(), IDOK) << bad;
        EXPECT_EQ(stalls, 0) << bad;
        EXPECT_TRUE(promptSeen) << bad;
        EXPECT_EQ(dlg.m_nSpeed, 9u) << bad << ": the dialog stayed open and the new text was taken";
        CString prompt;
        EXPECT_TRUE(prompt.LoadString(AFX_IDP_PARSE_UINT)) << "the framework's string joined the table";
        EXPECT_STREQ(prompt, "양의 정수를 입력하십시오.");
    }
}

TEST_F(Dialogs, UpdateDataFailsWithoutChangingTheMember)
{
    CSpeedProbe dlg;
    ASSERT_TRUE(dlg.Create(kSpeedId));
    dlg.SetDlgItemText(1010, "12x");
    headless->KeyPress(VK_RETURN); // answers the prompt shown by UpdateData
    EXPECT_FALSE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nSpeed, 5u);
    dlg.SetDlgItemText(1010, "44");
    EXPECT_TRUE(dlg.UpdateData(TRUE));
    EXPECT_EQ(dlg.m_nSpeed, 44u);
    dlg.DestroyWindow();
}

TEST_F(Dialogs, AModelessDialogHidesOnOkAndEscapeAndComesBack)
{
    CDialog alert(kAlertId);
    ASSERT_TRUE(alert.Create(kAlertId));
    HWND hwnd = alert.m_hWnd;
    ASSERT_NE(hwnd, nullptr);
    headless->Pump();
    EXPECT_TRUE(alert.IsWindowVisible());
    for (UINT key : {VK_RETURN, VK_ESCAPE}) {
        alert.ShowWindow(SW_SHOW);
        alert.SetFocus();
        headless->KeyPress(key);
        headless->Pump();
        EXPECT_FALSE(::IsWindowVisible(hwnd)) << "key " << key;
        EXPECT_TRUE(::IsWindow(hwnd)) << "the window stays for the next time";
        EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &alert);
    }
    alert.DestroyWindow();
    EXPECT_EQ(alert.m_hWnd, nullptr);
}

class CKeyEater : public CDialog {
public:
    CKeyEater() : CDialog(kSpeedId) {}
    int escapes = 0;
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE) {
            ++escapes;
            return TRUE;
        }
        return CDialog::PreTranslateMessage(msg);
    }

protected:
    void OnOK() override { EndDialog(42); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CKeyEater, CDialog)
    ON_COMMAND(IDOK, OnOK)
END_MESSAGE_MAP()

TEST_F(Dialogs, PreTranslateMessageSeesKeysBeforeTheDialogManager)
{
    CKeyEater dlg;
    headless->KeyPress(VK_ESCAPE);
    headless->KeyPress(VK_ESCAPE);
    headless->KeyPress(VK_RETURN);
    EXPECT_EQ(dlg.DoModal(), 42);
    EXPECT_EQ(dlg.escapes, 2) << "consumed Escapes never reached IsDialogMessage";
}

TEST_F(Dialogs, AMissingTemplateFailsCleanly)
{
    CDialog dlg(999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(999));
}

} // namespace
