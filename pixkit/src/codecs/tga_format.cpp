#include "codecs/tga_format.h"

#include "core/dib_header.h"

namespace pixkit {

TgaHeader ParseTgaHeader(const TgaHeaderBytes& bytes)
{
    TgaHeader h;
    h.width = bytes[12] | (bytes[13] << 8);
    h.height = bytes[14] | (bytes[15] << 8);
    h.bitsPerPixel = bytes[16];
    return h;
}

TgaHeaderBytes BuildTgaHeader(int width, int height, int bitsPerPixel)
{
    TgaHeaderBytes b{};
    b[2] = 2; // uncompressed true colour, no colour map
    b[12] = static_cast<std::uint8_t>(width & 0xFF);
    b[13] = static_cast<std::uint8_t>((width >> 8) & 0xFF);
    b[14] = static_cast<std::uint8_t>(height & 0xFF);
    b[15] = static_cast<std::uint8_t>((height >> 8) & 0xFF);
    b[16] = static_cast<std::uint8_t>(bitsPerPixel);
    b[17] = 8;
    return b;
}

TgaVerdict CheckTgaFile(const TgaHeader& header, std::uint64_t fileSize)
{
    switch (header.bitsPerPixel) {
    case 8:
    case 16:
    case 24:
    case 32:
        break;
    default:
        return TgaVerdict::kBadDepth;
    }
    if (header.width == 0 || header.height == 0)
        return TgaVerdict::kEmpty;
    if (!StorageFits(header.bitsPerPixel, header.width, header.height))
        return TgaVerdict::kTooLarge;
    const std::uint64_t body = fileSize > kTgaHeaderSize ? fileSize - kTgaHeaderSize : 0;
    if (body * 2 < header.BodyBytes())
        return TgaVerdict::kBodyMissing;
    return TgaVerdict::kAccepted;
}

} // namespace pixkit
