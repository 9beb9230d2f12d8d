// Checks the headers at the start of a BMP file and turns them into the
// image's own header block.  Plain logic on bytes, so that every hostile
// header can be tried without files or a platform.
#pragma once

#include "core/dib_header.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace pixkit {

// Info header sizes we read: the plain one and the later versions (v2, v3,
// v4, v5) that carry the bit-field masks inside the header.
inline constexpr std::uint32_t kInfoHeaderV2 = 52;
inline constexpr std::uint32_t kInfoHeaderV3 = 56;
inline constexpr std::uint32_t kInfoHeaderV4 = 108;
inline constexpr std::uint32_t kInfoHeaderV5 = 124;

// Compression 6: bit fields with an alpha mask, which we drop.
inline constexpr std::uint32_t kAlphaBitFields = 6;

// Colour tables longer than this are refused at every depth: no depth we
// store can use more, and it bounds what a header can make us allocate.
inline constexpr std::uint64_t kMaxColorEntries = 256;

// A file may promise more pixel bytes than it holds (a truncated download
// still shows its first rows), but only by this much: beyond it the header is
// taken as a lie, so that a tiny file cannot make us allocate a huge bitmap.
inline constexpr std::int64_t kMaxMissingPixelBytes = std::int64_t{16} << 20;

// The most bytes from the start of a file that the headers and table can
// occupy: file header, v5 info header, four masks and 256 colours.
inline constexpr std::size_t kBmpHeadMax = kFileHeaderSize + kInfoHeaderV5 + 4 * (4 + kMaxColorEntries);

struct BmpPlan {
    HeaderBlockPtr block;      // 40-byte header, masks when bit fields, colours
    std::uint32_t pixelOffset; // bfOffBits
    std::uint32_t pixelBytes;  // bytes to read from pixelOffset into the storage
};

// head: the first bytes of the file (up to kBmpHeadMax; fewer when the file is
// shorter), fileSize: the file's real length.  Returns nothing when the file
// is not a BMP we can load safely, or when memory for the block is short.
std::optional<BmpPlan> PlanBmpLoad(const unsigned char* head, std::size_t headLen, std::uint64_t fileSize);

} // namespace pixkit
