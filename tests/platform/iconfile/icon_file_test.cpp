// The icon and cursor file reader and writer: a file laid out by hand reads
// as the format says and is what the writer lays out; images of every depth
// go through a round trip; damaged files are refused before anything is
// read past their end.
#include "platform/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

using iconfile::IconError;
using iconfile::IconFile;
using iconfile::IconImage;
using iconfile::Kind;

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, unsigned v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(Bytes& b, std::size_t at, std::uint32_t v)
{
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A 2 x 2 monochrome cursor with its hot spot at (1, 0), written out field
// by field.  Top row: white, black; bottom row: black, white.  Mask: top row
// 0, 1; bottom row 1, 0.
constexpr std::size_t kImageAt = 22;
Bytes HandMadeCursor()
{
    Bytes b = {
        0, 0, 2, 0, 1, 0,                 // directory: cursor, one image
        2, 2, 2, 0, 1, 0, 0, 0,           // 2 x 2, two colours, hot spot (1, 0)
        64, 0, 0, 0, 22, 0, 0, 0,         // 64 bytes at offset 22
        40, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, // header: width 2, height 2 * 2
        1, 0, 1, 0, 0, 0, 0, 0,           // one plane, one bit, no compression
        16, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0,
        0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0,  // black, white
        0x40, 0, 0, 0, 0x80, 0, 0, 0,     // colour rows, bottom row first
        0x80, 0, 0, 0, 0x40, 0, 0, 0,     // mask rows, bottom row first
    };
    return b;
}

IconImage HandMadeCursorImage()
{
    IconImage image;
    image.width = 2;
    image.height = 2;
    image.bitCount = 1;
    image.palette = {0x000000, 0xFFFFFF};
    image.color = {1, 0, 0, 1};
    image.mask = {0, 1, 1, 0};
    image.hotspotX = 1;
    image.hotspotY = 0;
    return image;
}

TEST(IconFile, ReadsAFileLaidOutByHand)
{
    const iconfile::IconReadResult read = iconfile::ReadIconFile(HandMadeCursor());
    ASSERT_EQ(read.error, IconError::None);
    EXPECT_EQ(read.file.kind, Kind::Cursor);
    ASSERT_EQ(read.file.images.size(), 1u);
    const IconImage& image = read.file.images[0];
    const IconImage expected = HandMadeCursorImage();
    EXPECT_EQ(image.width, 2);
    EXPECT_EQ(image.height, 2);
    EXPECT_EQ(image.bitCount, 1);
    EXPECT_EQ(image.palette, expected.palette);
    EXPECT_EQ(image.color, expected.color);
    EXPECT_EQ(image.mask, expected.mask);
    EXPECT_EQ(image.hotspotX, 1);
    EXPECT_EQ(image.hotspotY, 0);
    // Shown: opaque white, clear, clear, opaque white.
    EXPECT_EQ(iconfile::ToArgb(image), (std::vector<std::uint32_t>{0xFFFFFFFF, 0, 0, 0xFFFFFFFF}));
}

TEST(IconFile, WritesTheSameLayout)
{
    IconFile file;
    file.kind = Kind::Cursor;
    file.images.push_back(HandMadeCursorImage());
    const iconfile::IconWriteResult written = iconfile::WriteIconFile(file);
    ASSERT_EQ(written.error, IconError::None);
    EXPECT_EQ(written.bytes, HandMadeCursor());
}

// --- round trips ------------------------------------------------------------

struct RoundTripCase {
    const char* name;
    Kind kind;
    int width;
    int height;
    int bitCount;
    int paletteSize; // indexed depths
};

void PrintTo(const RoundTripCase& c, std::ostream* out) { *out << c.name; }

IconImage Pattern(const RoundTripCase& c, std::uint32_t seed)
{
    IconImage image;
    image.width = c.width;
    image.height = c.height;
    image.bitCount = c.bitCount;
    for (int i = 0; i < c.paletteSize; ++i)
        image.palette.push_back((static_cast<std::uint32_t>(i) * 0x3B5D1Fu + seed) & 0xFFFFFF);
    std::uint32_t state = seed * 2654435761u + 1;
    for (int i = 0; i < c.width * c.height; ++i) {
        state = state * 1103515245u + 12345u;
        const std::uint32_t v = state >> 3;
        if (c.bitCount <= 8)
            image.color.push_back(v % static_cast<std::uint32_t>(c.paletteSize));
        else if (c.bitCount == 24)
            image.color.push_back(0xFF000000u | (v & 0xFFFFFF));
        else
            image.color.push_back(v * 2654435761u);
        image.mask.push_back(static_cast<std::uint8_t>((v >> 7) & 1));
    }
    if (c.kind == Kind::Cursor) {
        image.hotspotX = c.width - 1;
        image.hotspotY = c.height / 2;
    }
    return image;
}

class IconRoundTrip : public testing::TestWithParam<RoundTripCase> {};

TEST_P(IconRoundTrip, ReadsBackWhatWasWritten)
{
    const RoundTripCase& c = GetParam();
    IconFile file;
    file.kind = c.kind;
    file.images.push_back(Pattern(c, 7));
    file.images.push_back(Pattern(c, 99)); // a second image follows the first
    const iconfile::IconWriteResult written = iconfile::WriteIconFile(file);
    ASSERT_EQ(written.error, IconError::None);

    const iconfile::IconReadResult read = iconfile::ReadIconFile(written.bytes);
    ASSERT_EQ(read.error, IconError::None) << iconfile::IconErrorText(read.error);
    EXPECT_EQ(read.file.kind, c.kind);
    ASSERT_EQ(read.file.images.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const IconImage& in = file.images[i];
        const IconImage& out = read.file.images[i];
        EXPECT_EQ(out.width, in.width);
        EXPECT_EQ(out.height, in.height);
        EXPECT_EQ(out.bitCount, in.bitCount);
        EXPECT_EQ(out.palette, in.palette);
        EXPECT_EQ(out.color, in.color);
        EXPECT_EQ(out.mask, in.mask);
        EXPECT_EQ(out.hotspotX, in.hotspotX);
        EXPECT_EQ(out.hotspotY, in.hotspotY);
    }
}

// Odd widths make every row need padding; 256 is written as 0 in the entry.
INSTANTIATE_TEST_SUITE_P(Depths, IconRoundTrip,
                         testing::Values(RoundTripCase{"cursor1", Kind::Cursor, 32, 32, 1, 2},
                                         RoundTripCase{"icon4", Kind::Icon, 13, 7, 4, 16},
                                         RoundTripCase{"icon4short", Kind::Icon, 5, 3, 4, 3},
                                         RoundTripCase{"icon8", Kind::Icon, 9, 4, 8, 256},
                                         RoundTripCase{"icon24", Kind::Icon, 17, 5, 24, 0},
                                         RoundTripCase{"icon32", Kind::Icon, 16, 16, 32, 0},
                                         RoundTripCase{"icon256", Kind::Icon, 256, 256, 32, 0}),
                         [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

// --- damaged files ----------------------------------------------------------

struct DamageCase {
    const char* name;
    void (*damage)(Bytes&);
    IconError expected;
};

const DamageCase kDamage[] = {
    {"empty", [](Bytes& b) { b.clear(); }, IconError::Truncated},
    {"reserved word set", [](Bytes& b) { b[0] = 1; }, IconError::BadDirectory},
    {"type 3", [](Bytes& b) { b[2] = 3; }, IconError::BadDirectory},
    {"no images", [](Bytes& b) { b[4] = 0; }, IconError::BadDirectory},
    {"entries past the end", [](Bytes& b) { b[4] = 6; }, IconError::Truncated},
    {"image longer than the file", [](Bytes& b) { Put32(b, 14, 65); }, IconError::Truncated},
    {"image offset past the end", [](Bytes& b) { Put32(b, 18, 23); }, IconError::Truncated},
    {"huge image offset", [](Bytes& b) { Put32(b, 18, 0xFFFFFFF0u); }, IconError::Truncated},
    {"header of 12 bytes", [](Bytes& b) { Put32(b, kImageAt, 12); }, IconError::BadImageHeader},
    {"header larger than the image", [](Bytes& b) { Put32(b, kImageAt, 200); }, IconError::BadImageHeader},
    {"width 0", [](Bytes& b) { Put32(b, kImageAt + 4, 0); }, IconError::BadImageHeader},
    {"width 257", [](Bytes& b) { Put32(b, kImageAt + 4, 257); }, IconError::BadImageHeader},
    {"negative width", [](Bytes& b) { Put32(b, kImageAt + 4, 0xFFFFFFFEu); }, IconError::BadImageHeader},
    {"odd doubled height", [](Bytes& b) { Put32(b, kImageAt + 8, 3); }, IconError::BadImageHeader},
    {"top-down height", [](Bytes& b) { Put32(b, kImageAt + 8, 0xFFFFFFFCu); }, IconError::BadImageHeader},
    {"two planes", [](Bytes& b) { Put16(b, kImageAt + 12, 2); }, IconError::BadImageHeader},
    {"7 bits per pixel", [](Bytes& b) { Put16(b, kImageAt + 14, 7); }, IconError::BadImageHeader},
    {"run-length compressed", [](Bytes& b) { Put32(b, kImageAt + 16, 1); }, IconError::UnsupportedImage},
    {"too many colours", [](Bytes& b) { Put32(b, kImageAt + 32, 3); }, IconError::BadImageHeader},
    {"index beyond the palette", [](Bytes& b) { Put32(b, kImageAt + 32, 1); }, IconError::BadImage},
    {"mask cut short",
     [](Bytes& b) {
         b.pop_back();
         Put32(b, 14, 63);
     },
     IconError::Truncated},
    {"compressed image",
     [](Bytes& b) {
         const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
         std::copy(std::begin(png), std::end(png), b.begin() + kImageAt);
     },
     IconError::UnsupportedImage},
};

TEST(IconFile, RefusesDamagedFiles)
{
    for (const DamageCase& c : kDamage) {
        Bytes bytes = HandMadeCursor();
        c.damage(bytes);
        const iconfile::IconReadResult read = iconfile::ReadIconFile(bytes);
        EXPECT_EQ(read.error, c.expected) << c.name << ": " << iconfile::IconErrorText(read.error);
        EXPECT_TRUE(read.file.images.empty()) << c.name;
    }
}

TEST(IconFile, EveryShortenedFileIsRefused)
{
    IconFile file;
    file.images.push_back(Pattern({"a", Kind::Icon, 16, 16, 32, 0}, 1));
    file.images.push_back(Pattern({"b", Kind::Icon, 7, 3, 4, 16}, 2));
    const Bytes bytes = iconfile::WriteIconFile(file).bytes;
    ASSERT_FALSE(bytes.empty());
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        // A copy of exactly `length` bytes, so that a read past it is caught
        // by the sanitizers.
        const Bytes shortened(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_NE(iconfile::ReadIconFile(shortened).error, IconError::None) << length << " bytes";
    }
}

TEST(IconFile, WriterRefusesImagesThatDoNotFit)
{
    struct Case {
        const char* name;
        void (*spoil)(IconImage&);
        Kind kind;
    };
    const Case cases[] = {
        {"mask of the wrong size", [](IconImage& i) { i.mask.pop_back(); }, Kind::Cursor},
        {"hot spot outside", [](IconImage& i) { i.hotspotX = 2; }, Kind::Cursor},
        {"index beyond the palette", [](IconImage& i) { i.color[0] = 2; }, Kind::Cursor},
        {"palette too large for the depth", [](IconImage& i) { i.palette.push_back(0x123456); }, Kind::Cursor},
        {"mask value 2", [](IconImage& i) { i.mask[0] = 2; }, Kind::Icon},
        {"width 0", [](IconImage& i) { i.width = 0; }, Kind::Icon},
        {"depth 16", [](IconImage& i) { i.bitCount = 16; }, Kind::Icon},
    };
    for (const Case& c : cases) {
        IconFile file;
        file.kind = c.kind;
        file.images.push_back(HandMadeCursorImage());
        c.spoil(file.images[0]);
        const iconfile::IconWriteResult written = iconfile::WriteIconFile(file);
        EXPECT_EQ(written.error, IconError::BadImage) << c.name;
        EXPECT_TRUE(written.bytes.empty()) << c.name;
    }
    EXPECT_EQ(iconfile::WriteIconFile(IconFile{}).error, IconError::BadImage) << "no images";
}

TEST(IconFile, AlphaDecidesWhenAnImageHasIt)
{
    IconImage image;
    image.width = 3;
    image.height = 1;
    image.bitCount = 32;
    image.color = {0x80102030, 0x00000000, 0xFFABCDEF};
    image.mask = {1, 1, 0}; // the mask is for readers without alpha
    EXPECT_EQ(iconfile::ToArgb(image), (std::vector<std::uint32_t>{0x80102030, 0, 0xFFABCDEF}));

    image.color = {0x00102030, 0x00405060, 0x00ABCDEF}; // no alpha anywhere: the mask decides
    EXPECT_EQ(iconfile::ToArgb(image), (std::vector<std::uint32_t>{0, 0, 0xFFABCDEF}));
}

} // namespace
