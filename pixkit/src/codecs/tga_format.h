// Uncompressed Targa files: the 18-byte header and the body size rules.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace pixkit {

inline constexpr std::size_t kTgaHeaderSize = 18;

using TgaHeaderBytes = std::array<std::uint8_t, kTgaHeaderSize>;

// The header fields the reader takes.  The pixels always start right after
// the 18 header bytes, uncompressed and bottom row first, whatever the ID
// length, image type or descriptor say.
struct TgaHeader {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;

    // Bytes of one row in the file: no padding.
    std::uint64_t RowBytes() const
    {
        return static_cast<std::uint64_t>(bitsPerPixel) * static_cast<std::uint64_t>(width) / 8;
    }
    std::uint64_t BodyBytes() const { return RowBytes() * static_cast<std::uint64_t>(height); }
};

TgaHeader ParseTgaHeader(const TgaHeaderBytes& bytes);

// The header written for an uncompressed true-colour image.  Width and height
// must fit 16 bits.
TgaHeaderBytes BuildTgaHeader(int width, int height, int bitsPerPixel);

// Why a header is refused, or kAccepted.
enum class TgaVerdict {
    kAccepted,
    kBadDepth,     // bits per pixel other than 8, 16, 24 or 32
    kEmpty,        // zero width or height
    kTooLarge,     // the pixel storage would pass the library's limit
    kBodyMissing,  // the file holds less than half of the promised pixels
};

// Decides whether a file of fileSize bytes with this header is loaded.  A
// body that is cut short by up to half is accepted (the missing rows keep
// what the new image held); anything shorter cannot justify the storage.
TgaVerdict CheckTgaFile(const TgaHeader& header, std::uint64_t fileSize);

} // namespace pixkit
