// BMP files: what SaveBMP writes, what LoadBMP accepts and refuses.
#include "bmp_builder.h"
#include "dib_test_support.h"
#include "hostile_bmps.h"

#include <gtest/gtest.h>

#include <random>

using namespace pixkit_test;

namespace {

std::string Str(const std::filesystem::path& p) { return p.string(); }

void FillRandom(CDIB& dib, unsigned seed)
{
    std::mt19937 random(seed);
    for (int i = 0; i < dib.GetBitsSize(); ++i)
        dib.GetBits()[i] = static_cast<unsigned char>(random());
}

TEST(BmpSave, FileHeaderAndBlockAreWrittenAsHeld)
{
    struct Case {
        const char* name;
        std::function<int(CDIB&)> create;
        std::uint32_t offBits;
        std::uint32_t size;
        std::int32_t height;
    } const cases[] = {
        {"24-bit 3 x 2", [](CDIB& d) { return d.Create(3, 2, 24, nullptr); }, 54, 78, -2},
        {"8-bit, biClrUsed 0", [](CDIB& d) { return d.Create(MakeBlock(4, 4, 8, BI_RGB, std::vector<DWORD>(256))); },
         1078, 1078 + 16, 4},
        {"16-bit bit fields",
         [](CDIB& d) { return d.Create(MakeBlock(3, -2, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F})); }, 66, 66 + 16,
         -2},
        {"1-bit", [](CDIB& d) { return d.Create(9, 3, 1, nullptr); }, 62, 62 + 12, -3},
    };
    const auto dir = ScratchDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDIB dib;
        ASSERT_EQ(c.create(dib), 1);
        FillRandom(dib, 1);
        const auto file = dir / "saved.bmp";
        ASSERT_EQ(dib.SaveBMP(Str(file).c_str()), 1);
        const Bytes bytes = ReadFile(file);
        ASSERT_EQ(bytes.size(), c.size);
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(Get32(bytes, 2), c.size);
        EXPECT_EQ(Get32(bytes, 6), 0u); // both reserved fields
        EXPECT_EQ(Get32(bytes, 10), c.offBits);
        EXPECT_EQ(Get32(bytes, 14), 40u);
        EXPECT_EQ(static_cast<std::int32_t>(Get32(bytes, 22)), c.height);
        EXPECT_EQ(Bytes(bytes.begin() + c.offBits, bytes.end()), Storage(dib));
    }
    EXPECT_EQ(Get32(ReadFile(dir / "saved.bmp"), 46), 2u); // the 1-bit image's biClrUsed
}

TEST(BmpSave, EmptyObjectOrUnwritablePathWritesNothing)
{
    const auto dir = ScratchDir();
    CDIB empty;
    EXPECT_EQ(empty.SaveBMP(Str(dir / "empty.bmp").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "empty.bmp"));

    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 24, nullptr), 1);
    EXPECT_EQ(dib.SaveBMP(Str(dir / "no such dir" / "x.bmp").c_str()), 0);
    EXPECT_EQ(dib.SaveBMP(Str(dir).c_str()), 0);
}

TEST(BmpRoundTrip, EveryDepthAndRowOrderComesBackByteForByte)
{
    const auto dir = ScratchDir();
    for (const int bits : {1, 4, 8, 16, 24, 32})
        for (const int height : {5, -5}) {
            SCOPED_TRACE(testing::Message() << bits << " bits, height " << height);
            CDIB dib;
            ASSERT_EQ(dib.Create(13, height, bits, nullptr), 1);
            FillRandom(dib, static_cast<unsigned>(bits * 100 + height));
            const auto file = dir / ("rt" + std::to_string(bits) + "_" + std::to_string(height) + ".bmp");
            ASSERT_EQ(dib.SaveBMP(Str(file).c_str()), 1);

            CDIB back;
            ASSERT_EQ(back.LoadBMP(Str(file).c_str()), 1);
            ASSERT_EQ(back.IsValid(), 1);
            EXPECT_EQ(back.GetWidth(), 13);
            EXPECT_EQ(back.GetHeight(), 5);
            EXPECT_EQ(back.GetBitCount(), bits);
            EXPECT_EQ(back.GetInfoSize(), dib.GetInfoSize());
            EXPECT_EQ(back.GetAddr(0, 0) - back.GetBits(), dib.GetAddr(0, 0) - dib.GetBits());
            EXPECT_EQ(Storage(back), Storage(dib));
            EXPECT_EQ(back.IsValidPalette(), bits <= 8 ? 1 : 0);
            for (int i = 0; bits <= 8 && i < (1 << bits); ++i)
                ASSERT_EQ(back.GetIndexColor(i), dib.GetIndexColor(i)) << "entry " << i;
        }
}

TEST(BmpLoad, EightBitFileWithoutColourCountGetsAFullPalette)
{
    BmpFields f = ValidIndexed();
    f.colors = TestColors(256);
    f.clrUsed = 0;
    f.pixels = {0, 1, 2, 255, 100, 101, 102, 103};
    const auto dir = ScratchDir();
    WriteFile(dir / "in.bmp", BuildBmp(f));

    CDIB dib;
    ASSERT_EQ(dib.LoadBMP(Str(dir / "in.bmp").c_str()), 1);
    ASSERT_EQ(dib.IsValid(), 1);
    const auto entries = PaletteEntries(dib.GetPalette());
    ASSERT_EQ(entries.size(), 256u);
    for (int i = 0; i < 256; ++i)
        ASSERT_EQ(ColorOf(entries[i]), RGB(i, 255 - i, i / 2)) << i;
    // Bottom-up: the file's first row is the image's bottom row.
    EXPECT_EQ(dib.GetPixel(3, 1), 255u);
    EXPECT_EQ(dib.GetPixelColor(1, 0), RGB(101, 154, 50));

    ASSERT_EQ(dib.SaveBMP(Str(dir / "out.bmp").c_str()), 1);
    const Bytes saved = ReadFile(dir / "out.bmp");
    EXPECT_EQ(Get32(saved, 10), 1078u);
    EXPECT_EQ(saved.size(), 1078u + 8);
}

// Later header versions load with the masks and colours they carry and
// are saved back with the plain 40-byte header.
TEST(BmpLoad, LaterHeaderVersionsLoadAndSaveAsPlainHeaders)
{
    struct Case {
        const char* name;
        BmpFields fields;
        COLORREF pixel00; // colour of the top-left pixel
        std::uint32_t savedOffBits;
    };
    auto fields = [](std::uint32_t infoSize, WORD bits, DWORD compression, std::vector<std::uint32_t> masks,
                     Bytes pixels, std::vector<std::uint32_t> colors = {}) {
        BmpFields f;
        f.infoSize = infoSize;
        f.width = 2;
        f.height = 1;
        f.bitCount = bits;
        f.compression = compression;
        f.masks = std::move(masks);
        f.colors = std::move(colors);
        f.pixels = std::move(pixels);
        return f;
    };
    const Case cases[] = {
        {"v5, 5-6-5", fields(124, 16, 3, {0xF800, 0x07E0, 0x001F, 0}, {0xE0, 0xFF, 0, 0}), RGB(248, 252, 0), 66},
        {"v4, 5-5-5", fields(108, 16, 3, {0x7C00, 0x03E0, 0x001F, 0}, {0x00, 0x7C, 0, 0}), RGB(248, 0, 0), 66},
        {"v5, 32-bit with alpha", fields(124, 32, 3, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {1, 2, 3, 0x80, 0, 0, 0, 0}),
         RGB(3, 2, 1), 66},
        {"v5, 32-bit RGBA order", fields(124, 32, 3, {0xFF000000, 0xFF0000, 0xFF00, 0xFF}, {0x80, 3, 2, 1, 0, 0, 0, 0}),
         RGB(1, 2, 3), 66},
        {"v3, alpha bit fields", fields(56, 32, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, {9, 8, 7, 0x80, 0, 0, 0, 0}),
         RGB(7, 8, 9), 66},
        {"v2, 5-6-5", fields(52, 16, 3, {0xF800, 0x07E0, 0x001F}, {0x00, 0x08, 0, 0}), RGB(8, 0, 0), 66},
        {"plain header, alpha bit fields", fields(40, 32, 6, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}, {1, 2, 3, 4, 0, 0, 0, 0}),
         RGB(1, 2, 3), 66},
        {"v5, 8-bit palette after the header", fields(124, 8, 0, {}, {2, 0, 0, 0}, TestColors(3)), RGB(2, 253, 1),
         54 + 12},
        {"v4, 24-bit", fields(108, 24, 0, {}, {10, 20, 30, 0, 0, 0, 0, 0}), RGB(30, 20, 10), 54},
    };
    const auto dir = ScratchDir();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BmpFields f = c.fields;
        if (f.bitCount == 8)
            f.clrUsed = 3;
        WriteFile(dir / "in.bmp", BuildBmp(f));
        CDIB dib;
        ASSERT_EQ(dib.LoadBMP(Str(dir / "in.bmp").c_str()), 1);
        ASSERT_EQ(dib.IsValid(), 1);
        EXPECT_EQ(dib.GetPixelColor(0, 0), c.pixel00);

        ASSERT_EQ(dib.SaveBMP(Str(dir / "out.bmp").c_str()), 1);
        const Bytes saved = ReadFile(dir / "out.bmp");
        EXPECT_EQ(Get32(saved, 14), 40u);
        EXPECT_EQ(Get32(saved, 10), c.savedOffBits);
        const bool bitFields = f.compression != 0;
        EXPECT_EQ(Get32(saved, 30), bitFields ? 3u : 0u);
        for (int i = 0; bitFields && i < 3; ++i)
            EXPECT_EQ(Get32(saved, 54 + 4 * i), f.masks[i]);

        CDIB again;
        ASSERT_EQ(again.LoadBMP(Str(dir / "out.bmp").c_str()), 1);
        EXPECT_EQ(again.GetPixelColor(0, 0), c.pixel00);
        EXPECT_EQ(Storage(again), Storage(dib));
    }
}

TEST(BmpLoad, MissingFileGivesZeroAndAnEmptyObject)
{
    CDIB dib;
    ASSERT_EQ(dib.Create(4, 4, 24, nullptr), 1);
    EXPECT_EQ(dib.LoadBMP(Str(ScratchDir() / "missing.bmp").c_str()), 0);
    EXPECT_EQ(dib.IsValid(), 0);
    EXPECT_EQ(dib.GetBits(), nullptr);
}

TEST(BmpLoad, PixelsComeFromTheOffsetAndAsFarAsTheFileGoes)
{
    const auto dir = ScratchDir();
    // A gap between the table and the pixels: the offset rules.
    BmpFields gap;
    gap.bitCount = 24;
    gap.width = 1;
    gap.height = 1;
    gap.bfOffBits = 14 + 40 + 10;
    gap.pixels = {1, 2, 3, 0};
    WriteFile(dir / "gap.bmp", BuildBmp(gap));
    CDIB dib;
    ASSERT_EQ(dib.LoadBMP(Str(dir / "gap.bmp").c_str()), 1);
    EXPECT_EQ(dib.GetPixelColor(0, 0), RGB(3, 2, 1));

    // bfSize promises 8 rows of 12 bytes, the file holds 2 and a half: those
    // load, the image has its full size.
    BmpFields cut;
    cut.width = 4;
    cut.height = -8;
    cut.bfSize = 14 + 40 + 96;
    cut.pixels = Bytes(30);
    for (int i = 0; i < 30; ++i)
        cut.pixels[i] = static_cast<unsigned char>(i + 1);
    WriteFile(dir / "cut.bmp", BuildBmp(cut));
    ASSERT_EQ(dib.LoadBMP(Str(dir / "cut.bmp").c_str()), 1);
    ASSERT_EQ(dib.IsValid(), 1);
    EXPECT_EQ(dib.GetHeight(), 8);
    EXPECT_EQ(Bytes(dib.GetBits(), dib.GetBits() + 30), cut.pixels);

    // bfSize below the offset counts as "as much as the storage holds".
    BmpFields low = cut;
    low.bfSize = 3;
    low.pixels = Bytes(96, 0x42);
    WriteFile(dir / "low.bmp", BuildBmp(low));
    ASSERT_EQ(dib.LoadBMP(Str(dir / "low.bmp").c_str()), 1);
    EXPECT_EQ(Storage(dib), Bytes(96, 0x42));
}

TEST(BmpLoad, HostileHeadersGiveAnEmptyImage)
{
    const auto dir = ScratchDir();
    for (const HostileBmp& c : HostileBmps()) {
        WriteFile(dir / "hostile.bmp", c.bytes);
        CDIB dib;
        ASSERT_EQ(dib.Create(2, 2, 8, nullptr), 1);
        EXPECT_EQ(dib.LoadBMP(Str(dir / "hostile.bmp").c_str()), 1) << c.name;
        EXPECT_EQ(dib.IsValid(), 0) << c.name;
        EXPECT_EQ(dib.GetBits(), nullptr) << c.name;
    }
}

TEST(PaletteFile, RoundTripKeepsColoursAndClearsFlags)
{
    auto palette = DistinctPalette();
    for (auto& e : palette)
        e.peFlags = 1;
    const auto dir = ScratchDir();

    CDIB source;
    source.CreatePalette(palette.data());
    ASSERT_EQ(source.SavePalette(Str(dir / "p.pal").c_str()), 1);
    const Bytes bytes = ReadFile(dir / "p.pal");
    ASSERT_EQ(bytes.size(), 1024u);
    EXPECT_EQ(Bytes(bytes.begin() + 4 * 9, bytes.begin() + 4 * 10), (Bytes{9, 246, 63, 0})); // red first

    CDIB target; // no image: only the palette changes
    ASSERT_EQ(target.LoadPalette(Str(dir / "p.pal").c_str()), 1);
    EXPECT_EQ(target.IsValid(), 0);
    ASSERT_EQ(target.IsValidPalette(), 1);
    const auto entries = PaletteEntries(target.GetPalette());
    ASSERT_EQ(entries.size(), 256u);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(ColorOf(entries[i]), ColorOf(palette[i])) << i;
        ASSERT_EQ(entries[i].peFlags, 0) << i;
    }
}

TEST(PaletteFile, FlagsInTheFileAndShortFiles)
{
    const auto dir = ScratchDir();
    Bytes bytes(1024);
    for (int i = 0; i < 1024; ++i)
        bytes[i] = static_cast<unsigned char>(i % 4 == 3 ? 0xFF : i / 4);
    WriteFile(dir / "flags.pal", bytes);
    WriteFile(dir / "short.pal", Bytes(bytes.begin(), bytes.begin() + 10));

    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 8, nullptr), 1);
    ASSERT_EQ(dib.LoadPalette(Str(dir / "flags.pal").c_str()), 1);
    EXPECT_EQ(dib.IsValid(), 1); // the image stays
    auto entries = PaletteEntries(dib.GetPalette());
    EXPECT_EQ(ColorOf(entries[200]), RGB(200, 200, 200));
    EXPECT_EQ(entries[200].peFlags, 0);

    ASSERT_EQ(dib.LoadPalette(Str(dir / "short.pal").c_str()), 1);
    entries = PaletteEntries(dib.GetPalette());
    ASSERT_EQ(entries.size(), 256u);
    EXPECT_EQ(ColorOf(entries[1]), RGB(1, 1, 1));
    EXPECT_EQ(ColorOf(entries[2]), RGB(2, 2, 0)); // the file ends inside entry 2
    EXPECT_EQ(ColorOf(entries[3]), RGB(0, 0, 0));
}

TEST(PaletteFile, FailuresMakeNoFileAndChangeNothing)
{
    const auto dir = ScratchDir();
    CDIB dib;
    ASSERT_EQ(dib.Create(2, 2, 24, nullptr), 1);
    ASSERT_EQ(dib.IsValidPalette(), 0);
    EXPECT_EQ(dib.SavePalette(Str(dir / "none.pal").c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.pal"));

    EXPECT_EQ(dib.LoadPalette(Str(dir / "missing.pal").c_str()), 0);
    EXPECT_EQ(dib.IsValidPalette(), 0);

    CDIB indexed;
    ASSERT_EQ(indexed.Create(2, 2, 8, nullptr), 1);
    EXPECT_EQ(indexed.SavePalette(Str(dir / "no such dir" / "p.pal").c_str()), 0);
}

} // namespace
