// Raster operations that read the DC's brush: PatBlt, and BitBlt or
// StretchBlt with a pattern.
#include "gdi_test_support.h"
#include "picture.h"

#include <gtest/gtest.h>

using namespace gditest;

namespace {

constexpr COLORREF kPattern = RGB(0xF0, 0x0F, 0x55);
constexpr COLORREF kSource = RGB(0xCC, 0xCC, 0x00);
constexpr COLORREF kDest = RGB(0xAA, 0x33, 0xFF);

struct RopCase {
    const char* name;
    DWORD rop;
    COLORREF expected;
    bool readsSource;
};

// Each channel worked out by hand from the three values above.
const RopCase kRops[] = {
    {"PATCOPY", PATCOPY, RGB(0xF0, 0x0F, 0x55), false},
    {"PATINVERT", PATINVERT, RGB(0x5A, 0x3C, 0xAA), false},
    {"DSTINVERT", DSTINVERT, RGB(0x55, 0xCC, 0x00), false},
    {"BLACKNESS", BLACKNESS, RGB(0, 0, 0), false},
    {"WHITENESS", WHITENESS, RGB(0xFF, 0xFF, 0xFF), false},
    {"MERGECOPY", MERGECOPY, RGB(0xC0, 0x0C, 0x00), true},
    {"PATPAINT", PATPAINT, RGB(0xFB, 0x3F, 0xFF), true},
    {"MERGEPAINT", MERGEPAINT, RGB(0xBB, 0x33, 0xFF), true},
};

class PatternRop : public ::testing::TestWithParam<RopCase> {};

TEST_P(PatternRop, BitBltMixesBrushSourceAndDestination)
{
    const RopCase& c = GetParam();
    Canvas dst(3, 2);
    dst.fill(kDest);
    Canvas src(3, 2);
    src.fill(kSource);
    Brush brush(CreateSolidBrush(kPattern));
    SelectObject(dst.dc.get(), brush.get());
    ASSERT_TRUE(BitBlt(dst.dc.get(), 1, 0, 2, 1, src.dc.get(), 0, 0, c.rop));
    EXPECT_EQ(dst.at(1, 0), c.expected);
    EXPECT_EQ(dst.at(2, 0), c.expected);
    EXPECT_EQ(dst.at(0, 0), kDest); // outside the blit
    EXPECT_EQ(dst.at(1, 1), kDest);
}

TEST_P(PatternRop, PatBltTakesOnlyOperationsWithoutASource)
{
    const RopCase& c = GetParam();
    Canvas dst(3, 2);
    dst.fill(kDest);
    Brush brush(CreateSolidBrush(kPattern));
    SelectObject(dst.dc.get(), brush.get());
    EXPECT_EQ(PatBlt(dst.dc.get(), 0, 1, 2, 1, c.rop), c.readsSource ? FALSE : TRUE);
    EXPECT_EQ(dst.at(0, 1), c.readsSource ? kDest : c.expected);
    EXPECT_EQ(dst.at(1, 1), c.readsSource ? kDest : c.expected);
    EXPECT_EQ(dst.at(2, 1), kDest);
    EXPECT_EQ(dst.at(0, 0), kDest);
}

INSTANTIATE_TEST_SUITE_P(Rops, PatternRop, ::testing::ValuesIn(kRops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatBlt, NegativeExtentsReachLeftAndUp)
{
    Canvas c(4, 3);
    c.fill(RGB(0, 0, 0));
    SelectObject(c.dc.get(), GetStockObject(WHITE_BRUSH));
    ASSERT_TRUE(PatBlt(c.dc.get(), 3, 2, -2, -1, PATCOPY));
    EXPECT_EQ(picture(c, {{RGB(0, 0, 0), '.'}, {RGB(255, 255, 255), '#'}}), rows("....", ".##.", "...."));
}

TEST(PatBlt, HollowBrushDrawsNothingButSucceeds)
{
    Canvas c(2, 2);
    c.fill(kDest);
    SelectObject(c.dc.get(), GetStockObject(NULL_BRUSH));
    EXPECT_TRUE(PatBlt(c.dc.get(), 0, 0, 2, 2, PATCOPY));
    EXPECT_TRUE(PatBlt(c.dc.get(), 0, 0, 2, 2, PATINVERT));
    EXPECT_EQ(c.at(0, 0), kDest);
    // Operations that ignore the brush still work.
    EXPECT_TRUE(PatBlt(c.dc.get(), 0, 0, 1, 1, BLACKNESS));
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
}

TEST(PatBlt, WhiteBrushInvertsPaletteIndicesWhateverTheTableOrder)
{
    // White is index 0 here: an XOR with the white brush must still flip
    // every index bit, as a monochrome mask would.
    Canvas c(2, 1, 1, {RGB(255, 255, 255), RGB(0, 0, 0)});
    SetPixel(c.dc.get(), 0, 0, RGB(255, 255, 255));
    SetPixel(c.dc.get(), 1, 0, RGB(0, 0, 0));
    SelectObject(c.dc.get(), GetStockObject(WHITE_BRUSH));
    ASSERT_TRUE(PatBlt(c.dc.get(), 0, 0, 2, 1, PATINVERT));
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
    EXPECT_EQ(c.at(1, 0), RGB(255, 255, 255));
    // PATCOPY picks the nearest entry.
    SelectObject(c.dc.get(), GetStockObject(DKGRAY_BRUSH));
    ASSERT_TRUE(PatBlt(c.dc.get(), 0, 0, 2, 1, PATCOPY));
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
}

TEST(StretchBlt, PatternOperationsFollowTheStretchedArea)
{
    Canvas dst(4, 1);
    dst.fill(RGB(0, 0, 0));
    Canvas src(2, 1);
    SetPixel(src.dc.get(), 0, 0, RGB(255, 255, 255));
    SetPixel(src.dc.get(), 1, 0, RGB(0, 0, 0));
    Brush brush(CreateSolidBrush(RGB(0, 255, 0)));
    SelectObject(dst.dc.get(), brush.get());
    // Pattern AND source: green where the stretched source is white.
    ASSERT_TRUE(StretchBlt(dst.dc.get(), 0, 0, 4, 1, src.dc.get(), 0, 0, 2, 1, MERGECOPY));
    EXPECT_EQ(picture(dst, {{RGB(0, 0, 0), '.'}, {RGB(0, 255, 0), 'g'}}), rows("gg.."));
}

} // namespace
