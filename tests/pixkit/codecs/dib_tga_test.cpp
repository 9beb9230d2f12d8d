// CDIB::LoadTGA and CDIB::SaveTGA on files.
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

Bytes TgaHeader(int width, int height, int bits, int idLength = 0)
{
    Bytes h(18, 0);
    h[0] = static_cast<std::uint8_t>(idLength);
    h[2] = 2;
    Put16(h, 12, width);
    Put16(h, 14, height);
    h[16] = static_cast<std::uint8_t>(bits);
    return h;
}

// The byte the test files hold at (x, file row r, byte k): distinct enough to
// show any misplaced row or pixel.
std::uint8_t BodyByte(int x, int r, int k) { return static_cast<std::uint8_t>(17 * x + 59 * r + 101 * k + 3); }

Bytes TgaFile(int width, int height, int bits, int rowsPresent)
{
    Bytes file = TgaHeader(width, height, bits);
    const int bytesPerPixel = bits / 8;
    for (int r = 0; r < rowsPresent; ++r)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < bytesPerPixel; ++k)
                file.push_back(BodyByte(x, r, k));
    return file;
}

// The same file with another bits-per-pixel byte.
Bytes WithDepth(Bytes file, int bits)
{
    file[16] = static_cast<std::uint8_t>(bits);
    return file;
}

TEST(TgaFiles, SavesTheBottomRowFirstWithNoPadding)
{
    CDIB image;
    ASSERT_TRUE(image.Create(3, 2, 24, nullptr));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.SetPixelColor(x, y, RGB(static_cast<BYTE>(10 * x + y), static_cast<BYTE>(100 + y), 200));
    ASSERT_EQ(image.SaveTGA("tga_3x2.tga"), 1);

    const Bytes file = ReadBytes("tga_3x2.tga");
    ASSERT_EQ(file.size(), 18u + 2 * 9);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 18),
              (Bytes{0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 2, 0, 24, 8}));
    // First the bottom row (y = 1), blue, green, red per pixel.
    const Bytes body = {200, 101, 1, 200, 101, 11, 200, 101, 21, 200, 100, 0, 200, 100, 10, 200, 100, 20};
    EXPECT_EQ(Bytes(file.begin() + 18, file.end()), body);

    CDIB loaded;
    ASSERT_EQ(loaded.LoadTGA("tga_3x2.tga"), 1);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(loaded.GetPixelColor(x, y), image.GetPixelColor(x, y));
}

// Widths that are not a multiple of 4 are read row by row into padded rows;
// the others in one transfer.  Both must put every byte in its place.
TEST(TgaFiles, RowsLandInTheirPlacesWhateverTheWidth)
{
    struct Case {
        int width;
        int height;
        int bits;
    };
    const Case cases[] = {{6, 3, 24}, {8, 3, 24}, {5, 4, 8}, {8, 2, 8}, {3, 3, 16}, {4, 3, 16}, {3, 2, 32}, {1, 1, 24}};
    for (const Case& c : cases) {
        const std::string what =
            std::to_string(c.width) + "x" + std::to_string(c.height) + "@" + std::to_string(c.bits);
        WriteBytes("tga_rows.tga", TgaFile(c.width, c.height, c.bits, c.height));
        CDIB image;
        ASSERT_EQ(image.LoadTGA("tga_rows.tga"), 1) << what;
        ASSERT_TRUE(image.IsValid()) << what;
        EXPECT_EQ(image.GetBitCount(), c.bits) << what;
        ASSERT_EQ(image.GetWidth(), c.width) << what;
        ASSERT_EQ(image.GetHeight(), c.height) << what;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x) {
                const unsigned char* p = image.GetAddr(x, y);
                for (int k = 0; k < c.bits / 8; ++k)
                    ASSERT_EQ(p[k], BodyByte(x, c.height - 1 - y, k)) << what << " at " << x << "," << y;
            }
    }
}

TEST(TgaFiles, TheIdFieldIsNotSkipped)
{
    // Pixels are taken from offset 18 on: an ID of 2 bytes shifts them.
    Bytes file = TgaHeader(2, 1, 24, /*idLength=*/2);
    const Bytes tail = {0xAA, 0xBB, 1, 2, 3, 4, 5, 6};
    file.insert(file.end(), tail.begin(), tail.end());
    WriteBytes("tga_id.tga", file);
    CDIB image;
    ASSERT_EQ(image.LoadTGA("tga_id.tga"), 1);
    EXPECT_EQ(image.GetPixel(0, 0), 0x01BBAAu);
    EXPECT_EQ(image.GetPixel(1, 0), 0x040302u);
}

TEST(TgaFiles, SavingConvertsToTwentyFourBitsBeforeTheFileIsMade)
{
    struct Case {
        int bits;
        COLORREF colour;
        COLORREF saved;
    };
    const Case cases[] = {
        {16, RGB(255, 255, 255), RGB(248, 248, 248)},
        {32, RGB(1, 2, 3), RGB(1, 2, 3)},
        {8, RGB(0, 0, 0), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        CDIB image;
        ASSERT_TRUE(image.Create(2, 2, c.bits, nullptr));
        image.Fill(c.colour);
        // Even when the file cannot be made, the image is converted.
        EXPECT_EQ(image.SaveTGA("no_such_dir/x.tga"), 0) << c.bits;
        EXPECT_EQ(image.GetBitCount(), 24) << c.bits;
        EXPECT_EQ(image.GetPixelColor(1, 1), c.saved) << c.bits;
    }
}

TEST(TgaFiles, ResultsForFilesThatCannotBeOpenedOrWritten)
{
    CDIB image;
    ASSERT_TRUE(image.Create(4, 4, 24, nullptr));
    EXPECT_EQ(image.LoadTGA("no_such_dir/none.tga"), 0);
    EXPECT_FALSE(image.IsValid());

    ASSERT_TRUE(image.Create(300, 300, 24, nullptr));
    EXPECT_EQ(image.SaveTGA("/dev/full"), 0) << "a write that fails is no success";

    CDIB empty;
    EXPECT_EQ(empty.SaveTGA("tga_empty.tga"), 0);
    CDIB fourBits;
    ASSERT_TRUE(fourBits.Create(4, 4, 4, nullptr));
    EXPECT_EQ(fourBits.SaveTGA("tga_4bit.tga"), 0) << "no 24-bit form of a 4-bit image";
    EXPECT_EQ(fourBits.GetBitCount(), 4);

    // The header's 16-bit fields cannot describe it: no file is made.
    CDIB tall;
    ASSERT_TRUE(tall.Create(1, 65536, 24, nullptr));
    std::remove("tga_tall.tga");
    EXPECT_EQ(tall.SaveTGA("tga_tall.tga"), 0);
    EXPECT_TRUE(ReadBytes("tga_tall.tga").empty());
}

TEST(TgaFiles, HostileFilesGiveAnEmptyImageOrUnspecifiedPixelsSafely)
{
    Bytes absurd = TgaHeader(65535, 65535, 32);
    absurd.resize(4096, 0x11);
    struct Case {
        const char* name;
        Bytes bytes;
        bool valid;
    };
    const Case cases[] = {
        {"empty file", {}, false},
        {"header cut short", Bytes(10, 0), false},
        {"header only", TgaHeader(4, 4, 24), false},
        {"65535 square at 32 bits", absurd, false},
        {"15 bits per pixel", WithDepth(TgaFile(4, 4, 24, 4), 15), false},
        {"1 bit per pixel", WithDepth(TgaFile(8, 8, 8, 8), 1), false},
        {"zero width", TgaFile(0, 4, 24, 4), false},
        {"less than half the body", TgaFile(6, 8, 24, 3), false},
        {"half the body", TgaFile(6, 8, 24, 4), true},
        {"one row short, one transfer", TgaFile(8, 4, 24, 3), true},
        {"one row short, row by row", TgaFile(6, 4, 24, 3), true},
    };
    for (const Case& c : cases) {
        WriteBytes("tga_hostile.tga", c.bytes);
        CDIB image;
        EXPECT_EQ(image.LoadTGA("tga_hostile.tga"), 1) << c.name;
        EXPECT_EQ(image.IsValid() != 0, c.valid) << c.name;
    }

    // A short body fills the bottom rows that it has.
    WriteBytes("tga_hostile.tga", TgaFile(6, 4, 24, 3));
    CDIB partial;
    ASSERT_EQ(partial.LoadTGA("tga_hostile.tga"), 1);
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(partial.GetAddr(5, 3 - r)[2], BodyByte(5, r, 2)) << "file row " << r;
}

} // namespace
