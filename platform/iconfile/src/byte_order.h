// Little-endian fields of the icon file format.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace iconfile::detail {

inline std::uint16_t Read16(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint16_t>(data[at] | (data[at + 1] << 8));
}

inline std::uint32_t Read32(std::span<const std::uint8_t> data, std::size_t at)
{
    return static_cast<std::uint32_t>(data[at]) | (static_cast<std::uint32_t>(data[at + 1]) << 8) |
           (static_cast<std::uint32_t>(data[at + 2]) << 16) | (static_cast<std::uint32_t>(data[at + 3]) << 24);
}

inline void Append16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void Append32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

// Bytes of one stored row: rows are padded to whole 32-bit words.
constexpr std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bitCount) { return (width * bitCount + 31) / 32 * 4; }

inline constexpr std::size_t kDirectorySize = 6;
inline constexpr std::size_t kEntrySize = 16;
inline constexpr std::uint32_t kInfoHeaderSize = 40;
inline constexpr int kMaxSide = 256;

constexpr bool IsIndexed(int bitCount) { return bitCount <= 8; }
constexpr bool IsSupportedDepth(int bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

} // namespace iconfile::detail
