// Glyph coverage onto surfaces of every kind.
#include "text_paint.h"

#include <gtest/gtest.h>

#include <array>

using gdi::CoverageView;
using gdi::PixelFormat;
using gdi::Surface;

namespace {

// One row of coverage: none, a third, two thirds, full.
constexpr std::array<std::uint8_t, 4> kRamp{0, 85, 170, 255};
const CoverageView kMask{kRamp.data(), 4, 1, 4};

TEST(TextPaint, ColourSurfacesBlendByCoverage)
{
    Surface s = Surface::allocate({6, 2, 24, true}, PixelFormat::standard(32));
    for (int x = 0; x < 6; ++x)
        s.setColor(x, 0, RGB(0, 0, 255));
    const RECT all{0, 0, 6, 2};
    gdi::paintCoverage(s, {&all, 1}, 1, 0, kMask, RGB(255, 0, 0));
    EXPECT_EQ(s.color(0, 0), RGB(0, 0, 255));
    EXPECT_EQ(s.color(1, 0), RGB(0, 0, 255)); // no coverage
    EXPECT_EQ(s.color(2, 0), RGB(85, 0, 170));
    EXPECT_EQ(s.color(3, 0), RGB(170, 0, 85));
    EXPECT_EQ(s.color(4, 0), RGB(255, 0, 0));
    EXPECT_EQ(s.color(5, 0), RGB(0, 0, 255));
    EXPECT_EQ(s.color(2, 1), RGB(0, 0, 0)); // the row below is untouched
}

TEST(TextPaint, PaletteSurfacesTakeTheNearestEntryAtHalfCoverage)
{
    Surface s = Surface::allocate({4, 1, 4, true},
                                  PixelFormat::indexed(8, {{0, 0, 0, 0}, {255, 255, 255, 0}, {0, 0, 200, 0}}));
    for (int x = 0; x < 4; ++x)
        s.setRaw(x, 0, 1); // white
    const RECT all{0, 0, 4, 1};
    gdi::paintCoverage(s, {&all, 1}, 0, 0, kMask, RGB(255, 0, 0));
    EXPECT_EQ(s.raw(0, 0), 1u);
    EXPECT_EQ(s.raw(1, 0), 1u);
    EXPECT_EQ(s.raw(2, 0), 2u); // red's nearest entry
    EXPECT_EQ(s.raw(3, 0), 2u);
}

TEST(TextPaint, DrawsOnlyInsideTheClipAndTheSurface)
{
    Surface s = Surface::allocate({4, 1, 16, true}, PixelFormat::standard(32));
    const RECT clip[] = {{0, 0, 1, 1}, {3, 0, 9, 1}};
    const std::array<std::uint8_t, 8> full{255, 255, 255, 255, 255, 255, 255, 255};
    gdi::paintCoverage(s, clip, -2, 0, {full.data(), 8, 1, 8}, RGB(9, 9, 9));
    gdi::fillArea(s, clip, {-5, -5, 50, 50}, RGB(9, 9, 9));
    EXPECT_EQ(s.color(0, 0), RGB(9, 9, 9));
    EXPECT_EQ(s.color(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.color(2, 0), RGB(0, 0, 0));
    EXPECT_EQ(s.color(3, 0), RGB(9, 9, 9));
}

} // namespace
