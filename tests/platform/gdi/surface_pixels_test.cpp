// Raw and colour access of surfaces: the one piece of code every blit,
// transfer and pixel call reads and writes pixels through.
#include "surface.h"

#include <gtest/gtest.h>

#include <vector>

using gdi::PixelFormat;
using gdi::Surface;

namespace {

std::vector<RGBQUAD> grey16()
{
    std::vector<RGBQUAD> t;
    for (int i = 0; i < 16; ++i)
        t.push_back(RGBQUAD{static_cast<BYTE>(i * 17), static_cast<BYTE>(i * 17), static_cast<BYTE>(i * 17), 0});
    return t;
}

PixelFormat formatFor(int bpp)
{
    switch (bpp) {
    case 1: return PixelFormat::monochrome();
    case 4: return PixelFormat::indexed(4, grey16());
    case 8: return PixelFormat::indexed(8, std::vector<RGBQUAD>(256));
    default: return PixelFormat::standard(bpp);
    }
}

struct RawCase {
    int bpp;
    int x;
    std::uint32_t value;
    std::vector<std::uint8_t> rowBytes; // expected first bytes of the stored row
};

class RawAccess : public testing::TestWithParam<RawCase> {};

TEST_P(RawAccess, StoresAtTheDocumentedBytesInBothRowOrders)
{
    const RawCase& c = GetParam();
    for (bool topDown : {true, false}) {
        const int pitch = ((c.bpp * 8 + 31) / 32) * 4;
        Surface s = Surface::allocate({8, 3, pitch, topDown}, formatFor(c.bpp));
        s.setRaw(c.x, 0, c.value);
        EXPECT_EQ(s.raw(c.x, 0), c.value) << "bpp " << c.bpp;
        // Row 0 is the top row: first in storage when top-down, last otherwise.
        const std::uint8_t* stored = s.bits() + (topDown ? 0 : 2 * pitch);
        for (std::size_t i = 0; i < c.rowBytes.size(); ++i)
            EXPECT_EQ(stored[i], c.rowBytes[i]) << "bpp " << c.bpp << " byte " << i << " topDown " << topDown;
        // Neighbours stay untouched.
        if (c.x > 0) {
            EXPECT_EQ(s.raw(c.x - 1, 0), 0u);
        }
        EXPECT_EQ(s.raw(c.x + 1, 0), 0u);
        EXPECT_EQ(s.raw(c.x, 1), 0u);
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, RawAccess,
                         testing::Values(RawCase{1, 1, 1, {0x40}}, RawCase{1, 7, 1, {0x01}},
                                         RawCase{4, 0, 0xA, {0xA0}}, RawCase{4, 1, 0x5, {0x05}},
                                         RawCase{8, 2, 0xC3, {0, 0, 0xC3}},
                                         RawCase{16, 1, 0x7FFF, {0, 0, 0xFF, 0x7F}},
                                         RawCase{24, 1, 0x332211, {0, 0, 0, 0x11, 0x22, 0x33}},
                                         RawCase{32, 1, 0x00AABBCC, {0, 0, 0, 0, 0xCC, 0xBB, 0xAA, 0}}));

TEST(RawAccess, OutsideReadsZeroAndWritesNothing)
{
    Surface s = Surface::allocate({2, 2, 4, true}, PixelFormat::indexed(8, std::vector<RGBQUAD>(256)));
    for (auto [x, y] : {std::pair{-1, 0}, {2, 0}, {0, -1}, {0, 2}, {INT32_MIN, INT32_MAX}}) {
        s.setRaw(x, y, 0xFF);
        EXPECT_EQ(s.raw(x, y), 0u);
    }
    for (std::size_t i = 0; i < s.storageSize(); ++i)
        EXPECT_EQ(s.bits()[i], 0) << i;
}

TEST(RawAccess, ReadOnlyStorageIsNeverWritten)
{
    const std::uint8_t pixels[4] = {1, 2, 3, 4};
    Surface s = Surface::wrapReadOnly(pixels, {4, 1, 4, true}, PixelFormat::indexed(8, std::vector<RGBQUAD>(256)));
    s.setRaw(0, 0, 9);
    EXPECT_EQ(s.raw(0, 0), 1u);
    EXPECT_EQ(s.raw(3, 0), 4u);
}

struct ColorCase {
    const char* name;
    PixelFormat format;
    COLORREF color;
    std::uint32_t raw;     // what the colour is stored as
    COLORREF readBack;     // what that raw value reads as
};

TEST(PixelColors, ConvertBothWaysByFormat)
{
    const std::vector<RGBQUAD> table = {{0, 0, 0, 0}, {0, 0, 255, 0}, {255, 0, 0, 0}, {0, 0, 250, 0}};
    const ColorCase cases[] = {
        {"24 bit", PixelFormat::standard(24), RGB(0x33, 0x22, 0x11), 0x332211, RGB(0x33, 0x22, 0x11)},
        {"32 bit", PixelFormat::standard(32), RGB(1, 2, 3), 0x010203, RGB(1, 2, 3)},
        {"16 bit 5-5-5", PixelFormat::standard(16), RGB(255, 255, 255), 0x7FFF, RGB(248, 248, 248)},
        {"16 bit 5-5-5 red", PixelFormat::standard(16), RGB(0x80, 0, 0), 0x4000, RGB(0x80, 0, 0)},
        {"16 bit 5-6-5", PixelFormat::bitFields(16, 0xF800, 0x07E0, 0x001F), RGB(255, 255, 255), 0xFFFF,
         RGB(248, 252, 248)},
        {"32 bit fields BGR order", PixelFormat::bitFields(32, 0xFF, 0xFF00, 0xFF0000), RGB(1, 2, 3), 0x030201,
         RGB(1, 2, 3)},
        {"10-bit channels", PixelFormat::bitFields(32, 0x3FF00000, 0x000FFC00, 0x000003FF), RGB(255, 0, 128),
         0x3FC00200, RGB(255, 0, 128)},
        {"zero mask channel", PixelFormat::bitFields(16, 0x7C00, 0, 0x001F), RGB(255, 255, 255), 0x7C1F,
         RGB(248, 0, 248)},
        {"palette exact", PixelFormat::indexed(8, table), RGB(0, 0, 255), 2, RGB(0, 0, 255)},
        {"palette nearest", PixelFormat::indexed(8, table), RGB(240, 10, 10), 3, RGB(250, 0, 0)},
        {"monochrome", PixelFormat::monochrome(), RGB(200, 200, 200), 1, RGB(255, 255, 255)},
        {"monochrome dark", PixelFormat::monochrome(), RGB(100, 100, 100), 0, RGB(0, 0, 0)},
    };
    for (const ColorCase& c : cases) {
        EXPECT_EQ(c.format.fromColor(c.color), c.raw) << c.name;
        EXPECT_EQ(c.format.toColor(c.raw), c.readBack) << c.name;
    }
}

TEST(PixelColors, IndexBeyondTheTableReadsBlack)
{
    const PixelFormat f = PixelFormat::indexed(8, {{10, 20, 30, 0}, {40, 50, 60, 0}});
    EXPECT_EQ(f.toColor(1), RGB(60, 50, 40));
    EXPECT_EQ(f.toColor(2), RGB(0, 0, 0));
    EXPECT_EQ(f.toColor(255), RGB(0, 0, 0));
}

TEST(PixelColors, NearestPrefersTheLowestIndexOnATie)
{
    const std::vector<RGBQUAD> table = {{0, 0, 10, 0}, {0, 0, 20, 0}, {0, 0, 20, 0}};
    EXPECT_EQ(gdi::nearestColorIndex(table, RGB(15, 0, 0)), 0u); // 5 away from both 10 and 20
    EXPECT_EQ(gdi::nearestColorIndex(table, RGB(19, 0, 0)), 1u); // duplicates: the first
    EXPECT_EQ(gdi::nearestColorIndex(std::span<const RGBQUAD>{}, RGB(1, 2, 3)), 0u);
}

TEST(PixelColors, ValueMaskCoversTheColourBitsOnly)
{
    EXPECT_EQ(PixelFormat::standard(16).valueMask(), 0x7FFFu);
    EXPECT_EQ(PixelFormat::standard(32).valueMask(), 0x00FFFFFFu);
    EXPECT_EQ(PixelFormat::indexed(4, grey16()).valueMask(), 0xFu);
}

TEST(SurfaceCopy, CloneOwnsIndependentStorage)
{
    Surface s = Surface::allocate({2, 2, 8, false}, PixelFormat::standard(32));
    s.setRaw(1, 1, 0x123456);
    Surface c = s.clone();
    s.setRaw(1, 1, 0);
    EXPECT_EQ(c.raw(1, 1), 0x123456u);
    EXPECT_FALSE(c.topDown());
}

} // namespace
