#include "core/bmp_layout.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace pixkit {

namespace {

std::uint32_t Read32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint16_t Read16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

bool IsSupportedInfoSize(std::uint32_t size)
{
    return size == kInfoHeaderSize || size == kInfoHeaderV2 || size == kInfoHeaderV3 || size == kInfoHeaderV4 ||
           size == kInfoHeaderV5;
}

bool IsSupportedDepth(unsigned bitCount)
{
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 || bitCount == 32;
}

BITMAPINFOHEADER ReadInfoHeader(const unsigned char* p)
{
    BITMAPINFOHEADER h{};
    h.biSize = Read32(p);
    h.biWidth = static_cast<LONG>(Read32(p + 4));
    h.biHeight = static_cast<LONG>(Read32(p + 8));
    h.biPlanes = Read16(p + 12);
    h.biBitCount = Read16(p + 14);
    h.biCompression = Read32(p + 16);
    h.biSizeImage = Read32(p + 20);
    h.biXPelsPerMeter = static_cast<LONG>(Read32(p + 24));
    h.biYPelsPerMeter = static_cast<LONG>(Read32(p + 28));
    h.biClrUsed = Read32(p + 32);
    h.biClrImportant = Read32(p + 36);
    return h;
}

} // namespace

std::optional<BmpPlan> PlanBmpLoad(const unsigned char* head, std::size_t headLen, std::uint64_t fileSize)
{
    headLen = static_cast<std::size_t>(std::min<std::uint64_t>(headLen, fileSize));
    // File header plus the info header's size field.
    if (head == nullptr || headLen < kFileHeaderSize + 4)
        return std::nullopt;
    const std::uint32_t bfSize = Read32(head + 2);
    const std::uint32_t bfOffBits = Read32(head + 10);
    if (bfOffBits > fileSize)
        return std::nullopt;

    const std::uint32_t infoSize = Read32(head + kFileHeaderSize);
    if (!IsSupportedInfoSize(infoSize) || kFileHeaderSize + infoSize > headLen)
        return std::nullopt;
    const unsigned char* info = head + kFileHeaderSize;
    BITMAPINFOHEADER h = ReadInfoHeader(info);

    if (h.biPlanes != 1 || !IsSupportedDepth(h.biBitCount))
        return std::nullopt;
    const bool bitFields = h.biCompression == BI_BITFIELDS || h.biCompression == kAlphaBitFields;
    if (h.biCompression != BI_RGB && !bitFields)
        return std::nullopt; // run-length, JPEG and PNG bodies are not read
    if (bitFields && h.biBitCount != 16 && h.biBitCount != 32)
        return std::nullopt;

    // With the plain header the masks come first in the table (a fourth, the
    // alpha mask, with compression 6); later headers hold them inside.
    std::uint64_t masksInFile = 0;
    if (bitFields && infoSize == kInfoHeaderSize)
        masksInFile = h.biCompression == kAlphaBitFields ? 4 : 3;
    if (bitFields && infoSize == kInfoHeaderV2 && h.biCompression == kAlphaBitFields)
        return std::nullopt; // names an alpha mask that this header has no room for

    h.biSize = kInfoHeaderSize;
    if (bitFields)
        h.biCompression = BI_BITFIELDS;
    const std::uint64_t colors = DibColorEntries(h);
    if (colors > kMaxColorEntries)
        return std::nullopt;

    const std::uint64_t tableEnd = kFileHeaderSize + std::uint64_t{infoSize} + 4 * (masksInFile + colors);
    if (tableEnd > bfOffBits || tableEnd > headLen)
        return std::nullopt;

    if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == std::numeric_limits<LONG>::min())
        return std::nullopt;
    const std::int64_t storage = DibStorageSize(h);
    if (storage <= 0 || storage > kMaxPixelBytes || storage > std::numeric_limits<int>::max())
        return std::nullopt;
    const std::int64_t present = static_cast<std::int64_t>(fileSize - bfOffBits);
    if (storage > present + kMaxMissingPixelBytes)
        return std::nullopt;

    const std::uint64_t blockSize = DibInfoSize(h);
    HeaderBlockPtr block = AllocHeaderBlock(static_cast<std::size_t>(blockSize));
    if (!block)
        return std::nullopt;
    std::memcpy(&block->bmiHeader, &h, sizeof h);
    auto* out = reinterpret_cast<unsigned char*>(DibTable(block.get()));
    const unsigned char* table = info + infoSize;
    if (bitFields) {
        // Red, green, blue: from the table or from offsets 40, 44, 48 of a
        // larger header.  Alpha, colour space and profile are dropped.
        std::memcpy(out, masksInFile != 0 ? table : info + kInfoHeaderSize, 12);
        out += 12;
    }
    std::memcpy(out, table + 4 * masksInFile, static_cast<std::size_t>(4 * colors));

    const std::uint32_t claimed = bfSize - bfOffBits; // wraps when bfSize lies low: capped below
    BmpPlan plan{std::move(block), bfOffBits,
                 static_cast<std::uint32_t>(std::min<std::int64_t>(claimed, storage))};
    return plan;
}

} // namespace pixkit
