// The scroll-speed dialog (period in 10 ms steps, the framework's prompt on
// text that is not an unsigned number, the up-down control on its edit)
// and the login-error dialog (modeless, hidden by OK, Enter or Escape).
#include "AlertDialog.h"
#include "SpeedDlg.h"
#include "client_fixture.h"

#include <optional>
#include <string>

namespace {

constexpr const char* kPrompt = "양의 정수를 입력하십시오.";

// Records what the dialog showed and lets a test replace the edit's text
// once the dialog is up, as a user typing over it would.
class CSpeedProbe : public CSpeedDlg {
public:
    std::optional<std::string> typed;
    std::string shown;
    bool spinOnEdit = false;
    int spinPos = -1;

protected:
    BOOL OnInitDialog() override
    {
        const BOOL result = CSpeedDlg::OnInitDialog();
        CString text;
        GetDlgItemText(IDC_EDIT_SPEED, text);
        shown = static_cast<LPCSTR>(text);
        const CWnd* buddy = m_spin.GetBuddy();
        spinOnEdit = buddy && buddy->m_hWnd == ::GetDlgItem(m_hWnd, IDC_EDIT_SPEED);
        spinPos = m_spin.GetPos();
        if (typed)
            SetDlgItemText(IDC_EDIT_SPEED, typed->c_str());
        return result;
    }
};

class SpeedDialog : public ClientTest {};

TEST_F(SpeedDialog, PeriodIsShownInTenMillisecondStepsAndReadBackAfterOk)
{
    struct Case {
        const char* name;
        UINT periodMs;
        std::optional<std::string> typed;
        UINT key;
        INT_PTR result;
        const char* shown;
        UINT periodAfter;
    } cases[] = {
        {"55 ms shows as 5 and comes back as 50", 55, std::nullopt, VK_RETURN, IDOK, "5", 50},
        {"7 entered gives 70 ms", 50, "7", VK_RETURN, IDOK, "5", 70},
        {"0 is accepted", 120, "0", VK_RETURN, IDOK, "12", 0},
        {"Escape leaves the period", 50, "9", VK_ESCAPE, IDCANCEL, "5", 50},
        {"below 10 ms shows 0", 9, std::nullopt, VK_RETURN, IDOK, "0", 0},
    };
    for (const auto& c : cases) {
        CSpeedProbe dlg;
        dlg.SetPeriod(c.periodMs);
        dlg.typed = c.typed;
        headless->KeyPress(c.key);
        EXPECT_EQ(dlg.DoModal(), c.result) << c.name;
        EXPECT_EQ(dlg.shown, c.shown) << c.name;
        EXPECT_EQ(dlg.GetPeriod(), c.periodAfter) << c.name;
        EXPECT_TRUE(dlg.spinOnEdit) << c.name << ": the up-down control takes the edit as its buddy";
        EXPECT_EQ(dlg.m_hWnd, nullptr) << c.name;
    }
}

TEST_F(SpeedDialog, TheUpDownControlReadsItsPositionFromTheEdit)
{
    CSpeedProbe dlg;
    dlg.SetPeriod(70);
    headless->KeyPress(VK_ESCAPE);
    dlg.DoModal();
    EXPECT_EQ(dlg.spinPos, 7) << "the position is read from the buddy's text";
}

TEST_F(SpeedDialog, TextThatIsNotAnUnsignedNumberShowsThePromptAndKeepsTheDialogOpen)
{
    for (const char* bad : {"abc", "-3", "1.5"}) {
        CSpeedProbe dlg;
        dlg.SetPeriod(50);
        dlg.typed = bad;
        const std::size_t boxesBefore = headless->ShownDialogs().size();
        headless->KeyPress(VK_RETURN); // 확인: the prompt appears
        headless->KeyPress(VK_RETURN); // the prompt's OK
        headless->TypeText("8");       // the edit has the focus back, its text selected
        headless->KeyPress(VK_RETURN);
        EXPECT_EQ(dlg.DoModal(), IDOK) << bad;
        EXPECT_EQ(dlg.GetPeriod(), 80u) << bad << ": the dialog stayed open and took the new text";

        const auto shown = headless->ShownDialogs();
        ASSERT_EQ(shown.size(), boxesBefore + 1) << bad;
        EXPECT_TRUE(shown.back().messageBox) << bad;
        EXPECT_EQ(shown.back().text, kPrompt) << bad;
    }
}

TEST_F(SpeedDialog, LargePeriodsDoNotWrapRound)
{
    CSpeedDlg dlg;
    dlg.SetPeriod(4294967295u);
    EXPECT_EQ(dlg.m_nSpeed, 429496729u);
    EXPECT_EQ(dlg.GetPeriod(), 4294967290u);
    dlg.m_nSpeed = 4294967295u; // typed in the edit
    EXPECT_EQ(dlg.GetPeriod(), 4294967295u) << "held at the longest period";
}

class AlertDialog : public ClientTest {};

TEST_F(AlertDialog, ShowsItsMessageAndHidesOnOkEnterAndEscape)
{
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr,
                               nullptr));
    CAlertDialog alert;
    ASSERT_TRUE(alert.Create(CAlertDialog::IDD, &owner));
    const HWND hwnd = alert.m_hWnd;
    EXPECT_FALSE(::IsWindowVisible(hwnd)) << "the owner shows it when it is needed";
    EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), owner.m_hWnd);

    CString caption;
    alert.GetWindowText(caption);
    EXPECT_STREQ(caption, "로그인 에러");
    bool messageFound = false;
    for (HWND c = ::GetWindow(hwnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
        char text[128] = {};
        ::GetWindowTextA(c, text, sizeof text);
        messageFound = messageFound || std::string(text) == "로그인을 하여 주십시요.";
    }
    EXPECT_TRUE(messageFound);

    struct Way {
        const char* name;
        std::optional<UINT> key; // none: a click on OK
    } ways[] = {{"OK clicked", std::nullopt}, {"Enter", VK_RETURN}, {"Escape", VK_ESCAPE}};
    for (const auto& way : ways) {
        alert.ShowWindow(SW_SHOW);
        headless->Pump();
        ASSERT_TRUE(::IsWindowVisible(hwnd)) << way.name;
        if (way.key) {
            alert.SetFocus();
            headless->KeyPress(*way.key);
        } else {
            RECT ok{};
            ::GetWindowRect(::GetDlgItem(hwnd, IDOK), &ok);
            headless->Click({(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
        }
        headless->Pump();
        EXPECT_FALSE(::IsWindowVisible(hwnd)) << way.name;
        EXPECT_TRUE(::IsWindow(hwnd)) << way.name << ": the window stays for the next time";
    }
    alert.DestroyWindow();
    owner.DestroyWindow();
}

} // namespace
