// Filling with brushes: FillRect, FrameRect, InvertRect, DrawFocusRect,
// region fills and DrawEdge.
#include "platform/gdi_surface.h"

#include "gdi_test_support.h"
#include "picture.h"

#include <gtest/gtest.h>

using namespace gditest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
const std::map<COLORREF, char> kLegend{{kWhite, '.'}, {kBlack, '#'}, {kRed, 'r'}};

TEST(FillRect, FillsTheRectangleExclusiveOfRightAndBottom)
{
    Canvas c(5, 4);
    c.fill(kWhite);
    Brush red(CreateSolidBrush(kRed));
    const RECT r{1, 1, 4, 3};
    EXPECT_EQ(FillRect(c.dc.get(), &r, red.get()), 1);
    EXPECT_EQ(picture(c, kLegend), rows(".....", ".rrr.", ".rrr.", "....."));

    // Reversed and empty rectangles fill nothing; missing arguments fail.
    const RECT reversed{4, 3, 1, 1};
    EXPECT_EQ(FillRect(c.dc.get(), &reversed, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_EQ(picture(c, kLegend), rows(".....", ".rrr.", ".rrr.", "....."));
    EXPECT_EQ(FillRect(c.dc.get(), nullptr, red.get()), 0);
    EXPECT_EQ(FillRect(c.dc.get(), &r, nullptr), 0);
    // The mix mode does not apply to FillRect.
    SetROP2(c.dc.get(), R2_XORPEN);
    EXPECT_EQ(FillRect(c.dc.get(), &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))), 1);
    EXPECT_EQ(c.at(1, 1), kBlack);
}

// System colours as the windowing layer gives them: index i is RGB(i, 0, 0).
DWORD fakeSysColor(int index)
{
    return RGB(index, 0, 0);
}

class SysColors : public ::testing::Test {
protected:
    void SetUp() override { GdiSetSysColorSource(&fakeSysColor); }
    void TearDown() override { GdiSetSysColorSource(nullptr); }
};

TEST_F(SysColors, ColourIndexPlusOneBrushesComeFromTheSource)
{
    Canvas c(2, 1);
    c.fill(kWhite);
    const RECT r{0, 0, 1, 1};
    ASSERT_EQ(FillRect(c.dc.get(), &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(5 + 1))), 1);
    EXPECT_EQ(c.at(0, 0), RGB(5, 0, 0));
    EXPECT_EQ(c.at(1, 0), kWhite);

    GdiSetSysColorSource(nullptr);
    EXPECT_EQ(FillRect(c.dc.get(), &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(8 + 1))), 0);
    EXPECT_EQ(c.at(0, 0), RGB(5, 0, 0));
}

TEST_F(SysColors, DrawEdgeUsesTheThreeDimensionalColours)
{
    Canvas c(5, 5);
    c.fill(kWhite);
    RECT r{0, 0, 5, 5};
    ASSERT_TRUE(DrawEdge(c.dc.get(), &r, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    // 15 face, 16 shadow, 20 highlight, 21 dark shadow, 22 light.
    const std::map<COLORREF, char> legend{{RGB(15, 0, 0), 'F'}, {RGB(16, 0, 0), 'S'}, {RGB(20, 0, 0), 'H'},
                                          {RGB(21, 0, 0), 'D'}, {RGB(22, 0, 0), 'L'}, {kWhite, '.'}};
    EXPECT_EQ(picture(c, legend), rows("LLLLD", "LHHSD", "LHFSD", "LSSSD", "DDDDD"));
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 2);
    EXPECT_EQ(r.right, 3);
    EXPECT_EQ(r.bottom, 3);

    c.fill(kWhite);
    RECT s{0, 0, 4, 3};
    ASSERT_TRUE(DrawEdge(c.dc.get(), &s, EDGE_SUNKEN, BF_TOP | BF_LEFT));
    EXPECT_EQ(picture(c, legend), rows("SSSS.", "SDDD.", "SD...", ".....", "....."));
    EXPECT_EQ(s.left, 0); // no BF_ADJUST: the rectangle stays
}

TEST(FrameRect, DrawsAOnePixelFrameInside)
{
    Canvas c(5, 4);
    c.fill(kWhite);
    Brush red(CreateSolidBrush(kRed));
    const RECT r{0, 0, 4, 4};
    ASSERT_TRUE(FrameRect(c.dc.get(), &r, red.get()));
    EXPECT_EQ(picture(c, kLegend), rows("rrrr.", "r..r.", "r..r.", "rrrr."));
    const RECT thin{4, 1, 5, 3};
    ASSERT_TRUE(FrameRect(c.dc.get(), &thin, red.get()));
    EXPECT_EQ(picture(c, kLegend), rows("rrrr.", "r..rr", "r..rr", "rrrr."));
}

TEST(InvertRect, InvertsAndUndoesItself)
{
    Canvas c(3, 1);
    c.fill(RGB(0x12, 0x34, 0x56));
    const RECT r{1, 0, 3, 1};
    ASSERT_TRUE(InvertRect(c.dc.get(), &r));
    EXPECT_EQ(c.at(0, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(c.at(1, 0), RGB(0xED, 0xCB, 0xA9));
    ASSERT_TRUE(InvertRect(c.dc.get(), &r));
    EXPECT_EQ(c.at(1, 0), RGB(0x12, 0x34, 0x56));
}

TEST(DrawFocusRect, DotsEveryOtherFramePixelAndASecondCallErasesIt)
{
    Canvas c(5, 4);
    c.fill(kWhite);
    const RECT r{0, 0, 5, 4};
    ASSERT_TRUE(DrawFocusRect(c.dc.get(), &r));
    EXPECT_EQ(picture(c, kLegend), rows("#.#.#", ".....", "#...#", ".#.#."));
    ASSERT_TRUE(DrawFocusRect(c.dc.get(), &r));
    EXPECT_EQ(picture(c, kLegend), rows(".....", ".....", ".....", "....."));
}

TEST(RegionFills, FillFrameAndInvertFollowTheRegionsShape)
{
    Canvas c(6, 5);
    c.fill(kWhite);
    // An L: a 4 x 2 bar over a 2 x 3 foot.
    Rgn shape(CreateRectRgn(0, 0, 4, 2));
    Rgn foot(CreateRectRgn(0, 2, 2, 5));
    CombineRgn(shape.get(), shape.get(), foot.get(), RGN_OR);
    Brush red(CreateSolidBrush(kRed));

    ASSERT_TRUE(FillRgn(c.dc.get(), shape.get(), red.get()));
    EXPECT_EQ(picture(c, kLegend), rows("rrrr..", "rrrr..", "rr....", "rr....", "rr...."));

    c.fill(kWhite);
    ASSERT_TRUE(FrameRgn(c.dc.get(), shape.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 1));
    // Only (1, 1), where bar and foot meet, has the shape on all four sides.
    EXPECT_EQ(picture(c, kLegend), rows("####..", "#.##..", "##....", "##....", "##...."));

    c.fill(kWhite);
    Rgn square(CreateRectRgn(1, 0, 5, 5));
    ASSERT_TRUE(FrameRgn(c.dc.get(), square.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 1, 2));
    EXPECT_EQ(picture(c, kLegend), rows(".####.", ".####.", ".#..#.", ".####.", ".####."));
    EXPECT_FALSE(FrameRgn(c.dc.get(), square.get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), 0, 1));

    ASSERT_TRUE(InvertRgn(c.dc.get(), foot.get()));
    EXPECT_EQ(picture(c, kLegend), rows(".####.", ".####.", "#...#.", "#.###.", "#.###."));

    HRGN gone = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(gone);
    EXPECT_FALSE(FillRgn(c.dc.get(), gone, red.get()));
}

TEST(RegionFills, PaintRgnUsesTheSelectedBrushAndMixMode)
{
    Canvas c(3, 1);
    c.fill(RGB(0x0F, 0x0F, 0x0F));
    Brush brush(CreateSolidBrush(RGB(0xFF, 0x00, 0xF0)));
    SelectObject(c.dc.get(), brush.get());
    SetROP2(c.dc.get(), R2_XORPEN);
    Rgn r(CreateRectRgn(1, 0, 3, 1));
    ASSERT_TRUE(PaintRgn(c.dc.get(), r.get()));
    EXPECT_EQ(c.at(0, 0), RGB(0x0F, 0x0F, 0x0F));
    EXPECT_EQ(c.at(1, 0), RGB(0xF0, 0x0F, 0xFF));
}

} // namespace
