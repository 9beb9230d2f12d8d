// Validation of a BITMAPINFO block and the surface layout it describes.
#pragma once

#include "surface.h"

#include <cstdint>
#include <optional>

namespace gdi {

// The largest pixel storage a DIB may describe.  Larger headers are
// refused rather than letting a hostile header request gigabytes.
inline constexpr std::uint64_t kMaxDibStorage = std::uint64_t{1} << 30;
// The largest published info header (the version 5 header).
inline constexpr DWORD kMaxInfoHeaderSize = 124;

struct DibLayout {
    BITMAPINFOHEADER header{};
    int width = 0;
    int height = 0; // always positive
    bool topDown = false;
    int pitch = 0;
    std::size_t storageSize = 0;
    PixelFormat format = PixelFormat::standard(32);

    // The layout of `rows` consecutive stored rows of this DIB.
    Surface::Geometry geometry(int rows) const { return {width, rows, pitch, topDown}; }
};

// ((bpp * width + 31) / 32) * 4, or nothing when it does not fit an int.
std::optional<int> dibPitch(int bpp, long long width);

// Reads the header and its table (bit-field masks right after the first 40
// bytes, colour entries right after biSize bytes).  Refuses what cannot be
// drawn: header shorter than 40 or longer than kMaxInfoHeaderSize bytes,
// width <= 0, height 0, planes other than 1, depths other than 1, 4, 8, 16,
// 24, 32, compression other than BI_RGB or BI_BITFIELDS (the latter at 16
// and 32 bits only), more colour entries than the depth can index, storage
// beyond kMaxDibStorage, and colour usages other than DIB_RGB_COLORS.
std::optional<DibLayout> readDibHeader(const BITMAPINFO* info, UINT usage);

} // namespace gdi
