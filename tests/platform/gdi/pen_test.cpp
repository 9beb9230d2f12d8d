// Drawing with pens: lines and the current position, rectangles, ellipses,
// pen styles and mix modes.
#include "gdi_test_support.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <climits>

using namespace gditest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGray = RGB(128, 128, 128);
const std::map<COLORREF, char> kLegend{{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}, {kGray, 'g'}};

TEST(Lines, LineToLeavesOutItsEndAndMovesTheCurrentPosition)
{
    Canvas c(5, 3);
    c.fill(kWhite);
    POINT previous{-1, -1};
    ASSERT_TRUE(MoveToEx(c.dc.get(), 0, 0, &previous));
    EXPECT_EQ(previous.x, 0); // a new DC starts at (0, 0)
    ASSERT_TRUE(LineTo(c.dc.get(), 4, 2));
    EXPECT_EQ(picture(c, kLegend), rows("##...", "..##.", "....."));
    POINT at{};
    ASSERT_TRUE(GetCurrentPositionEx(c.dc.get(), &at));
    EXPECT_EQ(at.x, 4);
    EXPECT_EQ(at.y, 2);
    // The next line starts where the last ended, so joined lines leave no gap.
    ASSERT_TRUE(LineTo(c.dc.get(), 4, 0));
    EXPECT_EQ(picture(c, kLegend), rows("##...", "..###", "....#"));
}

TEST(Lines, PolylineDrawsEverySegmentOnceAndKeepsThePosition)
{
    Canvas c(4, 3);
    c.fill(kWhite);
    // XOR shows a pixel drawn twice as undrawn.
    SelectObject(c.dc.get(), GetStockObject(WHITE_PEN));
    SetROP2(c.dc.get(), R2_XORPEN);
    const POINT path[]{{0, 0}, {3, 0}, {3, 2}, {0, 2}};
    ASSERT_TRUE(Polyline(c.dc.get(), path, 4));
    EXPECT_EQ(picture(c, kLegend), rows("####", "...#", ".###"));
    POINT at{};
    GetCurrentPositionEx(c.dc.get(), &at);
    EXPECT_EQ(at.x, 0);
    EXPECT_EQ(at.y, 0);
    EXPECT_FALSE(Polyline(c.dc.get(), path, 1));
    EXPECT_FALSE(Polyline(c.dc.get(), nullptr, 2));

    c.fill(kWhite);
    SetROP2(c.dc.get(), R2_COPYPEN);
    SelectObject(c.dc.get(), GetStockObject(BLACK_PEN));
    MoveToEx(c.dc.get(), 0, 2, nullptr);
    const POINT more[]{{0, 0}, {2, 0}};
    ASSERT_TRUE(PolylineTo(c.dc.get(), more, 2));
    EXPECT_EQ(picture(c, kLegend), rows("##..", "#...", "#..."));
    GetCurrentPositionEx(c.dc.get(), &at);
    EXPECT_EQ(at.x, 2);
}

TEST(Lines, FarEndpointsCostNoMoreThanTheSurface)
{
    Canvas c(3, 3);
    c.fill(kWhite);
    MoveToEx(c.dc.get(), -1000000000, -1000000000, nullptr);
    ASSERT_TRUE(LineTo(c.dc.get(), 1000000000, 1000000000));
    EXPECT_EQ(picture(c, kLegend), rows("#..", ".#.", "..#"));
    MoveToEx(c.dc.get(), INT_MIN, 1, nullptr);
    ASSERT_TRUE(LineTo(c.dc.get(), INT_MAX, 1));
    EXPECT_EQ(picture(c, kLegend), rows("#..", "###", "..#"));
}

TEST(Lines, StyledPensKeepTheirRhythmAndFillGapsOnlyWhenOpaque)
{
    Canvas c(10, 1);
    Pen dot(CreatePen(PS_DOT, 1, kBlack));
    SelectObject(c.dc.get(), dot.get());
    SetBkColor(c.dc.get(), kRed);

    c.fill(kWhite);
    SetBkMode(c.dc.get(), TRANSPARENT);
    MoveToEx(c.dc.get(), 0, 0, nullptr);
    LineTo(c.dc.get(), 10, 0);
    EXPECT_EQ(picture(c, kLegend), rows("###...###."));

    c.fill(kWhite);
    SetBkMode(c.dc.get(), OPAQUE);
    MoveToEx(c.dc.get(), 0, 0, nullptr);
    LineTo(c.dc.get(), 10, 0);
    EXPECT_EQ(picture(c, kLegend), rows("###rrr###r"));

    Pen none(CreatePen(PS_NULL, 1, kBlack));
    SelectObject(c.dc.get(), none.get());
    c.fill(kWhite);
    MoveToEx(c.dc.get(), 0, 0, nullptr);
    EXPECT_TRUE(LineTo(c.dc.get(), 10, 0));
    EXPECT_EQ(picture(c, kLegend), rows(".........."));
}

TEST(Rectangles, OutlineInThePenInsideInTheBrush)
{
    Canvas c(6, 5);
    c.fill(kWhite);
    SelectObject(c.dc.get(), GetStockObject(GRAY_BRUSH));
    ASSERT_TRUE(Rectangle(c.dc.get(), 1, 1, 5, 4));
    EXPECT_EQ(picture(c, kLegend), rows("......", ".####.", ".#gg#.", ".####.", "......"));

    // Reversed corners draw the same rectangle.
    c.fill(kWhite);
    ASSERT_TRUE(Rectangle(c.dc.get(), 5, 4, 1, 1));
    EXPECT_EQ(picture(c, kLegend), rows("......", ".####.", ".#gg#.", ".####.", "......"));
}

TEST(Rectangles, NullPenFillsOnePixelLessAndHollowBrushLeavesTheInside)
{
    Canvas c(6, 5);
    c.fill(kWhite);
    SelectObject(c.dc.get(), GetStockObject(GRAY_BRUSH));
    SelectObject(c.dc.get(), GetStockObject(NULL_PEN));
    ASSERT_TRUE(Rectangle(c.dc.get(), 1, 1, 5, 4));
    EXPECT_EQ(picture(c, kLegend), rows("......", ".ggg..", ".ggg..", "......", "......"));

    c.fill(kWhite);
    SelectObject(c.dc.get(), GetStockObject(BLACK_PEN));
    SelectObject(c.dc.get(), GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(Rectangle(c.dc.get(), 0, 0, 4, 3));
    EXPECT_EQ(picture(c, kLegend), rows("####..", "#..#..", "####..", "......", "......"));
}

TEST(Rectangles, WidePensDrawInsideTheBounds)
{
    Canvas c(7, 6);
    c.fill(kWhite);
    Pen wide(CreatePen(PS_SOLID, 2, kRed));
    SelectObject(c.dc.get(), wide.get());
    SelectObject(c.dc.get(), GetStockObject(GRAY_BRUSH));
    ASSERT_TRUE(Rectangle(c.dc.get(), 0, 0, 7, 6));
    EXPECT_EQ(picture(c, kLegend), rows("rrrrrrr", "rrrrrrr", "rrgggrr", "rrgggrr", "rrrrrrr", "rrrrrrr"));
}

TEST(Rectangles, DottedOutlineRunsClockwiseFromTheTopLeft)
{
    Canvas c(8, 3);
    c.fill(kWhite);
    Pen dot(CreatePen(PS_DOT, 1, kBlack));
    SelectObject(c.dc.get(), dot.get());
    SelectObject(c.dc.get(), GetStockObject(NULL_BRUSH));
    SetBkMode(c.dc.get(), TRANSPARENT);
    ASSERT_TRUE(Rectangle(c.dc.get(), 0, 0, 8, 3));
    EXPECT_EQ(picture(c, kLegend), rows("###...##", ".......#", "..###..."));
}

TEST(MixModes, ApplyToPenAndBrushAndUndoWithXor)
{
    Canvas c(4, 3);
    c.fill(RGB(0x10, 0x20, 0x30));
    Pen pen(CreatePen(PS_SOLID, 1, RGB(0xFF, 0x00, 0x00)));
    Brush brush(CreateSolidBrush(RGB(0x00, 0xFF, 0x00)));
    SelectObject(c.dc.get(), pen.get());
    SelectObject(c.dc.get(), brush.get());
    EXPECT_EQ(GetROP2(c.dc.get()), R2_COPYPEN);
    EXPECT_EQ(SetROP2(c.dc.get(), R2_XORPEN), R2_COPYPEN);
    ASSERT_TRUE(Rectangle(c.dc.get(), 0, 0, 4, 3));
    EXPECT_EQ(c.at(0, 0), RGB(0xEF, 0x20, 0x30));
    EXPECT_EQ(c.at(1, 1), RGB(0x10, 0xDF, 0x30));
    ASSERT_TRUE(Rectangle(c.dc.get(), 0, 0, 4, 3));
    EXPECT_EQ(c.at(0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(c.at(1, 1), RGB(0x10, 0x20, 0x30));

    const struct {
        int mode;
        COLORREF expected;
    } modes[] = {
        {R2_BLACK, RGB(0, 0, 0)},          {R2_WHITE, RGB(255, 255, 255)},  {R2_NOP, RGB(0x10, 0x20, 0x30)},
        {R2_NOT, RGB(0xEF, 0xDF, 0xCF)},   {R2_NOTCOPYPEN, RGB(0x00, 0xFF, 0xFF)},
        {R2_MERGEPEN, RGB(0xFF, 0x20, 0x30)}, {R2_MASKPEN, RGB(0x10, 0x00, 0x00)},
    };
    for (const auto& m : modes) {
        c.fill(RGB(0x10, 0x20, 0x30));
        SetROP2(c.dc.get(), m.mode);
        MoveToEx(c.dc.get(), 0, 0, nullptr);
        LineTo(c.dc.get(), 1, 0);
        EXPECT_EQ(c.at(0, 0), m.expected) << m.mode;
    }
    EXPECT_EQ(SetROP2(c.dc.get(), 0), 0);
    EXPECT_EQ(SetROP2(c.dc.get(), 17), 0);
}

TEST(Ellipses, RingInThePenInsideInTheBrush)
{
    Canvas c(5, 5);
    c.fill(kWhite);
    SelectObject(c.dc.get(), GetStockObject(GRAY_BRUSH));
    ASSERT_TRUE(Ellipse(c.dc.get(), 0, 0, 5, 5));
    EXPECT_EQ(picture(c, kLegend), rows(".###.", "#ggg#", "#ggg#", "#ggg#", ".###."));
}

} // namespace
