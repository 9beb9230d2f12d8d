// The ticker's arithmetic without the platform: item layout, the columns a
// frame shows at each offset (and the wrap), the offset's steps, and hit
// testing, which must agree with what the frame shows.
#include "TickerLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ticker::Copy;
using ticker::Span;

// What each window column shows at an offset, from the copies: the strip
// column, or -1 where no copy reaches (left unchanged).
std::vector<int> Shown(int offset, int stripWidth, int imageWidth, int clientWidth)
{
    std::vector<int> columns(static_cast<std::size_t>(clientWidth), -1);
    const std::vector<Copy> copies = ticker::FrameCopies(offset, stripWidth, imageWidth, clientWidth);
    EXPECT_LE(copies.size(), 2u) << "one or two block copies per frame";
    for (const Copy& c : copies) {
        EXPECT_GE(c.srcX, 0);
        EXPECT_LE(c.srcX + c.width, imageWidth) << "only columns the image has";
        for (int i = 0; i < c.width; ++i) {
            EXPECT_EQ(columns[static_cast<std::size_t>(c.destX + i)], -1) << "copies overlap at " << c.destX + i;
            columns[static_cast<std::size_t>(c.destX + i)] = c.srcX + i;
        }
    }
    return columns;
}

TEST(TickerLayout, ItemsGetTwentyBlankPixelsAndAOneColumnGap)
{
    const std::vector<Span> items = ticker::LayoutItems({50, 0, 7});
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].left, 0);
    EXPECT_EQ(items[0].right, 70);
    EXPECT_EQ(items[1].left, 71);
    EXPECT_EQ(items[1].right, 91);
    EXPECT_EQ(items[2].left, 92);
    EXPECT_EQ(items[2].right, 119);
    EXPECT_EQ(ticker::StripWidth(items), 120);
    EXPECT_EQ(ticker::StripImageWidth(120, true, 300), 119) << "the image ends at the last item's right edge";

    EXPECT_TRUE(ticker::LayoutItems({}).empty());
    EXPECT_EQ(ticker::StripWidth({}), 0);
    EXPECT_EQ(ticker::StripImageWidth(0, false, 300), 300) << "with no items the image is the window's width";
}

TEST(TickerLayout, AFrameShowsTheStripFromTheOffsetThenFromItsStart)
{
    // W = 100: image columns 0..98.
    struct Case {
        int offset;
        int clientWidth;
        std::vector<int> expect; // per window column
    } cases[] = {
        {0, 5, {0, 1, 2, 3, 4}},
        {95, 5, {95, 96, 97, 98, -1}},  // o + cw = W: column W - 1 is not in the image
        {96, 5, {96, 97, 98, 0, 1}},    // wrap: the end, then the start
        {99, 5, {0, 1, 2, 3, 4}},       // o = W - 1 looks like o = 0 ...
        {100, 5, {1, 2, 3, 4, 5}},      // ... and o = W like o = 1
    };
    for (const Case& c : cases)
        EXPECT_EQ(Shown(c.offset, 100, 99, c.clientWidth), c.expect) << "offset " << c.offset;
}

TEST(TickerLayout, AShortStripInAWideWindowIsShownTwiceAndNoFurther)
{
    // One item: W = 31, image 30 columns, window 100 columns.
    const std::vector<int> shown = Shown(0, 31, 30, 100);
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(shown[static_cast<std::size_t>(x)], x);
    for (int x = 30; x < 60; ++x)
        EXPECT_EQ(shown[static_cast<std::size_t>(x)], x - 30) << "the copy from the start at " << x;
    for (int x = 60; x < 100; ++x)
        EXPECT_EQ(shown[static_cast<std::size_t>(x)], -1) << "column " << x << " is left unchanged";
}

TEST(TickerLayout, WithoutItemsEveryColumnButTheRightmostShowsTheBackground)
{
    const std::vector<int> shown = Shown(0, 0, 40, 40);
    for (int x = 0; x < 39; ++x)
        EXPECT_GE(shown[static_cast<std::size_t>(x)], 0) << x;
    EXPECT_EQ(shown[39], -1);
    EXPECT_EQ(ticker::NextOffset(0, 0), 0) << "the offset stays at 0";
}

TEST(TickerLayout, TheOffsetRunsUpToTheStripWidthAndWrapsToZero)
{
    std::vector<int> seen;
    int o = 7;
    for (int i = 0; i < 6; ++i) {
        o = ticker::NextOffset(o, 10);
        seen.push_back(o);
    }
    EXPECT_EQ(seen, (std::vector<int>{8, 9, 10, 0, 1, 2}));
    EXPECT_EQ(ticker::ValidOffset(10, 10), 10);
    EXPECT_EQ(ticker::ValidOffset(11, 10), 0) << "a strip that shrank below the offset starts over";
}

TEST(TickerLayout, ClicksHitOnlyInsideAnItemAndNeverOnItsEdgesOrTheGap)
{
    const std::vector<Span> items = ticker::LayoutItems({30, 30}); // (0,50) and (51,101); W = 102
    const int w = ticker::StripWidth(items);
    struct Case {
        int x;
        std::optional<std::size_t> hit;
    } cases[] = {
        {0, std::nullopt}, {1, 0u}, {49, 0u}, {50, std::nullopt}, {51, std::nullopt}, {52, 1u}, {100, 1u},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ticker::HitTest(items, 0, w, 200 /* wraps at 101 */, c.x), c.hit) << "x " << c.x;
}

TEST(TickerLayout, AClickHitsTheItemTheFrameShowsUnderThePointer)
{
    // At every offset of a cycle, every window column: the item hit is the
    // item whose inside the shown column lies in (none where nothing is
    // shown), also across the wrap.
    const std::vector<Span> items = ticker::LayoutItems({12, 3, 25});
    const int w = ticker::StripWidth(items);
    const int image = ticker::StripImageWidth(w, true, 0);
    for (const int clientWidth : {40, 90, 200}) {
        for (int o = 0; o <= w; ++o) {
            const std::vector<int> shown = Shown(o, w, image, clientWidth);
            for (int x = 0; x < clientWidth; ++x) {
                std::optional<std::size_t> want;
                const int column = shown[static_cast<std::size_t>(x)];
                for (std::size_t i = 0; i < items.size() && column >= 0; ++i)
                    if (items[i].left < column && column < items[i].right) {
                        want = i;
                        break;
                    }
                ASSERT_EQ(ticker::HitTest(items, o, w, clientWidth, x), want)
                    << "cw " << clientWidth << " o " << o << " x " << x << " shows column " << column;
            }
        }
    }
}

} // namespace
