// DrawTextA's layout over a made-up font: every Latin letter 10 pixels
// wide, a space 5, a period 3, a Hangul syllable 12, line breaks nothing.
#include "text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using gdi::LaidOutLine;
using gdi::layoutText;
using gdi::TextLayout;
using gdi::TextLayoutRequest;

namespace {

constexpr int kLine = 16;

int fakeAdvance(char32_t c)
{
    if (c == U'\n' || c == U'\r')
        return 0;
    if (c == U' ')
        return 5;
    if (c == U'.')
        return 3;
    if (c >= 0xAC00 && c <= 0xD7A3)
        return 12;
    return 10;
}

TextLayout layout(std::u32string_view text, RECT rect, UINT format)
{
    TextLayoutRequest request;
    request.text = text;
    request.rect = rect;
    request.format = format;
    request.lineHeight = kLine;
    return layoutText(request, fakeAdvance);
}

std::vector<std::u32string> texts(const TextLayout& l)
{
    std::vector<std::u32string> out;
    for (const LaidOutLine& line : l.lines)
        out.push_back(line.text);
    return out;
}

TEST(TextLayout, PrefixAmpersands)
{
    struct Case {
        std::u32string_view text;
        UINT format;
        std::u32string_view drawn;
        std::vector<LaidOutLine::Span> underlines;
    };
    const Case cases[] = {
        {U"&File", 0, U"File", {{0, 10}}},
        {U"Save &As", 0, U"Save As", {{45, 55}}},
        {U"R&&D", 0, U"R&D", {}},
        {U"&&&x", 0, U"&x", {{10, 20}}},
        {U"end&", 0, U"end", {}},
        {U"&File", DT_NOPREFIX, U"&File", {}},
        {U"&File", DT_HIDEPREFIX, U"File", {}},
    };
    for (const Case& c : cases) {
        const TextLayout l = layout(c.text, {0, 0, 200, 20}, DT_SINGLELINE | c.format);
        ASSERT_EQ(l.lines.size(), 1u);
        EXPECT_EQ(l.lines[0].text, c.drawn);
        EXPECT_EQ(l.lines[0].underlines, c.underlines);
    }
}

TEST(TextLayout, AlignsASingleLineInItsRectangle)
{
    // "abc" is 30 wide and one 16-pixel line in a 100 x 40 rectangle at (10, 20).
    struct Case {
        UINT format;
        int x;
        int y;
        int result; // with vertical placement, the offset of the text's bottom
    };
    const Case cases[] = {
        {0, 10, 20, 16},
        {DT_CENTER, 45, 20, 16},
        {DT_RIGHT, 80, 20, 16},
        {DT_VCENTER, 10, 32, 28},
        {DT_BOTTOM, 10, 44, 40},
        {DT_CENTER | DT_VCENTER, 45, 32, 28},
    };
    for (const Case& c : cases) {
        const TextLayout l = layout(U"abc", {10, 20, 110, 60}, DT_SINGLELINE | c.format);
        ASSERT_EQ(l.lines.size(), 1u);
        EXPECT_EQ(l.lines[0].x, c.x) << c.format;
        EXPECT_EQ(l.lines[0].y, c.y) << c.format;
        EXPECT_EQ(l.result, c.result) << c.format;
    }
}

TEST(TextLayout, LineBreaksAndVerticalCentringOfSeveralLines)
{
    const std::u32string text = U"ab\ncd\r\nef\rgh";
    const TextLayout multi = layout(text, {0, 0, 100, 100}, DT_VCENTER | DT_CENTER);
    EXPECT_EQ(texts(multi), (std::vector<std::u32string>{U"ab", U"cd", U"ef", U"gh"}));
    // Vertical centring needs a single line: several lines start at the top.
    EXPECT_EQ(multi.lines[0].y, 0);
    EXPECT_EQ(multi.lines[3].y, 3 * kLine);
    EXPECT_EQ(multi.lines[1].x, 40);
    EXPECT_EQ(multi.result, 4 * kLine);

    const TextLayout single = layout(text, {0, 0, 100, 100}, DT_SINGLELINE);
    ASSERT_EQ(single.lines.size(), 1u);
    EXPECT_EQ(single.lines[0].width, 80);
}

TEST(TextLayout, WordBreakKeepsWordsWholeAndBreaksWordsTooLongForALine)
{
    struct Case {
        const char* name;
        std::u32string_view text;
        int width;
        std::vector<std::u32string> lines;
    };
    const Case cases[] = {
        {"fits", U"aa bb", 100, {U"aa bb"}},
        {"breaks at the space", U"aaa bbb ccc", 75, {U"aaa bbb", U"ccc"}},
        {"spaces at a break vanish", U"aaa   bbb", 35, {U"aaa", U"bbb"}},
        {"Hangul words move whole", U"새로운 뉴스가 등록", 80, {U"새로운 뉴스가", U"등록"}},
        {"Hangul without spaces breaks anywhere", U"새로운뉴스가등록되었습니다", 50,
         {U"새로운뉴", U"스가등록", U"되었습니", U"다"}},
        {"long Latin word", U"ab abcdefgh", 40, {U"ab", U"abcd", U"efgh"}},
        {"leading space of a paragraph stays", U"aaaa\n bb", 100, {U"aaaa", U" bb"}},
        {"zero width still progresses", U"abc", 0, {U"a", U"b", U"c"}},
    };
    for (const Case& c : cases) {
        const TextLayout l = layout(c.text, {0, 0, c.width, 500}, DT_WORDBREAK);
        EXPECT_EQ(texts(l), c.lines) << c.name;
        EXPECT_EQ(l.result, static_cast<int>(c.lines.size()) * kLine) << c.name;
        for (const LaidOutLine& line : l.lines)
            EXPECT_TRUE(line.width <= std::max(c.width, 12) || line.text.size() == 1) << c.name;
    }
}

TEST(TextLayout, EndEllipsisCutsAWideLine)
{
    // 100 pixels: "..." takes 9, so nine letters fit before it.
    const TextLayout l = layout(U"abcdefghijklmnop", {0, 0, 100, 20}, DT_SINGLELINE | DT_END_ELLIPSIS | DT_RIGHT);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_EQ(l.lines[0].text, U"abcdefghi...");
    EXPECT_EQ(l.lines[0].width, 99);
    EXPECT_EQ(l.lines[0].x, 1);

    // Text that fits is left alone, and prefix underlines cut with the text.
    EXPECT_EQ(layout(U"abc", {0, 0, 100, 20}, DT_SINGLELINE | DT_END_ELLIPSIS).lines[0].text, U"abc");
    const TextLayout marked = layout(U"abcdefghijkl&m", {0, 0, 100, 20}, DT_SINGLELINE | DT_END_ELLIPSIS);
    EXPECT_TRUE(marked.lines[0].underlines.empty());
    // Too narrow for the ellipsis itself: the ellipsis alone.
    EXPECT_EQ(layout(U"abc", {0, 0, 5, 20}, DT_SINGLELINE | DT_END_ELLIPSIS).lines[0].text, U"...");
}

TEST(TextLayout, EndEllipsisEndsTextThatRunsPastTheBottom)
{
    // The pop-up's flags: three lines of text in room for two.
    const UINT popup = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
    const TextLayout l = layout(U"aaa bbb ccc", {0, 0, 40, 40}, popup);
    EXPECT_EQ(texts(l), (std::vector<std::u32string>{U"aaa", U"bbb..."}));
    EXPECT_EQ(l.result, 2 * kLine);
    EXPECT_LE(l.lines[1].width, 40);

    // The client's announcement fits in two lines and keeps both whole.
    const TextLayout news = layout(U"새로운 뉴스가\n 등록되었습니다.", {10, 20, 190, 63}, popup);
    EXPECT_EQ(texts(news), (std::vector<std::u32string>{U"새로운 뉴스가", U" 등록되었습니다."}));
    EXPECT_EQ(news.lines[0].y, 20);
}

TEST(TextLayout, CalcRectMeasuresWithoutCutting)
{
    const TextLayout single = layout(U"&abcdefghijklmnop", {5, 7, 50, 9}, DT_SINGLELINE | DT_CALCRECT | DT_END_ELLIPSIS);
    EXPECT_EQ(single.bounds.left, 5);
    EXPECT_EQ(single.bounds.top, 7);
    EXPECT_EQ(single.bounds.right, 5 + 160);
    EXPECT_EQ(single.bounds.bottom, 7 + kLine);
    EXPECT_EQ(single.result, kLine);

    const TextLayout wrapped = layout(U"aaa bbbb cc", {0, 0, 50, 0}, DT_WORDBREAK | DT_CALCRECT);
    EXPECT_EQ(wrapped.bounds.right, 40); // the widest line, not the rectangle
    EXPECT_EQ(wrapped.bounds.bottom, 3 * kLine);

    const TextLayout empty = layout(U"", {0, 0, 60, 0}, DT_CALCRECT);
    EXPECT_EQ(empty.bounds.right, 0);
    EXPECT_EQ(empty.bounds.bottom, kLine);
}

TEST(TextLayout, ExtremeRectanglesDoNotOverflow)
{
    const TextLayout l = layout(U"abc", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    ASSERT_EQ(l.lines.size(), 1u);
    EXPECT_LT(l.lines[0].x, 0);
}

} // namespace
