// Builds BMP files byte by byte for the tests, with every field open to
// lies.
#pragma once

#include "test_support.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace pixkit_test {

struct BmpFields {
    std::uint32_t infoSize = 40;
    std::int32_t width = 4;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t clrUsed = 0;
    // Red, green, blue (and alpha) masks: after a 40-byte header, or at
    // offset 40 of a larger one.
    std::vector<std::uint32_t> masks;
    std::vector<std::uint32_t> colors; // 0x00RRGGBB, written as RGBQUADs
    Bytes pixels;
    std::optional<std::uint32_t> bfSize;
    std::optional<std::uint32_t> bfOffBits;
};

inline Bytes BuildBmp(const BmpFields& f)
{
    const std::size_t masksAfter = f.infoSize == 40 ? f.masks.size() : 0;
    const std::uint32_t offBits =
        f.bfOffBits.value_or(static_cast<std::uint32_t>(14 + f.infoSize + 4 * (masksAfter + f.colors.size())));
    const std::uint32_t size = f.bfSize.value_or(static_cast<std::uint32_t>(offBits + f.pixels.size()));

    ByteWriter w;
    w.u8('B').u8('M').u32(size).u16(0).u16(0).u32(offBits);
    w.u32(f.infoSize).u32(static_cast<std::uint32_t>(f.width)).u32(static_cast<std::uint32_t>(f.height));
    w.u16(f.planes).u16(f.bitCount).u32(f.compression).u32(0).u32(2835).u32(2835).u32(f.clrUsed).u32(0);
    if (f.infoSize == 40) {
        for (std::uint32_t m : f.masks)
            w.u32(m);
    } else {
        std::size_t written = 40;
        for (std::size_t i = 0; i < f.masks.size() && written + 4 <= f.infoSize; ++i, written += 4)
            w.u32(f.masks[i]);
        if (f.infoSize >= 108 && written <= 56) {
            // v4 and later: the colour space type ("sRGB") after the masks.
            w.fill(56 - written);
            w.u32(0x73524742);
            written = 60;
        }
        if (written < f.infoSize)
            w.fill(f.infoSize - written);
    }
    for (std::uint32_t c : f.colors)
        w.u8(c & 0xFF).u8((c >> 8) & 0xFF).u8((c >> 16) & 0xFF).u8(0);
    Bytes out = w.get();
    // A stated offset beyond the table leaves a gap before the pixels.
    if (out.size() < offBits && offBits - out.size() < (1u << 20))
        out.resize(offBits, 0);
    out.insert(out.end(), f.pixels.begin(), f.pixels.end());
    return out;
}

// A grey-ish table of n colours: entry i is (i, 255 - i, i / 2).
inline std::vector<std::uint32_t> TestColors(std::size_t n)
{
    std::vector<std::uint32_t> colors;
    for (std::size_t i = 0; i < n; ++i)
        colors.push_back(static_cast<std::uint32_t>((i << 16) | ((255 - i) << 8) | (i / 2)));
    return colors;
}

} // namespace pixkit_test
