// CDIB::CreatePaletteMedianCut and CDIB::ConvertBPP.
#include "pixkit.h"
#include "platform/gdi.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

namespace {

std::vector<PALETTEENTRY> Entries(const CDIB& image)
{
    std::vector<PALETTEENTRY> out(256);
    const UINT n = GetPaletteEntries(image.GetPalette(), 0, 256, out.data());
    out.resize(n);
    return out;
}

COLORREF Colour(const PALETTEENTRY& e) { return RGB(e.peRed, e.peGreen, e.peBlue); }

TEST(MedianCutPalette, OneColourGivesOneEntryWithTheLowBitsCleared)
{
    CDIB image;
    ASSERT_TRUE(image.Create(7, 5, 24, nullptr));
    image.Fill(RGB(0xFF, 0x41, 0x02));
    image.CreatePaletteMedianCut();
    ASSERT_TRUE(image.IsValidPalette());
    const std::vector<PALETTEENTRY> entries = Entries(image);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(Colour(entries[0]), RGB(252, 0x40, 0));
}

TEST(MedianCutPalette, BlackAndWhiteGiveTwoEntries)
{
    CDIB image;
    ASSERT_TRUE(image.Create(4, 4, 16, nullptr));
    image.FillRect(0, 0, 4, 2, RGB(0, 0, 0));
    image.FillRect(0, 2, 4, 4, RGB(255, 255, 255)); // reads back as 248 at 16 bits
    image.CreatePaletteMedianCut();
    const std::vector<PALETTEENTRY> entries = Entries(image);
    ASSERT_EQ(entries.size(), 2u);
    const std::set<COLORREF> colours = {Colour(entries[0]), Colour(entries[1])};
    EXPECT_EQ(colours, (std::set<COLORREF>{RGB(0, 0, 0), RGB(248, 248, 248)}));
}

TEST(MedianCutPalette, ManyColoursGiveAtMost256Entries)
{
    CDIB image;
    ASSERT_TRUE(image.Create(128, 128, 32, nullptr));
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            image.SetPixelColor(x, y,
                                RGB(static_cast<BYTE>(2 * x), static_cast<BYTE>(2 * y), static_cast<BYTE>(x ^ y)));
    image.CreatePaletteMedianCut();
    const std::vector<PALETTEENTRY> entries = Entries(image);
    EXPECT_GT(entries.size(), 200u);
    EXPECT_LE(entries.size(), 256u);
}

TEST(MedianCutPalette, PaletteImagesAreLeftAlone)
{
    PALETTEENTRY palette[256] = {};
    palette[3] = PALETTEENTRY{9, 8, 7, 0};
    CDIB image;
    ASSERT_TRUE(image.Create(4, 4, 8, palette));
    const HPALETTE before = image.GetPalette();
    image.CreatePaletteMedianCut();
    EXPECT_EQ(image.GetPalette(), before);
    EXPECT_EQ(Colour(Entries(image)[3]), RGB(9, 8, 7));
}

TEST(ConvertBPP, UnhandledPairsReturnZeroAndChangeNothing)
{
    struct Case {
        int from;
        int to;
    };
    const Case cases[] = {{24, 24}, {8, 8}, {24, 4}, {8, 4}, {32, 1}, {4, 8}, {1, 8}, {24, 20}, {16, 0}, {24, -8}};
    for (const Case& c : cases) {
        CDIB image;
        ASSERT_TRUE(image.Create(3, 2, c.from, nullptr));
        image.SetPixel(1, 1, 5);
        unsigned char* const bits = image.GetBits();
        const HBITMAP bitmap = image.GetBitmap();
        const HPALETTE palette = image.GetPalette();
        EXPECT_EQ(image.ConvertBPP(c.to), 0) << c.from << " -> " << c.to;
        EXPECT_EQ(image.GetBitCount(), c.from);
        EXPECT_EQ(image.GetBits(), bits);
        EXPECT_EQ(image.GetBitmap(), bitmap);
        EXPECT_EQ(image.GetPalette(), palette);
        EXPECT_EQ(image.GetPixel(1, 1), c.from >= 8 ? 5u : 0u);
    }
    CDIB empty;
    EXPECT_EQ(empty.ConvertBPP(24), 0);
    EXPECT_FALSE(empty.IsValid());
}

TEST(ConvertBPP, SixteenBitsWidenWithZeroLowBits)
{
    CDIB image;
    ASSERT_TRUE(image.Create(2, 1, 24, nullptr));
    image.SetPixelColor(0, 0, RGB(255, 255, 255));
    image.SetPixelColor(1, 0, RGB(0x87, 0x43, 0x0F));
    ASSERT_EQ(image.ConvertBPP(16), 1);
    EXPECT_EQ(image.GetPixel(0, 0), 0x7FFFu);
    ASSERT_EQ(image.ConvertBPP(24), 1);
    EXPECT_EQ(image.GetPixelColor(0, 0), RGB(248, 248, 248));
    EXPECT_EQ(image.GetPixelColor(1, 0), RGB(0x80, 0x40, 0x08));
    ASSERT_EQ(image.ConvertBPP(32), 1);
    EXPECT_EQ(image.GetPixel(1, 0), 0x00804008u);
}

TEST(ConvertBPP, PaletteToDirectColourReadsTheLogicalPalette)
{
    PALETTEENTRY palette[256] = {};
    palette[1] = PALETTEENTRY{10, 20, 30, 0};
    palette[2] = PALETTEENTRY{200, 100, 50, 0};
    CDIB image;
    ASSERT_TRUE(image.Create(2, 1, 8, palette));
    image.SetPixel(0, 0, 1);
    image.SetPixel(1, 0, 2);
    // Only the bitmap colour table changes: the conversion keeps to the
    // logical palette.
    image.SetIndexColor(2, RGB(1, 1, 1));
    ASSERT_EQ(image.ConvertBPP(24), 1);
    EXPECT_EQ(image.GetBitCount(), 24);
    EXPECT_FALSE(image.IsValidPalette());
    EXPECT_EQ(image.GetPixelColor(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(image.GetPixelColor(1, 0), RGB(200, 100, 50));
}

TEST(ConvertBPP, DirectColourToEightBitsMakesAMedianCutPalette)
{
    CDIB image;
    ASSERT_TRUE(image.Create(6, 4, 24, nullptr));
    const COLORREF colours[3] = {RGB(240, 16, 16), RGB(16, 240, 16), RGB(16, 16, 240)};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            image.SetPixelColor(x, y, colours[(x + y) % 3]);
    ASSERT_FALSE(image.IsValidPalette());
    ASSERT_EQ(image.ConvertBPP(8), 1);
    EXPECT_EQ(image.GetBitCount(), 8);
    ASSERT_TRUE(image.IsValidPalette());
    // Each pixel is the entry of its own colour (exact: multiples of 4).
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image.GetPixelColor(x, y), colours[(x + y) % 3]) << x << "," << y;
}

TEST(ConvertBPP, APaletteGivenBeforehandIsUsedUnchanged)
{
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = PALETTEENTRY{static_cast<BYTE>(i), 0, 0, 0}; // a red ramp
    CDIB image;
    ASSERT_TRUE(image.Create(3, 1, 32, nullptr));
    image.SetPixelColor(0, 0, RGB(100, 0, 0));
    image.SetPixelColor(1, 0, RGB(7, 3, 0));
    image.SetPixelColor(2, 0, RGB(255, 0, 0)); // index 255: cached as "unknown", found again each time
    image.CreatePalette(palette);
    ASSERT_EQ(image.ConvertBPP(8), 1);
    EXPECT_EQ(image.GetPixel(0, 0), 100u);
    EXPECT_EQ(image.GetPixel(1, 0), 7u);
    EXPECT_EQ(image.GetPixel(2, 0), 255u);
    EXPECT_EQ(image.GetPixelColor(2, 0), RGB(255, 0, 0));
}

TEST(ConvertBPP, EveryPixelOfIndex255IsFoundAgain)
{
    // Index 255 wraps to "unknown" in the cache; every occurrence must still
    // come out as 255, not as a stale or wrapped value.
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = PALETTEENTRY{0, static_cast<BYTE>(i), 0, 0};
    CDIB image;
    ASSERT_TRUE(image.Create(16, 16, 24, nullptr));
    image.Fill(RGB(0, 255, 0));
    image.SetPixelColor(3, 3, RGB(0, 254, 0));
    image.CreatePalette(palette);
    ASSERT_EQ(image.ConvertBPP(8), 1);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(image.GetPixel(x, y), (x == 3 && y == 3) ? 254u : 255u) << x << "," << y;
}

TEST(ConvertBPP, BottomUpImagesComeOutTopDownWithTheSamePicture)
{
    CDIB image;
    ASSERT_TRUE(image.Create(3, -4, 24, nullptr));
    ASSERT_NE(image.GetAddr(0, 0), image.GetBits());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            image.SetPixelColor(x, y, RGB(static_cast<BYTE>(x * 40), static_cast<BYTE>(y * 40), 7));
    ASSERT_EQ(image.ConvertBPP(32), 1);
    EXPECT_EQ(image.GetAddr(0, 0), image.GetBits());
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(image.GetPixelColor(x, y), RGB(static_cast<BYTE>(x * 40), static_cast<BYTE>(y * 40), 7));
}

} // namespace
