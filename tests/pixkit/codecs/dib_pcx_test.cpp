// CDIB::LoadPCX and CDIB::SavePCX on files.
#include "file_bytes.h"
#include "pixkit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using pixkit_test::Bytes;
using pixkit_test::Put16;
using pixkit_test::ReadBytes;
using pixkit_test::WriteBytes;

// A PCX header with the given corners and plane count.
Bytes PcxHeader(int xMin, int yMin, int xMax, int yMax, int planes)
{
    Bytes h(128, 0);
    h[0] = 0x0A;
    h[1] = 5;
    h[2] = 1;
    h[3] = 8;
    Put16(h, 4, xMin);
    Put16(h, 6, yMin);
    Put16(h, 8, xMax);
    Put16(h, 10, yMax);
    h[65] = static_cast<std::uint8_t>(planes);
    return h;
}

Bytes Palette768()
{
    Bytes p = {0x0C};
    for (int i = 0; i < 256; ++i) {
        p.push_back(static_cast<std::uint8_t>(i));
        p.push_back(static_cast<std::uint8_t>(255 - i));
        p.push_back(static_cast<std::uint8_t>(i / 2));
    }
    return p;
}

Bytes Join(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Head(const Bytes& bytes, std::size_t n)
{
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(n));
}

COLORREF PaletteColour(int i)
{
    return RGB(static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2));
}

TEST(PcxFiles, EightBitWidthFiveSavesFivePixelBytesPerLineAndLoadsBack)
{
    PALETTEENTRY palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = PALETTEENTRY{static_cast<BYTE>(i), static_cast<BYTE>(i ^ 0x55), static_cast<BYTE>(255 - i), 0};
    CDIB image;
    ASSERT_TRUE(image.Create(5, 3, 8, palette));
    const BYTE pixels[3][5] = {{1, 2, 3, 4, 5}, {0xC7, 0xC7, 0xC7, 0xC7, 0xC7}, {9, 9, 0xFF, 0, 0}};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            image.SetPixel(x, y, pixels[y][x]);
    ASSERT_EQ(image.SavePCX("pcx_w5.pcx"), 1);

    const Bytes file = ReadBytes("pcx_w5.pcx");
    const Bytes code = {1, 2, 3, 4, 5, 0xC5, 0xC7, 0xC2, 9, 0xC1, 0xFF, 0xC2, 0};
    ASSERT_EQ(file.size(), 128 + code.size() + 769);
    EXPECT_EQ(file[0], 0x0A);
    EXPECT_EQ(file[8], 4);  // x max
    EXPECT_EQ(file[10], 2); // y max
    EXPECT_EQ(file[12], 5); // the resolution fields carry the size
    EXPECT_EQ(file[14], 3);
    EXPECT_EQ(file[64], 1);
    EXPECT_EQ(file[65], 1); // one plane
    EXPECT_EQ(file[66], 5); // one line is five bytes
    EXPECT_EQ(Bytes(file.begin() + 128, file.begin() + 128 + static_cast<std::ptrdiff_t>(code.size())), code);
    const std::size_t tail = 128 + code.size();
    EXPECT_EQ(file[tail], 0x0C);
    for (int i : {0, 1, 200, 255}) {
        EXPECT_EQ(file[tail + 1 + 3 * i], palette[i].peRed);
        EXPECT_EQ(file[tail + 2 + 3 * i], palette[i].peGreen);
        EXPECT_EQ(file[tail + 3 + 3 * i], palette[i].peBlue);
    }

    CDIB loaded;
    ASSERT_EQ(loaded.LoadPCX("pcx_w5.pcx"), 1);
    ASSERT_TRUE(loaded.IsValid());
    EXPECT_EQ(loaded.GetBitCount(), 8);
    ASSERT_EQ(loaded.GetWidth(), 5);
    ASSERT_EQ(loaded.GetHeight(), 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            EXPECT_EQ(loaded.GetPixel(x, y), pixels[y][x]) << x << "," << y;
            EXPECT_EQ(loaded.GetPixelColor(x, y), image.GetPixelColor(x, y)) << x << "," << y;
        }
    EXPECT_TRUE(loaded.IsValidPalette());
}

TEST(PcxFiles, TwentyFourBitPlanesAreRedGreenBlueAndRoundTrip)
{
    CDIB image;
    ASSERT_TRUE(image.Create(3, 2, 24, nullptr));
    const COLORREF colours[2][3] = {{RGB(0xD0, 0x01, 0x02), RGB(0xD0, 0x03, 0x04), RGB(0x10, 0x05, 0xFF)},
                                    {RGB(0, 0, 0), RGB(0x7F, 0x80, 0x81), RGB(0xFF, 0xFF, 0xFF)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.SetPixelColor(x, y, colours[y][x]);
    ASSERT_EQ(image.SavePCX("pcx_24.pcx"), 1);

    const Bytes file = ReadBytes("pcx_24.pcx");
    EXPECT_EQ(file[65], 3);
    EXPECT_EQ(file[66], 3);
    // Top row: red line, green line, blue line; no palette after the body.
    const Bytes firstRow = {0xC2, 0xD0, 0x10, 1, 3, 5, 2, 4, 0xC1, 0xFF};
    EXPECT_EQ(Bytes(file.begin() + 128, file.begin() + 128 + static_cast<std::ptrdiff_t>(firstRow.size())), firstRow);
    // Second row: 0, 0x7F/0x80/0x81, escaped 0xFF in each of its three lines.
    EXPECT_EQ(file.size(), 128 + firstRow.size() + 3 * 4);

    CDIB loaded;
    ASSERT_EQ(loaded.LoadPCX("pcx_24.pcx"), 1);
    ASSERT_TRUE(loaded.IsValid());
    EXPECT_EQ(loaded.GetBitCount(), 24);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(loaded.GetPixelColor(x, y), colours[y][x]) << x << "," << y;
}

TEST(PcxFiles, FirstPlaneIsRed)
{
    // A 24-bit file whose first line is 0xFF and the other two 0 is red.
    const Bytes file = Join({PcxHeader(0, 0, 3, 0, 3), {0xC4, 0xFF, 0xC4, 0x00, 0xC4, 0x00}});
    WriteBytes("pcx_red.pcx", file);
    CDIB image;
    ASSERT_EQ(image.LoadPCX("pcx_red.pcx"), 1);
    ASSERT_TRUE(image.IsValid());
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(image.GetPixelColor(x, 0), 0x000000FFu);
}

TEST(PcxFiles, CornersOffsetFromZeroGiveTheSizeBetweenThem)
{
    const Bytes file = Join({PcxHeader(-3, 100, -2, 100, 1), {7, 0xC1, 0xC9}, Palette768()});
    WriteBytes("pcx_offset.pcx", file);
    CDIB image;
    ASSERT_EQ(image.LoadPCX("pcx_offset.pcx"), 1);
    ASSERT_TRUE(image.IsValid());
    EXPECT_EQ(image.GetWidth(), 2);
    EXPECT_EQ(image.GetHeight(), 1);
    EXPECT_EQ(image.GetPixelColor(0, 0), PaletteColour(7));
    EXPECT_EQ(image.GetPixelColor(1, 0), PaletteColour(0xC9));
}

TEST(PcxFiles, SavingSixteenBitsLeavesTheImageTwentyFourBits)
{
    CDIB image;
    ASSERT_TRUE(image.Create(2, 2, 16, nullptr));
    image.SetPixelColor(0, 0, RGB(255, 255, 255));
    image.SetPixelColor(1, 1, RGB(0x80, 0x40, 0x08));
    ASSERT_EQ(image.SavePCX("pcx_16.pcx"), 1);
    EXPECT_EQ(image.GetBitCount(), 24);
    EXPECT_EQ(image.GetPixelColor(0, 0), RGB(248, 248, 248));

    CDIB loaded;
    ASSERT_EQ(loaded.LoadPCX("pcx_16.pcx"), 1);
    EXPECT_EQ(loaded.GetBitCount(), 24);
    EXPECT_EQ(loaded.GetPixelColor(0, 0), RGB(248, 248, 248));
    EXPECT_EQ(loaded.GetPixelColor(1, 1), RGB(0x80, 0x40, 0x08));
}

TEST(PcxFiles, ResultsForFilesThatCannotBeOpenedOrWritten)
{
    CDIB image;
    ASSERT_TRUE(image.Create(4, 4, 24, nullptr));
    EXPECT_EQ(image.LoadPCX("no_such_dir/none.pcx"), 0);
    EXPECT_FALSE(image.IsValid()) << "the old image goes first";

    ASSERT_TRUE(image.Create(4, 4, 24, nullptr));
    EXPECT_EQ(image.SavePCX("no_such_dir/out.pcx"), 0);
    EXPECT_EQ(image.SavePCX("/dev/full"), 0) << "a write that fails is no success";

    CDIB empty;
    EXPECT_EQ(empty.SavePCX("pcx_empty.pcx"), 0);

    // The header's 16-bit fields cannot describe it: no file is made.
    CDIB wide;
    ASSERT_TRUE(wide.Create(65536, 1, 8, nullptr));
    std::remove("pcx_wide.pcx");
    EXPECT_EQ(wide.SavePCX("pcx_wide.pcx"), 0);
    EXPECT_TRUE(ReadBytes("pcx_wide.pcx").empty());
}

TEST(PcxFiles, DepthsWithoutAPcxFormWriteTheHeaderOnly)
{
    CDIB image;
    ASSERT_TRUE(image.Create(8, 2, 1, nullptr));
    ASSERT_EQ(image.SavePCX("pcx_1bit.pcx"), 1);
    const Bytes file = ReadBytes("pcx_1bit.pcx");
    ASSERT_EQ(file.size(), 128u);
    EXPECT_EQ(file[65], 0);
    CDIB loaded;
    EXPECT_EQ(loaded.LoadPCX("pcx_1bit.pcx"), 1);
    EXPECT_FALSE(loaded.IsValid());
}

TEST(PcxFiles, HostileFilesGiveAnEmptyImageOrUnspecifiedPixelsSafely)
{
    struct Case {
        const char* name;
        Bytes bytes;
        bool valid;
        int width;
        int height;
    };
    const Case cases[] = {
        {"empty file", {}, false, 0, 0},
        {"header cut short", Head(PcxHeader(0, 0, 3, 3, 1), 60), false, 0, 0},
        {"8-bit shorter than header and palette", Join({PcxHeader(0, 0, 3, 3, 1), Bytes(700, 1)}), false, 0, 0},
        {"x max below x min", Join({PcxHeader(10, 0, 3, 3, 1), Bytes(100, 1), Palette768()}), false, 0, 0},
        {"y max below y min", Join({PcxHeader(0, 10, 3, 3, 3), Bytes(100, 1)}), false, 0, 0},
        {"two planes", Join({PcxHeader(0, 0, 3, 3, 2), Bytes(100, 1)}), false, 0, 0},
        {"32767 x 32767 from a few bytes", Join({PcxHeader(0, 0, 32766, 32766, 1), {0xFF, 1}, Palette768()}), false, 0,
         0},
        {"widest corners", Join({PcxHeader(-32768, -32768, 32767, 32767, 3), {0xFF, 1}}), false, 0, 0},
        {"8-bit data ends after one row", Join({PcxHeader(0, 0, 3, 3, 1), {0xC4, 9}, Palette768()}), true, 4, 4},
        {"24-bit data ends inside a row", Join({PcxHeader(0, 0, 3, 1, 3), {0xC4, 9, 0xC4}}), true, 4, 2},
        {"last byte is a count without value", Join({PcxHeader(0, 0, 1, 0, 3), {0xC2}}), true, 2, 1},
    };
    for (const Case& c : cases) {
        WriteBytes("pcx_hostile.pcx", c.bytes);
        CDIB image;
        EXPECT_EQ(image.LoadPCX("pcx_hostile.pcx"), 1) << c.name;
        EXPECT_EQ(image.IsValid() != 0, c.valid) << c.name;
        EXPECT_EQ(image.GetWidth(), c.width) << c.name;
        EXPECT_EQ(image.GetHeight(), c.height) << c.name;
    }

    // What was decoded before the data ended is there.
    WriteBytes("pcx_hostile.pcx", Join({PcxHeader(0, 0, 3, 3, 1), {0xC4, 9}, Palette768()}));
    CDIB partial;
    ASSERT_EQ(partial.LoadPCX("pcx_hostile.pcx"), 1);
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(partial.GetPixel(x, 0), 9u);
}

} // namespace
