// The ticker in the main window: its start-up state and scrolling, the
// ticker button, and the function menu's commands reaching the ticker.
// The window runs step by step (main_window_fixture.h); a step that moves
// the clock by one period lets one tick through.
#include "main_window_fixture.h"

#include "QuillpostDlg.h"
#include "TextDraw.h"
#include "res/resource.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class TickerInWindow : public MainWindowTest {
protected:
    static CTextDraw& Ticker(const CQuillpostDlg& dlg)
    {
        auto* ticker = dynamic_cast<CTextDraw*>(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, IDC_TICKER)));
        EXPECT_NE(ticker, nullptr) << "control 1009 is the ticker";
        return *ticker;
    }

    // The ticker's columns as the window shows them.
    static std::vector<std::vector<std::uint32_t>> TickerColumns(const CQuillpostDlg& dlg)
    {
        std::vector<std::uint32_t> pixels;
        int w = 0, h = 0;
        EXPECT_TRUE(UserCopyBackingStore(dlg.m_hWnd, pixels, w, h));
        RECT r{};
        ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, IDC_TICKER), &r);
        POINT tl{r.left, r.top};
        ::ScreenToClient(dlg.m_hWnd, &tl);
        std::vector<std::vector<std::uint32_t>> columns;
        for (int x = 0; x < r.right - r.left; ++x) {
            std::vector<std::uint32_t> column;
            for (int y = 0; y < r.bottom - r.top; ++y)
                column.push_back(pixels[static_cast<std::size_t>(tl.y + y) * w + tl.x + x] & 0xFFFFFF);
            columns.push_back(std::move(column));
        }
        return columns;
    }

    Step Tick(int periodMs = 50)
    {
        return [this, periodMs](CQuillpostDlg&) { headless->AdvanceClock(periodMs); };
    }

};

TEST_F(TickerInWindow, StartsWithThePlaceholderAndScrollsInTime)
{
    CQuillpostDlg dlg;
    std::vector<std::vector<std::uint32_t>> atOne;
    std::vector<Step> steps;
    steps.push_back([&](CQuillpostDlg& d) {
        CTextDraw& t = Ticker(d);
        ASSERT_EQ(t.Items().size(), 1u);
        EXPECT_STREQ(t.Items().front().text, "로그인을 하십시요...");
        EXPECT_STREQ(t.Items().front().link, "");
        EXPECT_EQ(t.m_crBack, 0x00FFFFFFu);
        EXPECT_EQ(t.m_crText, 0x00404080u);
        EXPECT_GT(t.m_nStripWidth, 20) << "the strip is built";
        EXPECT_TRUE(t.IsScrolling());
        EXPECT_EQ(t.m_nOffset, 0);
        headless->AdvanceClock(50);
    });
    steps.push_back([&](CQuillpostDlg& d) {
        EXPECT_EQ(Ticker(d).m_nOffset, 1);
        atOne = TickerColumns(d);
        bool inked = false;
        for (const auto& column : atOne)
            for (const std::uint32_t p : column)
                inked = inked || p != 0xFFFFFF;
        EXPECT_TRUE(inked) << "the placeholder is drawn";
        headless->AdvanceClock(50);
    });
    for (int i = 0; i < 4; ++i)
        steps.push_back(Tick());
    steps.push_back([&](CQuillpostDlg& d) {
        ASSERT_EQ(Ticker(d).m_nOffset, 6);
        const auto now = TickerColumns(d);
        ASSERT_EQ(now.size(), atOne.size());
        for (std::size_t x = 0; x + 5 < now.size(); ++x)
            EXPECT_EQ(now[x], atOne[x + 5]) << "the picture moved five columns left, at column " << x;
        d.PostMessage(WM_CLOSE);
    });
    EXPECT_EQ(Run(dlg, steps), IDCANCEL);
}

TEST_F(TickerInWindow, TheTickerButtonPausesAndResumes)
{
    CQuillpostDlg dlg;
    int pausedAt = -1;
    Run(dlg, {
        Tick(),
        [&](CQuillpostDlg& d) { headless->Click(ControlCentre(d, IDC_BTN_TICKER)); },
        [&](CQuillpostDlg& d) {
            EXPECT_FALSE(Ticker(d).IsScrolling());
            pausedAt = Ticker(d).m_nOffset;
            EXPECT_EQ(pausedAt, 1);
            headless->AdvanceClock(500);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_EQ(Ticker(d).m_nOffset, pausedAt) << "paused: no tick";
            headless->AdvanceClock(1000);
            headless->Click(ControlCentre(d, IDC_BTN_TICKER));
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(Ticker(d).IsScrolling());
            headless->AdvanceClock(50);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_EQ(Ticker(d).m_nOffset, pausedAt + 1) << "resumed where it stopped";
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(TickerInWindow, TheFunctionMenuShowsTheTickerMenuAtTheButtonsBottomLeft)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            headless->QueueMenuDismiss();
            headless->Click(ControlCentre(d, IDC_BTN_FUNCTIONS));
        },
        [&](CQuillpostDlg& d) {
            const auto menus = headless->ShownMenus();
            ASSERT_EQ(menus.size(), 1u);
            std::vector<std::pair<std::string, UINT>> items;
            for (const auto& item : menus[0].items)
                items.emplace_back(item.text, item.command);
            EXPECT_EQ(items, (std::vector<std::pair<std::string, UINT>>{
                                 {"글자색", ID_TICKER_COLOR}, {"글자 폰트", ID_TICKER_FONT}, {"스크롤 속도", ID_TICKER_SPEED}}));
            RECT r{};
            ::GetWindowRect(::GetDlgItem(d.m_hWnd, IDC_BTN_FUNCTIONS), &r);
            EXPECT_EQ(menus[0].at.x, r.left);
            EXPECT_EQ(menus[0].at.y, r.bottom);
            EXPECT_EQ(menus[0].owner, UserGetNativeWindow(d.m_hWnd));
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(TickerInWindow, TheSpeedChosenFromTheMenuChangesTheTickersPeriod)
{
    CQuillpostDlg dlg;
    std::string shown;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            headless->QueueMenuChoice(ID_TICKER_SPEED);
            headless->Click(ControlCentre(d, IDC_BTN_FUNCTIONS));
        },
        [&](CQuillpostDlg& d) {
            // The speed dialog is up, over the main window, and the ticker
            // still scrolls.
            HWND speed = ::GetActiveWindow();
            ASSERT_NE(speed, d.m_hWnd);
            char text[16] = {};
            ::GetDlgItemTextA(speed, IDC_EDIT_SPEED, text, sizeof text);
            shown = text;
            EXPECT_TRUE(Ticker(d).IsScrolling());
            ::SetDlgItemTextA(speed, IDC_EDIT_SPEED, "7");
            headless->KeyPress(VK_RETURN);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_EQ(Ticker(d).m_nPeriod, 70);
            EXPECT_TRUE(Ticker(d).IsScrolling());
            d.PostMessage(WM_CLOSE);
        },
    });
    EXPECT_EQ(shown, "5");
}

TEST_F(TickerInWindow, TheColourChosenFromTheMenuRecoloursTheTicker)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            headless->QueueMenuChoice(ID_TICKER_COLOR);
            headless->QueueColorChoice(RGB(0, 0, 200));
            headless->Click(ControlCentre(d, IDC_BTN_FUNCTIONS));
        },
        [&](CQuillpostDlg& d) {
            EXPECT_EQ(Ticker(d).m_crText, RGB(0, 0, 200));
            const auto shown = headless->ShownCommonDialogs();
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].owner, UserGetNativeWindow(d.m_hWnd)) << "the main window owns the dialog";
            EXPECT_TRUE(d.IsWindowEnabled()) << "and is enabled again";
            d.PostMessage(WM_CLOSE);
        },
    });
}

} // namespace
