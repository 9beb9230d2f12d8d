// Arithmetic of a DIB header block: the table that follows the
// BITMAPINFOHEADER, the row pitch, the storage size and the channel layout of
// bit-field masks.  Everything that sizes or walks a header block goes through
// these helpers, so the table-length rule exists exactly once.
#pragma once

#include "platform/base.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace pixkit {

inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr std::uint32_t kFileHeaderSize = 14;

// Colour entries (RGBQUADs) of the table: biClrUsed when it is set, otherwise
// a full table for 8 bits or less, otherwise none.
constexpr std::uint64_t DibColorEntries(const BITMAPINFOHEADER& h)
{
    if (h.biClrUsed != 0)
        return h.biClrUsed;
    if (h.biBitCount <= 8)
        return std::uint64_t{1} << h.biBitCount;
    return 0;
}

// The red, green and blue masks that precede the colours with bit fields.
constexpr std::uint64_t DibMaskEntries(const BITMAPINFOHEADER& h)
{
    return h.biCompression == BI_BITFIELDS ? 3 : 0;
}

// Number of 4-byte entries after the header: masks, then colours.
constexpr std::uint64_t DibTableLength(const BITMAPINFOHEADER& h)
{
    return DibMaskEntries(h) + DibColorEntries(h);
}

// biSize plus the table, in bytes.
constexpr std::uint64_t DibInfoSize(const BITMAPINFOHEADER& h)
{
    return std::uint64_t{h.biSize} + 4 * DibTableLength(h);
}

// Bytes of one stored row, padded to a multiple of 4; 0 for a width or bit
// count that describes no row.
constexpr std::int64_t DibPitch(std::int64_t bitCount, std::int64_t width)
{
    if (bitCount <= 0 || width <= 0)
        return 0;
    return ((bitCount * width + 31) / 32) * 4;
}

constexpr std::int64_t DibAbsHeight(const BITMAPINFOHEADER& h)
{
    return h.biHeight < 0 ? -static_cast<std::int64_t>(h.biHeight) : h.biHeight;
}

// pitch x |height| in 64 bits; a product beyond that range (a pitch of up to
// 2^35 times a height of up to 2^31) saturates, so no header can overflow it.
constexpr std::int64_t DibStorageSize(const BITMAPINFOHEADER& h)
{
    const std::int64_t pitch = DibPitch(h.biBitCount, h.biWidth);
    const std::int64_t height = DibAbsHeight(h);
    if (height != 0 && pitch > INT64_MAX / height)
        return INT64_MAX;
    return pitch * height;
}

// Where one channel lies within a raw 16- or 32-bit pixel value.
struct ChannelLayout {
    int shift; // position of the mask's lowest set bit
    int loss;  // 8 minus the run of set bits from there; negative when wider than 8
};

constexpr ChannelLayout ChannelFromMask(DWORD mask)
{
    if (mask == 0)
        return {0, 0};
    int shift = 0;
    while ((mask & (DWORD{1} << shift)) == 0)
        ++shift;
    int bits = 0;
    while (shift + bits < 32 && (mask & (DWORD{1} << (shift + bits))) != 0)
        ++bits;
    return {shift, 8 - bits};
}

// Header blocks live in std::malloc memory: CDIB::Create(BITMAPINFO*) takes
// ownership of such a block and releases it with std::free.
struct MallocFree {
    void operator()(void* p) const { std::free(p); }
};
using HeaderBlockPtr = std::unique_ptr<BITMAPINFO, MallocFree>;

// No file may make the library allocate more pixel storage than this.
inline constexpr std::int64_t kMaxPixelBytes = std::int64_t{1} << 30;

// True when a loader may make an image of this size and depth at all.
constexpr bool StorageFits(int bitCount, std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || bitCount <= 0 || width > (1 << 30) || height > (1 << 30))
        return false;
    return DibPitch(bitCount, width) * height <= kMaxPixelBytes;
}

// A zero-filled block of the given size (at least a BITMAPINFOHEADER), or
// null when memory is short.
inline HeaderBlockPtr AllocHeaderBlock(std::size_t bytes)
{
    if (bytes < sizeof(BITMAPINFOHEADER))
        bytes = sizeof(BITMAPINFOHEADER);
    return HeaderBlockPtr(static_cast<BITMAPINFO*>(std::calloc(1, bytes)));
}

// The entries after the header, addressed through biSize.
inline RGBQUAD* DibTable(BITMAPINFO* info)
{
    return reinterpret_cast<RGBQUAD*>(reinterpret_cast<unsigned char*>(info) + info->bmiHeader.biSize);
}
inline const RGBQUAD* DibTable(const BITMAPINFO* info)
{
    return reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const unsigned char*>(info) + info->bmiHeader.biSize);
}

// The colour entries, after any masks.
inline RGBQUAD* DibColors(BITMAPINFO* info)
{
    return DibTable(info) + DibMaskEntries(info->bmiHeader);
}
inline const RGBQUAD* DibColors(const BITMAPINFO* info)
{
    return DibTable(info) + DibMaskEntries(info->bmiHeader);
}

} // namespace pixkit
