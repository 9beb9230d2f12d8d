// The ticker on the headless backend: the strip and the frames it shows as
// pixels, scrolling in virtual time with the wrap, clicks, painting while
// stopped and while scrolling, and the colour, font and speed commands.
#include "ticker_fixture.h"

#include "TickerLayout.h"

#include <cstring>
#include <functional>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);

bool AllOf(const std::vector<COLORREF>& column, COLORREF color)
{
    for (const COLORREF c : column)
        if (c != color)
            return false;
    return !column.empty();
}

TEST_F(TickerTest, StartsWithItsDefaults)
{
    CTextDraw t;
    EXPECT_EQ(t.m_nPeriod, 50);
    EXPECT_FALSE(t.IsScrolling());
    EXPECT_EQ(t.m_nOffset, 0);
    EXPECT_EQ(t.m_nStripWidth, 0);
    EXPECT_EQ(t.m_crText, 0x00FFFFFFu);
    EXPECT_EQ(t.m_crBack, 0x00000000u);
    EXPECT_EQ(t.m_logfont.lfHeight, -12);
    EXPECT_EQ(t.m_logfont.lfWeight, 400);
    EXPECT_EQ(t.m_logfont.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(t.m_logfont.lfOutPrecision, OUT_CHARACTER_PRECIS);
    EXPECT_EQ(t.m_logfont.lfClipPrecision, CLIP_CHARACTER_PRECIS);
    EXPECT_STREQ(t.m_logfont.lfFaceName, "Arial");
    EXPECT_EQ(t.m_hCursor, ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_POINTER_HAND)))
        << "the program's own pointing hand";
    EXPECT_NE(t.m_hCursor, nullptr);
}

TEST_F(TickerTest, BuildStripLaysTheItemsOutFromTheirMeasuredText)
{
    CTextDraw& t = Make(200);
    t.AddItem("First headline", "http://example.test/1");
    t.AddItem("Two", "");
    EXPECT_EQ(t.Items().front().rect.right, 0) << "nothing is laid out before BuildStrip";
    t.BuildStrip();

    const int first = TextWidth("First headline");
    const int second = TextWidth("Two");
    ASSERT_GT(first, 0);
    const RECT a = t.Items().front().rect;
    const RECT b = t.Items().back().rect;
    EXPECT_EQ(a.left, 0);
    EXPECT_EQ(a.right, first + 20);
    EXPECT_EQ(b.left, a.right + 1);
    EXPECT_EQ(b.right, b.left + second + 20);
    EXPECT_EQ(a.bottom, 18);
    EXPECT_EQ(t.m_nStripWidth, b.right + 1);
    EXPECT_EQ(t.GetStripSize().cx, b.right) << "the image ends at the last item's right edge";
    EXPECT_EQ(t.GetStripSize().cy, 18);

    t.RemoveFirstItem();
    EXPECT_EQ(t.Items().size(), 1u);
    EXPECT_EQ(t.m_nStripWidth, b.right + 1) << "nothing changes before the next BuildStrip";
    t.RemoveAllItems();
    t.RemoveFirstItem(); // on an empty list: nothing
    EXPECT_TRUE(t.Items().empty());
}

TEST_F(TickerTest, WithNoItemsEveryColumnButTheRightmostShowsTheBackground)
{
    CTextDraw& t = Make(60);
    t.SetBkColor(RGB(0, 128, 255));
    t.BuildStrip();
    EXPECT_EQ(t.m_nStripWidth, 0);
    EXPECT_EQ(t.GetStripSize().cx, 60) << "a window-sized block of the background";
    FillSentinel();
    t.StartScroll();
    headless->RunFor(50);
    EXPECT_EQ(t.m_nOffset, 0);
    for (int x = 0; x < 59; ++x)
        EXPECT_TRUE(AllOf(Column(x), RGB(0, 128, 255))) << "column " << x;
    EXPECT_TRUE(AllOf(Column(59), kSentinel)) << "the rightmost column has no source";

    headless->Click(Screen(30, 9));
    headless->Pump();
    EXPECT_TRUE(opened.empty()) << "a click hits nothing";
}

TEST_F(TickerTest, EachTickMovesThePictureOneColumnLeft)
{
    CTextDraw& t = Make(120);
    t.AddItem("A long headline that is wider than the ticker", "x");
    t.BuildStrip();
    ASSERT_GT(t.m_nStripWidth, 2 * 120);
    t.Invalidate();
    t.UpdateWindow(); // stopped: the frame at offset 0
    std::vector<std::vector<COLORREF>> atZero;
    for (int x = 0; x < 120; ++x)
        atZero.push_back(Column(x));

    t.StartScroll();
    for (int step = 1; step <= 7; ++step) {
        headless->RunFor(50);
        ASSERT_EQ(t.m_nOffset, step);
        for (int x = 0; x + step < 120; ++x)
            ASSERT_EQ(Column(x), atZero[static_cast<std::size_t>(x + step)]) << "step " << step << " column " << x;
    }
    headless->RunFor(49);
    EXPECT_EQ(t.m_nOffset, 7) << "no tick before the period has passed";
}

TEST_F(TickerTest, AShortItemInAWideWindowIsShownTwiceAndTheColumnsBeyondAreLeftAlone)
{
    CTextDraw& t = Make(300);
    t.AddItem("Hi", "");
    t.BuildStrip();
    const int w = t.m_nStripWidth;
    const int image = t.GetStripSize().cx;
    ASSERT_LT(2 * image, 300);
    t.Invalidate();
    t.UpdateWindow();
    std::vector<std::vector<COLORREF>> strip; // the image's columns, as the frame at 0 shows them
    for (int x = 0; x < image; ++x)
        strip.push_back(Column(x));
    bool inked = false;
    for (const auto& column : strip)
        inked = inked || !AllOf(column, kWhite);
    ASSERT_TRUE(inked) << "the text is drawn";

    t.StartScroll();
    // Through a whole cycle and past the wrap, each frame painted over the
    // sentinel: columns with a source show it, the others keep the sentinel.
    for (int step = 1; step <= w + 3; ++step) {
        FillSentinel();
        headless->RunFor(50);
        const int o = t.m_nOffset;
        for (int x = 0; x < 300; ++x) {
            const int source = ticker::SourceColumn(o, w, 300, x);
            const std::vector<COLORREF> want =
                source < image ? strip[static_cast<std::size_t>(source)] : std::vector<COLORREF>(18, kSentinel);
            ASSERT_EQ(Column(x), want) << "offset " << o << " column " << x;
        }
    }
    // At offset 0 the item shows, then again from its start, and nothing more.
    while (t.m_nOffset != 0)
        headless->RunFor(50);
    for (int x = 0; x < image; ++x)
        EXPECT_EQ(Column(image + x), strip[static_cast<std::size_t>(x)]);
}

TEST_F(TickerTest, TheOffsetRunsToTheStripWidthAndWrapsToZero)
{
    CTextDraw& t = Make(100);
    t.AddItem("News", "");
    t.BuildStrip();
    const int w = t.m_nStripWidth;
    t.StartScroll();
    std::vector<int> offsets;
    for (int i = 0; i < w + 3; ++i) {
        headless->RunFor(50);
        offsets.push_back(t.m_nOffset);
    }
    EXPECT_EQ(offsets[static_cast<std::size_t>(w - 2)], w - 1);
    EXPECT_EQ(offsets[static_cast<std::size_t>(w - 1)], w);
    EXPECT_EQ(offsets[static_cast<std::size_t>(w)], 0);
    EXPECT_EQ(offsets[static_cast<std::size_t>(w + 1)], 1);
}

TEST_F(TickerTest, ANewHeadlineRestartsTheScrollAtTheStripsFirstColumn)
{
    CTextDraw& t = Make(100);
    t.AddItem("Old news", "a");
    t.BuildStrip();
    t.StartScroll();
    headless->RunFor(50 * 12);
    ASSERT_EQ(t.m_nOffset, 12);
    // As the main window does for a "tickernews" record.
    t.AddItem("Fresh", "b");
    t.StopScroll();
    t.BuildStrip();
    t.StartScroll();
    EXPECT_EQ(t.m_nOffset, 0);
    headless->RunFor(50);
    EXPECT_EQ(t.m_nOffset, 1);
}

TEST_F(TickerTest, ClicksOpenTheLinkOfTheItemUnderThePointerAndNothingOnEdges)
{
    CTextDraw& t = Make(250);
    t.AddItem("Alpha", "http://example.test/alpha");
    t.AddItem("Beta", "http://example.test/beta");
    t.AddItem("Placeholder", "");
    t.BuildStrip();
    auto it = t.Items().begin();
    const RECT a = (it++)->rect;
    const RECT b = (it++)->rect;
    const RECT c = it->rect;
    ASSERT_LT(c.right, 250) << "the whole strip is in view";

    struct Case {
        int x;
        const char* link; // null: nothing hit
    } cases[] = {
        {a.left, nullptr},                      // an item's left edge
        {a.left + 1, "http://example.test/alpha"},
        {a.right - 1, "http://example.test/alpha"},
        {a.right, nullptr},                     // its right edge: the gap column
        {b.left, nullptr},
        {(b.left + b.right) / 2, "http://example.test/beta"},
        {(c.left + c.right) / 2, ""},           // an item without a link
    };
    for (const Case& k : cases) {
        opened.clear();
        t.m_strLink = "untouched";
        headless->AdvanceClock(1000); // each click a single click, not a double one
        headless->Click(Screen(k.x, 3));
        headless->Pump();
        if (k.link == nullptr) {
            EXPECT_STREQ(t.m_strLink, "untouched") << "x " << k.x;
            EXPECT_TRUE(opened.empty()) << "x " << k.x;
        } else if (*k.link == '\0') {
            EXPECT_STREQ(t.m_strLink, "") << "x " << k.x;
            EXPECT_TRUE(opened.empty()) << "an empty link opens nothing";
        } else {
            EXPECT_STREQ(t.m_strLink, k.link) << "x " << k.x;
            ASSERT_EQ(opened.size(), 1u) << "x " << k.x;
            EXPECT_EQ(opened[0].first, k.link);
            EXPECT_EQ(opened[0].second, SW_SHOW);
        }
    }
    EXPECT_FALSE(t.IsScrolling()) << "a click changes neither the scroll state ...";
    EXPECT_EQ(t.m_nOffset, 0) << "... nor the offset";
}

TEST_F(TickerTest, AClickAcrossTheWrapHitsTheItemShownThere)
{
    CTextDraw& t = Make(200);
    t.AddItem("Wrapped", "http://example.test/w");
    t.BuildStrip();
    const int w = t.m_nStripWidth;
    t.StartScroll();
    headless->RunFor(50 * (w - 30)); // the item's end at the left, its start again at column 29
    ASSERT_EQ(t.m_nOffset, w - 30);
    headless->Click(Screen(29 + 1, 3)); // strip column 1, the item's first inner column
    headless->Pump();
    ASSERT_EQ(opened.size(), 1u) << "the copy from the strip's start is clickable where it shows";
    EXPECT_EQ(opened[0].first, "http://example.test/w");
    opened.clear();
    t.StopScroll();
    headless->AdvanceClock(1000);
    headless->Click(Screen(29, 3)); // strip column 0: the item's left edge
    headless->Pump();
    EXPECT_TRUE(opened.empty());
}

TEST_F(TickerTest, ThePointerIsTheHandEverywhereOverTheTicker)
{
    CTextDraw& t = Make(100);
    t.BuildStrip();
    headless->MoveMouse(Screen(50, 9));
    headless->Pump();
    const auto state = headless->State(UserGetNativeWindow(host->m_hWnd));
    ASSERT_TRUE(state.has_value());
    EXPECT_EQ(state->cursor.width, 32);
    EXPECT_EQ(state->cursor.hotSpot.x, 5);
    EXPECT_EQ(state->cursor.hotSpot.y, 0);
    EXPECT_FALSE(state->cursor.argb.empty()) << "the resource's hand, not a standard shape";
}

TEST_F(TickerTest, AnAmpersandUnderlinesTheNextCharacterWhileTheItemKeepsTheRawWidth)
{
    CTextDraw& t = Make(300, 20);
    t.AddItem("AB", "");
    t.AddItem("A&B", "");
    t.BuildStrip();
    const RECT plain = t.Items().front().rect;
    const RECT marked = t.Items().back().rect;
    EXPECT_EQ(marked.right - marked.left, TextWidth("A&B") + 20) << "measured with the ampersand";
    EXPECT_GT(TextWidth("A&B"), TextWidth("AB"));
    t.Invalidate();
    t.UpdateWindow();

    // Drawn from their left edges the two differ only in the underline row.
    const Store shown = Snapshot();
    std::vector<int> rowsThatDiffer;
    for (int y = 0; y < 20; ++y) {
        bool differs = false;
        for (int x = 0; x < plain.right - plain.left; ++x)
            differs = differs || shown.At(plain.left + x, y) != shown.At(marked.left + x, y);
        if (differs)
            rowsThatDiffer.push_back(y);
    }
    ASSERT_FALSE(rowsThatDiffer.empty()) << "the B is underlined";
    EXPECT_LE(rowsThatDiffer.back() - rowsThatDiffer.front(), 1) << "and nothing else differs: no ampersand is drawn";
    const int row = rowsThatDiffer.front();
    const int width = TextWidth("A");
    int underlined = 0;
    for (int x = 0; x < plain.right - plain.left; ++x)
        if (shown.At(marked.left + x, row) != shown.At(plain.left + x, row)) {
            ++underlined;
            EXPECT_GE(x, width - 1) << "only under the B";
        }
    EXPECT_GE(underlined, TextWidth("B") - 2);
}

TEST_F(TickerTest, PaintingWhileStoppedShowsTheFrameAndWhileScrollingOnlyTheControlsOwn)
{
    CTextDraw& t = Make(100);
    t.AddItem("Paint me", "");
    t.BuildStrip();
    t.StartScroll();
    headless->RunFor(50 * 5);
    const std::vector<COLORREF> shownTop = Column(0);
    const COLORREF inside = At(50, 9);

    t.StopScroll();
    FillSentinel();
    t.Invalidate();
    t.UpdateWindow();
    EXPECT_EQ(Column(0), shownTop) << "stopped: the frame at the current offset";
    EXPECT_EQ(At(50, 9), inside);
    EXPECT_EQ(t.m_nOffset, 5);

    t.StartScroll();
    FillSentinel();
    t.Invalidate();
    t.UpdateWindow();
    EXPECT_EQ(At(0, 0), ::GetSysColor(COLOR_WINDOWFRAME)) << "scrolling: the control's black frame";
    EXPECT_EQ(At(50, 9), kSentinel) << "and no strip until the next tick";
    headless->RunFor(50);
    EXPECT_EQ(t.m_nOffset, 6);
    EXPECT_NE(At(50, 9), kSentinel);
}

TEST_F(TickerTest, DestroyingTheWindowStopsTheTimerAndFreesItems)
{
    CTextDraw& t = Make(100);
    t.AddItem("Bye", "");
    t.BuildStrip();
    t.StartScroll();
    ASSERT_NE(UserNextDueMs(), -1);
    t.DestroyWindow();
    EXPECT_FALSE(t.IsScrolling());
    EXPECT_TRUE(t.Items().empty());
    EXPECT_EQ(t.GetStripSize().cx, 0);
    EXPECT_EQ(UserNextDueMs(), -1) << "no timer is left";
}

// ---- The settings commands ------------------------------------------------

TEST_F(TickerTest, TheColourCommandOffersNoColourAndRedrawsKeepingThePosition)
{
    CTextDraw& t = Make(150);
    t.AddItem("Colourful headline", "");
    t.BuildStrip();
    t.StartScroll();
    headless->RunFor(50 * 9);
    headless->QueueColorChoice(RGB(0, 0, 255));
    t.SendMessage(WM_COMMAND, ID_TICKER_COLOR);

    const auto shown = headless->ShownCommonDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].initialColor, std::nullopt) << "no colour preselected";
    EXPECT_EQ(shown[0].owner, UserGetNativeWindow(host->m_hWnd));
    EXPECT_EQ(t.m_crText, RGB(0, 0, 255));
    EXPECT_EQ(t.m_nOffset, 9) << "the scroll position survives";
    EXPECT_TRUE(t.IsScrolling()) << "and so does the scrolling";

    // The strip is drawn in the new colour.
    t.StopScroll();
    t.Invalidate();
    t.UpdateWindow();
    const Store store = Snapshot();
    int blue = 0;
    for (int x = 0; x < 150; ++x)
        for (int y = 0; y < 18; ++y)
            blue += store.At(x, y) == RGB(0, 0, 255) ? 1 : 0;
    EXPECT_GT(blue, 0);
}

TEST_F(TickerTest, ACancelledSettingChangesNothing)
{
    CTextDraw& t = Make(150);
    t.AddItem("Steady", "");
    t.BuildStrip();
    t.StartScroll();
    headless->RunFor(50 * 3);
    const LOGFONTA before = t.m_logfont;
    headless->QueueCommonDialogCancel();
    t.SendMessage(WM_COMMAND, ID_TICKER_COLOR);
    headless->QueueCommonDialogCancel();
    t.SendMessage(WM_COMMAND, ID_TICKER_FONT);
    EXPECT_EQ(t.m_crText, RGB(128, 64, 64));
    EXPECT_EQ(std::memcmp(&before, &t.m_logfont, sizeof before), 0);
    EXPECT_EQ(t.m_nOffset, 3);
    EXPECT_TRUE(t.IsScrolling());
}

TEST_F(TickerTest, TheTickerKeepsScrollingWhileASettingsDialogIsOpen)
{
    CTextDraw& t = Make(150);
    t.AddItem("Still moving while you choose", "");
    t.BuildStrip();
    t.StartScroll();
    headless->QueueColorChoice(RGB(10, 20, 30), 420); // the user takes 420 ms
    t.SendMessage(WM_COMMAND, ID_TICKER_COLOR);
    EXPECT_EQ(t.m_nOffset, 8) << "eight ticks while the dialog was up";
    EXPECT_EQ(t.m_crText, RGB(10, 20, 30));
}

TEST_F(TickerTest, AFontChangeWhileStoppedKeepsTheOffsetOnlyWhereTheNewStripReaches)
{
    CTextDraw& t = Make(150);
    t.AddItem("Sized headline", "");
    t.BuildStrip();
    t.StartScroll();
    const int smallWidth = t.m_nStripWidth;
    headless->RunFor(50 * (smallWidth - 5));
    t.StopScroll();
    ASSERT_EQ(t.m_nOffset, smallWidth - 5);

    // Larger: the offset still lies on the new strip and is kept.
    platform::FontChoice large;
    large.face = "Liberation Serif";
    large.height = -20;
    large.weight = 700;
    headless->QueueFontChoice(large);
    t.SendMessage(WM_COMMAND, ID_TICKER_FONT);
    const auto shown = headless->ShownCommonDialogs();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(shown[0].effects);
    EXPECT_EQ(shown[0].initialFont.face, "Arial") << "the dialog starts from the ticker's font";
    EXPECT_EQ(shown[0].initialFont.height, -12);
    EXPECT_STREQ(t.m_logfont.lfFaceName, "Liberation Serif");
    EXPECT_EQ(t.m_logfont.lfHeight, -20);
    EXPECT_EQ(t.m_logfont.lfWeight, 700);
    EXPECT_GT(t.m_nStripWidth, smallWidth);
    EXPECT_EQ(t.m_nOffset, smallWidth - 5);
    EXPECT_FALSE(t.IsScrolling());

    // Much smaller: the strip no longer reaches the offset, so it starts over.
    platform::FontChoice tiny;
    tiny.face = "Liberation Sans";
    tiny.height = -6;
    tiny.color = RGB(1, 2, 3); // the dialog's colour is not the ticker's
    t.m_nOffset = t.m_nStripWidth - 1;
    headless->QueueFontChoice(tiny);
    t.SendMessage(WM_COMMAND, ID_TICKER_FONT);
    EXPECT_LT(t.m_nStripWidth, smallWidth - 5);
    EXPECT_EQ(t.m_nOffset, 0);
    EXPECT_EQ(t.m_crText, RGB(128, 64, 64));
}

// The speed dialog is run by the ticker; a step drives it once it is up
// and the loop has nothing else to do.
class SpeedCommand : public TickerTest {
protected:
    void RunWith(const std::function<void(HWND dialog)>& step)
    {
        int steps = 0;
        headless->SetStallHandler([&] {
            HWND dialog = ::GetActiveWindow();
            ASSERT_NE(dialog, nullptr);
            if (steps++ == 0)
                step(dialog);
            else
                ::SendMessageA(dialog, WM_COMMAND, IDCANCEL, 0); // the step did not end it
        });
        ticker->SendMessage(WM_COMMAND, ID_TICKER_SPEED);
        headless->SetStallHandler({});
        EXPECT_EQ(steps, 1);
    }
};

TEST_F(SpeedCommand, OpensWithThePeriodInTensOfMillisecondsAndTakesTheNewOne)
{
    CTextDraw& t = Make(120);
    t.AddItem("Speed", "");
    t.BuildStrip();
    t.StartScroll();
    std::string shown;
    RunWith([&](HWND dialog) {
        char text[32] = {};
        ::GetDlgItemTextA(dialog, IDC_EDIT_SPEED, text, sizeof text);
        shown = text;
        ::SetDlgItemTextA(dialog, IDC_EDIT_SPEED, "7");
        headless->KeyPress(VK_RETURN);
    });
    EXPECT_EQ(shown, "5");
    EXPECT_EQ(t.m_nPeriod, 70);
    EXPECT_TRUE(t.IsScrolling());
    const int offset = t.m_nOffset;
    headless->RunFor(69);
    EXPECT_EQ(t.m_nOffset, offset) << "the timer runs at the new period";
    headless->RunFor(1);
    EXPECT_EQ(t.m_nOffset, offset + 1);
}

TEST_F(SpeedCommand, CancelKeepsThePeriodAndAStoppedTickerStaysStopped)
{
    CTextDraw& t = Make(120);
    t.AddItem("Speed", "");
    t.BuildStrip();
    RunWith([&](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_EDIT_SPEED, "30");
        headless->KeyPress(VK_ESCAPE);
    });
    EXPECT_EQ(t.m_nPeriod, 50);

    RunWith([&](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_EDIT_SPEED, "30");
        headless->KeyPress(VK_RETURN);
    });
    EXPECT_EQ(t.m_nPeriod, 300);
    EXPECT_FALSE(t.IsScrolling()) << "confirming does not start a stopped ticker";
}

TEST_F(SpeedCommand, AnEnormousSpeedIsHeldAtTheLongestTimerPeriod)
{
    CTextDraw& t = Make(120);
    t.BuildStrip();
    RunWith([&](HWND dialog) {
        ::SetDlgItemTextA(dialog, IDC_EDIT_SPEED, "4000000000");
        headless->KeyPress(VK_RETURN);
    });
    EXPECT_EQ(t.m_nPeriod, 0x7FFFFFFF) << "never a negative period";
}

} // namespace
