// StretchBlt: nearest-neighbour sampling (centre of each destination pixel),
// mirroring by negative extents, raster operations.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

using namespace gditest;

namespace {

// Pixel colours are letters: source pixel i has red 'A' + i.
COLORREF letter(char c)
{
    return RGB(static_cast<BYTE>(c), 0, 0);
}

Canvas row(const std::string& letters)
{
    Canvas c(static_cast<int>(letters.size()), 1);
    for (std::size_t i = 0; i < letters.size(); ++i)
        SetPixel(c.dc.get(), static_cast<int>(i), 0, letter(letters[i]));
    return c;
}

std::string readRow(const Canvas& c, int y = 0)
{
    std::string s;
    for (int x = 0; x < c.width; ++x) {
        const COLORREF v = c.at(x, y);
        s += v == RGB(0, 0, 0) ? '.' : static_cast<char>(GetRValue(v));
    }
    return s;
}

struct StretchCase {
    const char* name;
    int x, w;     // destination
    int sx, sw;   // source
    const char* expected;
};

TEST(StretchBlt, SamplesAndMirrorsAlongARow)
{
    const Canvas src = row("ABCD");
    const StretchCase cases[] = {
        {"same size", 0, 4, 0, 4, "ABCD"},
        {"double", 0, 6, 0, 3, "AABBCC"},
        {"half: centre samples", 0, 2, 0, 4, "BD"},
        {"three to one: the middle", 0, 1, 0, 3, "B....."},
        {"destination mirrored", 3, -3, 0, 3, "CBA"},
        {"source mirrored", 0, 3, 3, -3, "CBA"},
        {"both mirrored: none", 3, -3, 3, -3, "ABC"},
        {"mirrored and doubled", 4, -4, 0, 2, "BBAA"},
        {"source partly outside: those pixels untouched", 0, 4, 2, 4, "CD.."},
        {"zero source width: nothing", 0, 4, 0, 0, "......"},
    };
    for (const StretchCase& c : cases) {
        Canvas dst(6, 1);
        ASSERT_TRUE(StretchBlt(dst.dc.get(), c.x, 0, c.w, 1, src.dc.get(), c.sx, 0, c.sw, 1, SRCCOPY)) << c.name;
        const std::string got = readRow(dst);
        const std::string want = c.expected;
        EXPECT_EQ(got.substr(0, want.size()), want) << c.name;
        EXPECT_EQ(got.substr(want.size()), std::string(6 - want.size(), '.')) << c.name;
    }
}

TEST(StretchBlt, MirrorsVertically)
{
    Canvas src(1, 3);
    for (int y = 0; y < 3; ++y)
        SetPixel(src.dc.get(), 0, y, letter(static_cast<char>('A' + y)));
    Canvas dst(1, 3);
    StretchBlt(dst.dc.get(), 0, 3, 1, -3, src.dc.get(), 0, 0, 1, 3, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), letter('C'));
    EXPECT_EQ(dst.at(0, 2), letter('A'));
}

TEST(StretchBlt, ScalesInTwoDimensionsWithEveryStretchMode)
{
    Canvas src(2, 2);
    SetPixel(src.dc.get(), 0, 0, letter('A'));
    SetPixel(src.dc.get(), 1, 0, letter('B'));
    SetPixel(src.dc.get(), 0, 1, letter('C'));
    SetPixel(src.dc.get(), 1, 1, letter('D'));
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR, HALFTONE}) {
        Canvas dst(4, 4);
        SetStretchBltMode(dst.dc.get(), mode);
        StretchBlt(dst.dc.get(), 0, 0, 4, 4, src.dc.get(), 0, 0, 2, 2, SRCCOPY);
        EXPECT_EQ(readRow(dst, 0), "AABB") << mode;
        EXPECT_EQ(readRow(dst, 1), "AABB") << mode;
        EXPECT_EQ(readRow(dst, 2), "CCDD") << mode;
        EXPECT_EQ(readRow(dst, 3), "CCDD") << mode;
    }
}

TEST(StretchBlt, AppliesRasterOperations)
{
    Canvas src(1, 1);
    SetPixel(src.dc.get(), 0, 0, RGB(0xF0, 0x0F, 0xFF));
    Canvas dst(2, 1);
    dst.fill(RGB(0xFF, 0xFF, 0x0F));
    StretchBlt(dst.dc.get(), 0, 0, 2, 1, src.dc.get(), 0, 0, 1, 1, SRCINVERT);
    EXPECT_EQ(dst.at(0, 0), RGB(0x0F, 0xF0, 0xF0));
    EXPECT_EQ(dst.at(1, 0), RGB(0x0F, 0xF0, 0xF0));
}

TEST(StretchBlt, HugeExtentsOnlyTouchTheSurface)
{
    Canvas src(1, 1);
    SetPixel(src.dc.get(), 0, 0, letter('Z'));
    Canvas dst(3, 2);
    EXPECT_TRUE(StretchBlt(dst.dc.get(), INT_MIN, INT_MIN, INT_MAX, INT_MAX, src.dc.get(), 0, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(readRow(dst), "...");
    EXPECT_TRUE(StretchBlt(dst.dc.get(), 0, 0, INT_MAX, INT_MAX, src.dc.get(), 0, 0, 1, 1, SRCCOPY));
    EXPECT_EQ(readRow(dst, 1), "ZZZ");
    Canvas wide = row("ABC");
    EXPECT_TRUE(StretchBlt(dst.dc.get(), 0, 0, 3, 1, wide.dc.get(), INT_MIN, 0, INT_MAX, 1, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dst.dc.get(), 0, 0, INT_MIN, INT_MIN, wide.dc.get(), 0, 0, INT_MIN, 1, SRCCOPY));
}

} // namespace
