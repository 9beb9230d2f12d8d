// Raw and colour pixel access at every depth, channel layouts and the three
// colour tables.
#include "dib_test_support.h"

#include <gtest/gtest.h>

using namespace pixkit_test;

namespace {

TEST(DibPixels, RawValuesAreStoredLittleEndianByDepth)
{
    struct Case {
        int bits;
        unsigned long written;
        unsigned long read;
        Bytes stored;
    } const cases[] = {
        {8, 0x1AB, 0xAB, {0xAB}},
        {16, 0x12345, 0x2345, {0x45, 0x23}},
        {24, 0x332211, 0x332211, {0x11, 0x22, 0x33}},
        {32, 0xAABBCCDD, 0xAABBCCDD, {0xDD, 0xCC, 0xBB, 0xAA}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bits);
        CDIB dib;
        ASSERT_EQ(dib.Create(5, 3, c.bits, nullptr), 1);
        std::memset(dib.GetBits(), 0, dib.GetBitsSize());
        dib.SetPixel(4, 2, c.written);
        EXPECT_EQ(dib.GetPixel(4, 2), c.read);
        const unsigned char* at = dib.GetAddr(4, 2);
        EXPECT_EQ(Bytes(at, at + c.stored.size()), c.stored);
        EXPECT_EQ(at + c.stored.size(), dib.GetBits() + 2 * dib.GetPitch() + 5 * (c.bits / 8));
    }
}

TEST(DibPixels, OutsideTheImageReadsZeroAndWritesNothing)
{
    for (int bits : {8, 16, 24, 32}) {
        CDIB dib;
        ASSERT_EQ(dib.Create(4, 3, bits, nullptr), 1);
        std::memset(dib.GetBits(), 0x5C, dib.GetBitsSize());
        const Bytes before = Storage(dib);
        const int points[][2] = {{-1, 0}, {4, 0}, {0, 3}, {0, -1}, {INT32_MIN, INT32_MIN}, {INT32_MAX, 1}};
        for (const auto& p : points) {
            EXPECT_EQ(dib.GetAddr(p[0], p[1]), nullptr);
            EXPECT_EQ(dib.GetPixel(p[0], p[1]), 0u);
            dib.SetPixel(p[0], p[1], 0xFFFFFFFF);
            dib.SetPixelColor(p[0], p[1], 0xFFFFFF);
        }
        EXPECT_EQ(Storage(dib), before) << bits << " bits";
    }
}

TEST(DibPixels, OneAndFourBitPixelsReadZeroAndIgnoreWrites)
{
    for (int bits : {1, 4}) {
        CDIB dib;
        ASSERT_EQ(dib.Create(9, 2, bits, nullptr), 1);
        std::memset(dib.GetBits(), 0xA5, dib.GetBitsSize());
        const Bytes before = Storage(dib);
        dib.SetIndexColor(0, RGB(9, 8, 7));
        for (int x = 0; x < 9; ++x) {
            EXPECT_EQ(dib.GetAddr(x, 1), dib.GetBits() + dib.GetPitch()); // every x: the row's first byte
            EXPECT_EQ(dib.GetPixel(x, 1), 0u);
            EXPECT_EQ(dib.GetPixelColor(x, 1), RGB(9, 8, 7));
            dib.SetPixel(x, 1, 1);
            dib.SetPixelColor(x, 0, RGB(255, 255, 255));
        }
        EXPECT_EQ(Storage(dib), before) << bits << " bits";
    }
}

TEST(DibPixels, DirectColourConversions)
{
    struct Case {
        const char* name;
        BITMAPINFO* block;    // or null: Create(4, 4, bits, none)
        int bits;
        COLORREF written;
        unsigned long raw;    // what SetPixelColor stores
        unsigned long rawIn;  // a raw value to read
        COLORREF colorOut;    // its colour
    } const cases[] = {
        {"24 bits", nullptr, 24, RGB(0x33, 0x22, 0x11), 0x332211, 0xABCDEF, RGB(0xAB, 0xCD, 0xEF)},
        {"32 bits", nullptr, 32, RGB(0x33, 0x22, 0x11), 0x332211, 0xFF123456, RGB(0x12, 0x34, 0x56)},
        {"16 bits 5-5-5", nullptr, 16, RGB(255, 255, 255), 0x7FFF, 0x7FFF, RGB(248, 248, 248)},
        {"16 bits 5-5-5 red", nullptr, 16, RGB(0x80, 0x47, 0x0F), 0x4101, 0x7C00, RGB(248, 0, 0)},
        {"16 bits 5-6-5", MakeBlock(4, 4, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}), 16, RGB(255, 0, 0), 0xF800,
         0xFFFF, RGB(248, 252, 248)},
        {"16 bits 5-6-5 green", MakeBlock(4, 4, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}), 16, RGB(0, 255, 0),
         0x07E0, 0x0020, RGB(0, 4, 0)},
        {"32 bits standard bit fields", MakeBlock(4, 4, 32, BI_BITFIELDS, {0xFF0000, 0xFF00, 0xFF}), 32,
         RGB(1, 2, 3), 0x010203, 0xFF0A0B0C, RGB(0x0A, 0x0B, 0x0C)},
        // A 32-bit layout other than 0x00RRGGBB is read through its masks.
        {"32 bits RGBA bit fields", MakeBlock(4, 4, 32, BI_BITFIELDS, {0xFF000000, 0xFF0000, 0xFF00}), 32,
         RGB(1, 2, 3), 0x01020300, 0x112233FF, RGB(0x11, 0x22, 0x33)},
        // Wider than 8 bits: the top 8 bits count.
        {"32 bits 10-10-10", MakeBlock(4, 4, 32, BI_BITFIELDS, {0x3FF00000, 0xFFC00, 0x3FF}), 32,
         RGB(255, 0, 128), 0x3FC00200, 0x3FF003FF, RGB(255, 0, 255)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDIB dib;
        ASSERT_EQ(c.block ? dib.Create(c.block) : dib.Create(4, 4, c.bits, nullptr), 1);
        dib.SetPixelColor(1, 2, c.written);
        EXPECT_EQ(dib.GetPixel(1, 2), c.raw);
        dib.SetPixel(3, 3, c.rawIn);
        EXPECT_EQ(dib.GetPixelColor(3, 3), c.colorOut);
    }
}

TEST(DibPixels, TwentyFourBitColourIsStoredBlueGreenRed)
{
    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 24, nullptr), 1);
    dib.SetPixelColor(1, 1, RGB(0x33, 0x22, 0x11));
    const unsigned char* at = dib.GetAddr(1, 1);
    EXPECT_EQ(Bytes(at, at + 3), (Bytes{0x11, 0x22, 0x33}));
    EXPECT_EQ(dib.GetPixelColor(1, 1), RGB(0x33, 0x22, 0x11));
}

TEST(DibPixels, IndexedColourGoesThroughTheLogicalPalette)
{
    const auto palette = DistinctPalette();
    CDIB dib;
    ASSERT_EQ(dib.Create(4, 4, 8, const_cast<PALETTEENTRY*>(palette.data())), 1);
    for (int index : {0, 7, 128, 255}) {
        dib.SetPixelColor(2, 1, ColorOf(palette[index]));
        EXPECT_EQ(dib.GetPixel(2, 1), static_cast<unsigned long>(index));
        EXPECT_EQ(dib.GetPixelColor(2, 1), ColorOf(palette[index]));
    }
}

// SetIndexColor reaches only the bitmap colour table, CreatePalette only the
// logical palette; the header table (what SaveBMP writes) keeps its colours.
TEST(DibPixels, TheThreeColourTablesAreKeptApart)
{
    const auto palette = DistinctPalette();
    CDIB dib;
    ASSERT_EQ(dib.Create(4, 4, 8, const_cast<PALETTEENTRY*>(palette.data())), 1);

    dib.SetIndexColor(5, RGB(255, 0, 0));
    EXPECT_EQ(dib.GetIndexColor(5), RGB(255, 0, 0));
    dib.SetPixel(0, 0, 5);
    EXPECT_EQ(dib.GetPixelColor(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(ColorOf(PaletteEntries(dib.GetPalette())[5]), ColorOf(palette[5]));

    std::vector<PALETTEENTRY> grey(256, PALETTEENTRY{50, 50, 50, 0});
    dib.CreatePalette(grey.data());
    EXPECT_EQ(ColorOf(PaletteEntries(dib.GetPalette())[6]), RGB(50, 50, 50));
    EXPECT_EQ(dib.GetIndexColor(6), ColorOf(palette[6]));

    const std::filesystem::path file = ScratchDir() / "tables.bmp";
    ASSERT_EQ(dib.SaveBMP(file.string().c_str()), 1);
    const Bytes bytes = ReadFile(file);
    for (int i : {5, 6}) {
        const std::size_t at = 54 + 4 * i;
        EXPECT_EQ(RGB(bytes[at + 2], bytes[at + 1], bytes[at]), ColorOf(palette[i])) << i;
    }
}

TEST(DibPixels, IndexColourOutsideTheTableIsHarmless)
{
    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 4, nullptr), 1);
    dib.SetIndexColor(-1, RGB(1, 1, 1));
    dib.SetIndexColor(16, RGB(1, 1, 1));
    EXPECT_EQ(dib.GetIndexColor(-1), 0u);
    EXPECT_EQ(dib.GetIndexColor(16), 0u);
    EXPECT_EQ(dib.GetIndexColor(15), RGB(255, 255, 255)); // the grey ramp's last entry
}

TEST(DibPixels, RawCopiesBetweenImages)
{
    CDIB small;
    ASSERT_EQ(small.Create(3, 2, 24, nullptr), 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            small.SetPixel(x, y, static_cast<unsigned long>(0x100000 * (y + 1) + x + 1));

    // GetDIB runs over the target: beyond the source it reads 0.
    CDIB large;
    ASSERT_EQ(large.Create(4, -3, 24, nullptr), 1);
    std::memset(large.GetBits(), 0xEE, large.GetBitsSize());
    small.GetDIB(&large);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(large.GetPixel(x, y), small.GetPixel(x, y)) << x << "," << y;

    // SetDIB runs over the source: the rest of this image keeps its pixels.
    CDIB target;
    ASSERT_EQ(target.Create(4, 3, 24, nullptr), 1);
    std::memset(target.GetBits(), 0xEE, target.GetBitsSize());
    target.SetDIB(&small);
    EXPECT_EQ(target.GetPixel(2, 1), 0x200003u);
    EXPECT_EQ(target.GetPixel(3, 1), 0xEEEEEEu);
    EXPECT_EQ(target.GetPixel(0, 2), 0xEEEEEEu);
}

TEST(DibPixels, BitmapCopiesRoundTrip)
{
    CDIB source;
    ASSERT_EQ(source.Create(5, -3, 24, nullptr), 1);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            source.SetPixelColor(x, y, RGB(40 * x, 70 * y, 200));

    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP device = CreateBitmap(5, 3, 1, 32, nullptr);
    ASSERT_NE(device, nullptr);
    source.CopyToBitmap(dc, device);

    CDIB back;
    ASSERT_EQ(back.Create(5, 3, 24, nullptr), 1);
    back.CopyFromBitmap(dc, device);
    EXPECT_EQ(Colors(back), Colors(source));
    DeleteObject(device);
    DeleteDC(dc);
}

} // namespace
