// Reading .ico and .cur files.
#include "platform/icon_file.h"

#include "byte_order.h"

#include <algorithm>
#include <array>

namespace iconfile {
namespace {

using detail::Read16;
using detail::Read32;
using detail::RowBytes;

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};

// Sample `bitCount` bits of a stored row at column x.
std::uint32_t Sample(std::span<const std::uint8_t> row, int x, int bitCount)
{
    switch (bitCount) {
    case 1:
        return (row[static_cast<std::size_t>(x) / 8] >> (7 - x % 8)) & 1u;
    case 4:
        return (row[static_cast<std::size_t>(x) / 2] >> (x % 2 == 0 ? 4 : 0)) & 0xFu;
    case 8:
        return row[static_cast<std::size_t>(x)];
    case 24: {
        const std::size_t at = static_cast<std::size_t>(x) * 3;
        return 0xFF000000u | (static_cast<std::uint32_t>(row[at + 2]) << 16) |
               (static_cast<std::uint32_t>(row[at + 1]) << 8) | row[at];
    }
    default:
        return Read32(row, static_cast<std::size_t>(x) * 4); // BGRA in memory is 0xAARRGGBB
    }
}

// One image of `bytes` at the start of `image`.
IconError ReadImage(std::span<const std::uint8_t> image, IconImage& out)
{
    if (image.size() >= kPngSignature.size() && std::equal(kPngSignature.begin(), kPngSignature.end(), image.begin()))
        return IconError::UnsupportedImage;
    if (image.size() < detail::kInfoHeaderSize)
        return IconError::Truncated;

    const std::uint32_t headerSize = Read32(image, 0);
    const auto width = static_cast<std::int32_t>(Read32(image, 4));
    const auto doubledHeight = static_cast<std::int32_t>(Read32(image, 8));
    const std::uint16_t planes = Read16(image, 12);
    const std::uint16_t bitCount = Read16(image, 14);
    const std::uint32_t compression = Read32(image, 16);
    const std::uint32_t colorsUsed = Read32(image, 32);

    if (headerSize < detail::kInfoHeaderSize || headerSize > image.size())
        return IconError::BadImageHeader;
    if (width < 1 || width > detail::kMaxSide || doubledHeight < 2 || doubledHeight % 2 != 0 ||
        doubledHeight / 2 > detail::kMaxSide || planes != 1 || !detail::IsSupportedDepth(bitCount))
        return IconError::BadImageHeader;
    if (compression != 0)
        return IconError::UnsupportedImage;

    const std::uint32_t maxColors = detail::IsIndexed(bitCount) ? 1u << bitCount : 256u;
    if (colorsUsed > maxColors)
        return IconError::BadImageHeader;
    const std::uint32_t tableEntries = detail::IsIndexed(bitCount) && colorsUsed == 0 ? maxColors : colorsUsed;

    const int height = doubledHeight / 2;
    const std::uint64_t colorStride = RowBytes(static_cast<std::uint64_t>(width), bitCount);
    const std::uint64_t maskStride = RowBytes(static_cast<std::uint64_t>(width), 1);
    const std::uint64_t tableAt = headerSize;
    const std::uint64_t colorAt = tableAt + std::uint64_t{tableEntries} * 4;
    const std::uint64_t maskAt = colorAt + colorStride * static_cast<std::uint64_t>(height);
    const std::uint64_t end = maskAt + maskStride * static_cast<std::uint64_t>(height);
    if (end > image.size())
        return IconError::Truncated;

    out.width = width;
    out.height = height;
    out.bitCount = bitCount;
    out.palette.clear();
    if (detail::IsIndexed(bitCount))
        for (std::uint32_t i = 0; i < tableEntries; ++i)
            out.palette.push_back(Read32(image, static_cast<std::size_t>(tableAt + i * 4)) & 0x00FFFFFFu);

    const auto pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    out.color.assign(pixels, 0);
    out.mask.assign(pixels, 0);
    for (int y = 0; y < height; ++y) {
        const auto stored = static_cast<std::uint64_t>(height - 1 - y); // rows are stored bottom first
        const auto colorRow = image.subspan(static_cast<std::size_t>(colorAt + stored * colorStride),
                                            static_cast<std::size_t>(colorStride));
        const auto maskRow = image.subspan(static_cast<std::size_t>(maskAt + stored * maskStride),
                                           static_cast<std::size_t>(maskStride));
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                   static_cast<std::size_t>(x);
            const std::uint32_t value = Sample(colorRow, x, bitCount);
            if (detail::IsIndexed(bitCount) && value >= out.palette.size())
                return IconError::BadImage;
            out.color[at] = value;
            out.mask[at] = static_cast<std::uint8_t>(Sample(maskRow, x, 1));
        }
    }
    return IconError::None;
}

} // namespace

IconReadResult ReadIconFile(std::span<const std::uint8_t> data)
{
    IconReadResult result;
    if (data.size() < detail::kDirectorySize) {
        result.error = IconError::Truncated;
        return result;
    }
    const std::uint16_t reserved = Read16(data, 0);
    const std::uint16_t type = Read16(data, 2);
    const std::uint16_t count = Read16(data, 4);
    if (reserved != 0 || (type != 1 && type != 2) || count == 0) {
        result.error = IconError::BadDirectory;
        return result;
    }
    if (detail::kDirectorySize + detail::kEntrySize * count > data.size()) {
        result.error = IconError::Truncated;
        return result;
    }

    result.file.kind = static_cast<Kind>(type);
    result.file.images.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = detail::kDirectorySize + detail::kEntrySize * i;
        const std::uint64_t bytes = Read32(data, entry + 8);
        const std::uint64_t offset = Read32(data, entry + 12);
        if (offset + bytes > data.size()) {
            result.error = IconError::Truncated;
            break;
        }
        IconImage& image = result.file.images[i];
        result.error = ReadImage(data.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(bytes)), image);
        if (result.error != IconError::None)
            break;
        if (result.file.kind == Kind::Cursor) {
            // A cursor's entry carries its hot spot where an icon's has planes and depth.
            image.hotspotX = Read16(data, entry + 4);
            image.hotspotY = Read16(data, entry + 6);
        }
    }
    if (result.error != IconError::None)
        result.file.images.clear();
    return result;
}

std::vector<std::uint32_t> ToArgb(const IconImage& image)
{
    const bool hasAlpha = image.bitCount == 32 && std::any_of(image.color.begin(), image.color.end(),
                                                              [](std::uint32_t c) { return (c >> 24) != 0; });
    std::vector<std::uint32_t> out(image.color.size(), 0);
    for (std::size_t i = 0; i < out.size() && i < image.mask.size(); ++i) {
        std::uint32_t rgb = image.color[i] & 0x00FFFFFFu;
        if (detail::IsIndexed(image.bitCount))
            rgb = image.color[i] < image.palette.size() ? image.palette[image.color[i]] : 0;
        if (hasAlpha)
            out[i] = image.color[i];
        else
            out[i] = image.mask[i] != 0 ? 0u : 0xFF000000u | rgb;
    }
    return out;
}

const char* IconErrorText(IconError error)
{
    switch (error) {
    case IconError::None:
        return "no error";
    case IconError::Truncated:
        return "the data ends before what its sizes describe";
    case IconError::BadDirectory:
        return "not an icon or cursor directory";
    case IconError::BadImageHeader:
        return "an image header that is not a plain icon bitmap";
    case IconError::UnsupportedImage:
        return "a compressed image";
    case IconError::BadImage:
        return "pixel values that do not fit the image";
    }
    return "unknown error";
}

} // namespace iconfile
