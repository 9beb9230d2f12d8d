// How the raw pixel values of a surface relate to colours: palette indices
// (1, 4, 8 bits) or red, green and blue bit fields (16, 24, 32 bits).
#pragma once

#include "platform/base.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace gdi {

// One colour channel of a bit-field pixel.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0; // position of the lowest set bit of the mask
    int bits = 0;  // consecutive set bits from there

    static Channel fromMask(std::uint32_t mask);
    // Channel value scaled to 8 bits; narrower channels leave the low bits 0
    // (a 5-bit 31 reads as 248), as the image library's own conversion does.
    BYTE toByte(std::uint32_t raw) const;
    std::uint32_t fromByte(BYTE value) const;
};

class PixelFormat {
public:
    static PixelFormat indexed(int bpp, std::vector<RGBQUAD> table);
    static PixelFormat bitFields(int bpp, std::uint32_t red, std::uint32_t green, std::uint32_t blue);
    // The layout a BI_RGB header implies: 5-5-5 at 16 bits, 8-8-8 at 24 and 32.
    static PixelFormat standard(int bpp);
    // Black for 0 and white for 1.
    static PixelFormat monochrome();

    int bpp() const { return bpp_; }
    bool isIndexed() const { return bpp_ <= 8; }
    // The bits of a raw value that carry colour.
    std::uint32_t valueMask() const { return valueMask_; }
    // Red, green and blue masks; all 0 for indexed formats.
    std::array<std::uint32_t, 3> masks() const;
    std::span<const RGBQUAD> colorTable() const { return table_; }
    std::span<RGBQUAD> colorTable() { return table_; }

    // An index beyond the colour table reads as black.
    COLORREF toColor(std::uint32_t raw) const;
    // Indexed formats answer the nearest table entry.
    std::uint32_t fromColor(COLORREF color) const;

    bool sameAs(const PixelFormat& other) const;

private:
    PixelFormat(int bpp, std::uint32_t valueMask) : bpp_(bpp), valueMask_(valueMask) {}

    int bpp_;
    std::uint32_t valueMask_;
    std::array<Channel, 3> channels_{};
    std::vector<RGBQUAD> table_;
};

// Nearest entry by squared distance in RGB; the lowest index wins a tie.
// An empty table gives 0.
unsigned nearestColorIndex(std::span<const RGBQUAD> table, COLORREF color);
unsigned nearestColorIndex(std::span<const PALETTEENTRY> table, COLORREF color);

} // namespace gdi
