// Header arithmetic and the checks on BMP headers, without files or GDI.
#include "core/bmp_layout.h"
#include "core/dib_header.h"

#include "bmp_builder.h"
#include "hostile_bmps.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace pixkit;
using namespace pixkit_test;

namespace {

BITMAPINFOHEADER Header(WORD bitCount, DWORD compression, DWORD clrUsed, LONG width = 13, LONG height = 7)
{
    BITMAPINFOHEADER h{};
    h.biSize = 40;
    h.biWidth = width;
    h.biHeight = height;
    h.biPlanes = 1;
    h.biBitCount = bitCount;
    h.biCompression = compression;
    h.biClrUsed = clrUsed;
    return h;
}

TEST(DibHeader, TableLengthAndInfoSizeFollowOneRule)
{
    struct Case {
        WORD bits;
        DWORD compression;
        DWORD clrUsed;
        std::uint64_t table;
        std::uint64_t infoSize;
    } const cases[] = {
        {1, BI_RGB, 0, 2, 48},          {4, BI_RGB, 0, 16, 104},        {8, BI_RGB, 0, 256, 1064},
        {8, BI_RGB, 16, 16, 104},       {16, BI_BITFIELDS, 0, 3, 52},  {32, BI_BITFIELDS, 2, 5, 60},
        {24, BI_RGB, 0, 0, 40},         {16, BI_RGB, 0, 0, 40},        {24, BI_RGB, 7, 7, 68},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bits << " bits, compression " << c.compression << ", used " << c.clrUsed);
        const BITMAPINFOHEADER h = Header(c.bits, c.compression, c.clrUsed);
        EXPECT_EQ(DibTableLength(h), c.table);
        EXPECT_EQ(DibInfoSize(h), c.infoSize);
    }
}

TEST(DibHeader, PitchPadsRowsToFourBytesAndStorageNeverOverflows)
{
    struct Case {
        int bits;
        int width;
        std::int64_t pitch;
    } const cases[] = {{24, 3, 12}, {1, 13, 4}, {1, 33, 8}, {4, 13, 8}, {8, 13, 16},
                       {16, 13, 28}, {24, 13, 40}, {32, 13, 52}, {24, 0, 0}, {8, -5, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(DibPitch(c.bits, c.width), c.pitch) << c.bits << " bits, width " << c.width;

    EXPECT_EQ(DibStorageSize(Header(24, BI_RGB, 0, 3, -2)), 24);
    EXPECT_EQ(DibStorageSize(Header(32, BI_RGB, 0, INT32_MAX, INT32_MIN)), INT64_MAX);
}

TEST(DibHeader, ChannelLayoutFromMask)
{
    struct Case {
        DWORD mask;
        int shift;
        int loss;
    } const cases[] = {
        {0x7C00, 10, 3}, {0x03E0, 5, 3},  {0x001F, 0, 3},         {0xF800, 11, 3},  {0x07E0, 5, 2},
        {0xFF0000, 16, 0}, {0xFF, 0, 0}, {0, 0, 0},              {0x3FF00000, 20, -2}, {0x80000000, 31, 7},
        {0xFF000000, 24, 0},
    };
    for (const Case& c : cases) {
        const ChannelLayout layout = ChannelFromMask(c.mask);
        EXPECT_EQ(layout.shift, c.shift) << std::hex << c.mask;
        EXPECT_EQ(layout.loss, c.loss) << std::hex << c.mask;
    }
}

// The plan of a file read through a buffer of exactly its size, so that the
// sanitizer build catches any read past the end.
std::optional<BmpPlan> Plan(const Bytes& file)
{
    std::vector<unsigned char> head(file.begin(), file.begin() + std::min(file.size(), kBmpHeadMax));
    return PlanBmpLoad(head.data(), head.size(), file.size());
}

const BITMAPINFOHEADER& HeaderOf(const BmpPlan& plan) { return plan.block->bmiHeader; }

DWORD MaskOf(const BmpPlan& plan, int i)
{
    DWORD mask;
    std::memcpy(&mask, reinterpret_cast<const unsigned char*>(plan.block.get()) + 40 + 4 * i, 4);
    return mask;
}

TEST(BmpLayout, PlainHeaderIsTakenAsItIs)
{
    BmpFields f = ValidIndexed();
    f.clrUsed = 20;
    f.colors = TestColors(20);
    const Bytes file = BuildBmp(f);
    const auto plan = Plan(file);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->pixelOffset, 14u + 40 + 80);
    EXPECT_EQ(plan->pixelBytes, 8u);
    EXPECT_EQ(0, std::memcmp(plan->block.get(), file.data() + 14, 40 + 80));
}

TEST(BmpLayout, LaterHeadersAreNormalisedToThePlainOne)
{
    struct Case {
        std::uint32_t infoSize;
        WORD bits;
        DWORD compression;
        std::vector<std::uint32_t> masks;
        std::size_t colors;
    } const cases[] = {
        {52, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F}, 0},
        {56, 32, BI_BITFIELDS, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0},
        {108, 16, BI_BITFIELDS, {0x7C00, 0x03E0, 0x001F, 0}, 0},
        {124, 32, BI_BITFIELDS, {0xFF000000, 0xFF0000, 0xFF00, 0xFF}, 0},
        {124, 32, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0},
        {40, 32, 6, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0},
        {124, 8, BI_RGB, {0xFF0000, 0xFF00, 0xFF, 0}, 256},
        {108, 24, BI_RGB, {}, 0},
        {124, 16, BI_BITFIELDS, {0xF800, 0x07E0, 0x001F, 0}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "biSize " << c.infoSize << ", " << c.bits << " bits, compression "
                                        << c.compression);
        BmpFields f;
        f.infoSize = c.infoSize;
        f.bitCount = c.bits;
        f.compression = c.compression;
        f.masks = c.masks;
        f.colors = TestColors(c.colors);
        f.clrUsed = c.bits > 8 ? static_cast<std::uint32_t>(c.colors) : 0;
        f.pixels = Bytes(static_cast<std::size_t>(DibPitch(c.bits, 4) * 2), 0x5A);
        const Bytes file = BuildBmp(f);
        const auto plan = Plan(file);
        ASSERT_TRUE(plan);

        const bool bitFields = c.compression != BI_RGB;
        const BITMAPINFOHEADER& h = HeaderOf(*plan);
        EXPECT_EQ(h.biSize, 40u);
        EXPECT_EQ(h.biCompression, bitFields ? BI_BITFIELDS : BI_RGB);
        EXPECT_EQ(h.biBitCount, c.bits);
        EXPECT_EQ(DibInfoSize(h), 40u + (bitFields ? 12 : 0) + 4 * c.colors);
        for (int i = 0; bitFields && i < 3; ++i)
            EXPECT_EQ(MaskOf(*plan, i), c.masks[i]);
        // Colours follow the whole header (and any masks of a plain one).
        const std::size_t colorsInFile = file.size() - f.pixels.size() - 4 * c.colors;
        EXPECT_EQ(0, std::memcmp(DibColors(plan->block.get()), file.data() + colorsInFile, 4 * c.colors));
        EXPECT_EQ(plan->pixelOffset, file.size() - f.pixels.size());
        EXPECT_EQ(plan->pixelBytes, f.pixels.size());
    }
}

TEST(BmpLayout, PixelCountIsCappedByTheStorage)
{
    BmpFields f = ValidIndexed();
    f.bfSize = 5; // below bfOffBits: the unsigned difference wraps
    EXPECT_EQ(Plan(BuildBmp(f))->pixelBytes, 8u);
    f.bfSize = 14 + 40 + 1024 + 3; // fewer than the storage
    EXPECT_EQ(Plan(BuildBmp(f))->pixelBytes, 3u);
}

TEST(BmpLayout, ModestlyTruncatedPixelsStillLoad)
{
    BmpFields f;
    f.width = 100;
    f.height = 100;
    f.bfSize = 14 + 40 + 30000; // all promised, none present
    const auto plan = Plan(BuildBmp(f));
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan->pixelBytes, 30000u);
}

TEST(BmpLayout, HostileHeadersAreRefused)
{
    for (const HostileBmp& c : HostileBmps())
        EXPECT_FALSE(Plan(c.bytes)) << c.name;
}

} // namespace
