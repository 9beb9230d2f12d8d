// BitBlt: raster operations, colour and monochrome conversions, the
// transparent-copy sequence built on them, clipping.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <climits>

using namespace gditest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

struct RopCase {
    const char* name;
    DWORD rop;
    std::uint32_t expected; // raw 32-bit result
};

TEST(BitBlt, EachRasterOperationCombinesRawValues)
{
    // One pixel each; source 0xCCAA55, destination 0xAA33F0, in 32-bit raw form.
    const std::uint32_t s = 0xCCAA55;
    const std::uint32_t d = 0xAA33F0;
    const RopCase cases[] = {
        {"SRCCOPY", SRCCOPY, s},
        {"SRCINVERT", SRCINVERT, s ^ d},
        {"SRCAND", SRCAND, s & d},
        {"SRCPAINT", SRCPAINT, s | d},
        {"SRCERASE", SRCERASE, s & ~d & 0xFFFFFF},
        {"NOTSRCCOPY", NOTSRCCOPY, ~s & 0xFFFFFF},
        {"DSTINVERT", DSTINVERT, ~d & 0xFFFFFF},
        {"BLACKNESS", BLACKNESS, 0},
        {"WHITENESS", WHITENESS, 0xFFFFFF},
        {"NOTSRCERASE (pattern-free, generic)", 0x001100A6, ~(s | d) & 0xFFFFFF},
    };
    for (const RopCase& c : cases) {
        Canvas src(1, 1);
        Canvas dst(1, 1);
        reinterpret_cast<std::uint32_t*>(src.dib.bits)[0] = s;
        reinterpret_cast<std::uint32_t*>(dst.dib.bits)[0] = d;
        EXPECT_TRUE(BitBlt(dst.dc.get(), 0, 0, 1, 1, src.dc.get(), 0, 0, c.rop)) << c.name;
        EXPECT_EQ(reinterpret_cast<std::uint32_t*>(dst.dib.bits)[0], c.expected) << c.name;
    }
}

TEST(BitBlt, OperationsWithoutSourceNeedNoSourceDc)
{
    Canvas dst(2, 1);
    dst.fill(RGB(0x10, 0x20, 0x30));
    EXPECT_TRUE(BitBlt(dst.dc.get(), 0, 0, 1, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(dst.at(0, 0), RGB(0xEF, 0xDF, 0xCF));
    EXPECT_EQ(dst.at(1, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_FALSE(BitBlt(dst.dc.get(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    // Pattern operations take the DC's brush, white by default.
    EXPECT_TRUE(BitBlt(dst.dc.get(), 1, 0, 1, 1, nullptr, 0, 0, PATCOPY));
    EXPECT_EQ(dst.at(1, 0), RGB(255, 255, 255));
}

TEST(BitBlt, BlacknessAndWhitenessUseTheNearestEntriesOfAPalette)
{
    // A 1-bit section whose table lists white first.
    Canvas dst(2, 1, 1, {kWhite, kBlack});
    BitBlt(dst.dc.get(), 0, 0, 1, 1, nullptr, 0, 0, WHITENESS);
    BitBlt(dst.dc.get(), 1, 0, 1, 1, nullptr, 0, 0, BLACKNESS);
    EXPECT_EQ(dst.at(0, 0), kWhite);
    EXPECT_EQ(dst.at(1, 0), kBlack);
}

TEST(BitBlt, ColourConvertsThroughColorrefToAnyDepth)
{
    Canvas src(2, 1, 24);
    SetPixel(src.dc.get(), 0, 0, RGB(250, 10, 10));
    SetPixel(src.dc.get(), 1, 0, RGB(10, 10, 250));
    Canvas pal(2, 1, 8, {kBlack, RGB(255, 0, 0), RGB(0, 0, 255)});
    Canvas c16(2, 1, 16);
    ASSERT_TRUE(BitBlt(pal.dc.get(), 0, 0, 2, 1, src.dc.get(), 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(c16.dc.get(), 0, 0, 2, 1, src.dc.get(), 0, 0, SRCCOPY));
    EXPECT_EQ(pal.dib.bits[0], 1);
    EXPECT_EQ(pal.dib.bits[1], 2);
    EXPECT_EQ(c16.at(0, 0), RGB(248, 8, 8));
    // 8-bit back to 32-bit goes through the source's colour table.
    Canvas out(2, 1);
    BitBlt(out.dc.get(), 0, 0, 2, 1, pal.dc.get(), 0, 0, SRCCOPY);
    EXPECT_EQ(out.at(1, 0), RGB(0, 0, 255));
}

// A monochrome device bitmap in a DC.
struct MonoCanvas {
    Bitmap bitmap;
    Dc dc;
    MonoCanvas(int w, int h) : bitmap(CreateBitmap(w, h, 1, 1, nullptr)), dc(dcWith(bitmap.get())) {}
};

TEST(BitBlt, ColourToMonochromeMarksTheSourceBackground)
{
    Canvas src(3, 1);
    SetPixel(src.dc.get(), 0, 0, RGB(0, 255, 0));
    SetPixel(src.dc.get(), 1, 0, RGB(0, 254, 0));
    SetPixel(src.dc.get(), 2, 0, kWhite);
    SetBkColor(src.dc.get(), RGB(0, 255, 0));
    MonoCanvas mask(3, 1);
    ASSERT_TRUE(BitBlt(mask.dc.get(), 0, 0, 3, 1, src.dc.get(), 0, 0, SRCCOPY));
    // 1 (white) only where the source equals its DC's background colour:
    // a near miss and white itself give 0.
    EXPECT_EQ(GetPixel(mask.dc.get(), 0, 0), kWhite);
    EXPECT_EQ(GetPixel(mask.dc.get(), 1, 0), kBlack);
    EXPECT_EQ(GetPixel(mask.dc.get(), 2, 0), kBlack);
}

TEST(BitBlt, ColourToMonochromeComparesInTheSourceFormat)
{
    // 16 bits: both pixels pack to the same 5-5-5 value as the background.
    Canvas c16(2, 1, 16);
    SetPixel(c16.dc.get(), 0, 0, RGB(0, 255, 0));
    SetPixel(c16.dc.get(), 1, 0, RGB(0, 250, 0));
    SetBkColor(c16.dc.get(), RGB(0, 252, 0));
    MonoCanvas m16(2, 1);
    BitBlt(m16.dc.get(), 0, 0, 2, 1, c16.dc.get(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(m16.dc.get(), 0, 0), kWhite);
    EXPECT_EQ(GetPixel(m16.dc.get(), 1, 0), kWhite);

    // Palette: the background colour's nearest index decides.
    Canvas c8(2, 1, 8, {kBlack, RGB(0, 200, 0)});
    SetPixel(c8.dc.get(), 0, 0, RGB(0, 200, 0));
    SetBkColor(c8.dc.get(), RGB(0, 255, 0));
    MonoCanvas m8(2, 1);
    BitBlt(m8.dc.get(), 0, 0, 2, 1, c8.dc.get(), 0, 0, SRCCOPY);
    EXPECT_EQ(GetPixel(m8.dc.get(), 0, 0), kWhite);
    EXPECT_EQ(GetPixel(m8.dc.get(), 1, 0), kBlack);
}

TEST(BitBlt, MonochromeToColourUsesTheDestinationColours)
{
    // Colours that every depth holds exactly (5-bit channels included).
    const std::uint8_t bits[2] = {0b10000000, 0};
    Bitmap mono(CreateBitmap(2, 1, 1, 1, bits));
    Dc src = dcWith(mono.get());
    for (int bpp : {8, 16, 24, 32}) {
        Canvas dst(2, 1, bpp, {kBlack, RGB(248, 0, 0), RGB(0, 0, 248), kWhite});
        SetBkColor(dst.dc.get(), RGB(248, 0, 0));
        SetTextColor(dst.dc.get(), RGB(0, 0, 248));
        ASSERT_TRUE(BitBlt(dst.dc.get(), 0, 0, 2, 1, src.get(), 0, 0, SRCCOPY));
        EXPECT_EQ(dst.at(0, 0), RGB(248, 0, 0)) << bpp; // bit 1: background
        EXPECT_EQ(dst.at(1, 0), RGB(0, 0, 248)) << bpp; // bit 0: text
    }
}

TEST(BitBlt, OneBitDibSectionConvertsThroughItsColourTable)
{
    Canvas src(2, 1, 1, {RGB(255, 0, 0), RGB(0, 255, 0)});
    src.dib.bits[0] = 0b01000000;
    Canvas dst(2, 1);
    SetBkColor(dst.dc.get(), RGB(1, 1, 1));
    SetTextColor(dst.dc.get(), RGB(2, 2, 2));
    BitBlt(dst.dc.get(), 0, 0, 2, 1, src.dc.get(), 0, 0, SRCCOPY);
    EXPECT_EQ(dst.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(dst.at(1, 0), RGB(0, 255, 0));
}

// The transparent copy: mask from the key colour, then SRCINVERT, SRCAND,
// SRCINVERT onto a DC whose background is white and text black.
class TransparentBlit : public testing::TestWithParam<int> {};

TEST_P(TransparentBlit, KeyPixelsLeaveTheDestinationUnchanged)
{
    const int bpp = GetParam();
    // Colours that every depth holds exactly (5-bit channels included).
    const COLORREF key = RGB(0, 248, 0);
    const COLORREF ink = RGB(248, 0, 0);
    const COLORREF back = RGB(0, 0, 248);
    const std::initializer_list<COLORREF> table = {kBlack, key, ink, back, kWhite};

    Canvas src(4, 1, bpp, table);
    SetPixel(src.dc.get(), 0, 0, key);
    SetPixel(src.dc.get(), 1, 0, ink);
    SetPixel(src.dc.get(), 2, 0, key);
    SetPixel(src.dc.get(), 3, 0, back); // the same colour as the destination under it

    Canvas dst(4, 1, bpp, table);
    dst.fill(back);
    SetPixel(dst.dc.get(), 2, 0, ink); // under a key pixel: must survive
    SetBkColor(dst.dc.get(), kWhite);
    SetTextColor(dst.dc.get(), kBlack);

    MonoCanvas mask(4, 1);
    SetBkColor(src.dc.get(), key);
    ASSERT_TRUE(BitBlt(mask.dc.get(), 0, 0, 4, 1, src.dc.get(), 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(dst.dc.get(), 0, 0, 4, 1, src.dc.get(), 0, 0, SRCINVERT));
    ASSERT_TRUE(BitBlt(dst.dc.get(), 0, 0, 4, 1, mask.dc.get(), 0, 0, SRCAND));
    ASSERT_TRUE(BitBlt(dst.dc.get(), 0, 0, 4, 1, src.dc.get(), 0, 0, SRCINVERT));

    EXPECT_EQ(dst.at(0, 0), back) << bpp;
    EXPECT_EQ(dst.at(1, 0), ink) << bpp;
    EXPECT_EQ(dst.at(2, 0), ink) << bpp;
    EXPECT_EQ(dst.at(3, 0), back) << bpp;
}

INSTANTIATE_TEST_SUITE_P(Depths, TransparentBlit, testing::Values(4, 8, 16, 24, 32));

TEST(BitBlt, HostileRectanglesAreClippedToBothSurfaces)
{
    struct Case {
        int x, y, w, h, sx, sy;
    };
    const Case cases[] = {
        {-2, -2, 4, 4, 0, 0},          {2, 2, 100, 100, 0, 0},     {0, 0, 4, 4, -3, -1},
        {0, 0, 4, 4, 3, 3},            {INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0},
        {0, 0, INT_MAX, INT_MAX, 0, 0}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX, 0, 0},
        {0, 0, 4, 4, INT_MIN, INT_MAX}, {0, 0, 4, 4, INT_MAX, INT_MIN},
        {-1, 0, 4, 4, -1, 0},          {0, 0, -4, -4, 0, 0},
    };
    Canvas src(4, 4);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            SetPixel(src.dc.get(), x, y, RGB(x * 16 + 1, y * 16 + 1, 7));
    for (const Case& c : cases) {
        Canvas dst(4, 4);
        dst.fill(kWhite);
        BitBlt(dst.dc.get(), c.x, c.y, c.w, c.h, src.dc.get(), c.sx, c.sy, SRCCOPY);
        // Every destination pixel is untouched or the source pixel it lines up with.
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 4; ++x) {
                const COLORREF got = dst.at(x, y);
                if (got == kWhite)
                    continue;
                const long long sx = static_cast<long long>(x) - c.x + c.sx;
                const long long sy = static_cast<long long>(y) - c.y + c.sy;
                ASSERT_TRUE(sx >= 0 && sx < 4 && sy >= 0 && sy < 4) << x << "," << y;
                EXPECT_EQ(got, src.at(static_cast<int>(sx), static_cast<int>(sy)));
            }
    }
}

TEST(BitBlt, ClippedCopyLandsExactlyWhereBothSurfacesOverlap)
{
    Canvas src(3, 3);
    src.fill(RGB(9, 9, 9));
    Canvas dst(4, 4);
    BitBlt(dst.dc.get(), 2, -1, 10, 10, src.dc.get(), 0, 0, SRCCOPY);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(dst.at(x, y), (x >= 2 && y <= 1) ? RGB(9, 9, 9) : kBlack) << x << "," << y;
}

TEST(BitBlt, OverlappingCopyWithinOneBitmapReadsTheOldPixels)
{
    Canvas c(5, 1, 8, {kBlack, RGB(1, 0, 0), RGB(2, 0, 0), RGB(3, 0, 0), RGB(4, 0, 0)});
    for (int x = 0; x < 5; ++x)
        c.dib.bits[x] = static_cast<std::uint8_t>(x);
    BitBlt(c.dc.get(), 1, 0, 4, 1, c.dc.get(), 0, 0, SRCCOPY);
    const std::uint8_t expected[5] = {0, 0, 1, 2, 3};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(c.dib.bits[x], expected[x]) << x;
}

TEST(BitBlt, StaleDcsFail)
{
    Canvas dst(2, 2);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    EXPECT_FALSE(BitBlt(dst.dc.get(), 0, 0, 2, 2, gone, 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(gone, 0, 0, 2, 2, dst.dc.get(), 0, 0, SRCCOPY));
    EXPECT_FALSE(BitBlt(dst.dc.get(), 0, 0, 2, 2, dst.dc.get(), 0, 0, 0xFF000000u));
}

} // namespace
