#include "dib_header.h"

#include <climits>
#include <cstring>

namespace gdi {

std::optional<int> dibPitch(int bpp, long long width)
{
    if (width <= 0 || bpp <= 0)
        return std::nullopt;
    const long long pitch = ((static_cast<long long>(bpp) * width + 31) / 32) * 4;
    if (pitch > INT_MAX)
        return std::nullopt;
    return static_cast<int>(pitch);
}

std::optional<DibLayout> readDibHeader(const BITMAPINFO* info, UINT usage)
{
    if (info == nullptr || usage != DIB_RGB_COLORS)
        return std::nullopt;
    const BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > kMaxInfoHeaderSize)
        return std::nullopt;
    if (h.biWidth <= 0 || h.biHeight == 0 || h.biHeight == INT_MIN || h.biPlanes != 1)
        return std::nullopt;

    const int bpp = h.biBitCount;
    switch (bpp) {
    case 1: case 4: case 8: case 16: case 24: case 32:
        break;
    default:
        return std::nullopt;
    }
    if (h.biCompression != BI_RGB && h.biCompression != BI_BITFIELDS)
        return std::nullopt;
    if (h.biCompression == BI_BITFIELDS && bpp != 16 && bpp != 32)
        return std::nullopt;
    if (bpp <= 8 && h.biClrUsed > (1u << bpp))
        return std::nullopt;

    const auto pitch = dibPitch(bpp, h.biWidth);
    if (!pitch)
        return std::nullopt;
    const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
    const std::uint64_t storage = static_cast<std::uint64_t>(*pitch) * static_cast<std::uint64_t>(height);
    if (storage > kMaxDibStorage)
        return std::nullopt;

    const auto* block = reinterpret_cast<const std::uint8_t*>(info);
    DibLayout layout{
        .header = h,
        .width = h.biWidth,
        .height = static_cast<int>(height),
        .topDown = h.biHeight < 0,
        .pitch = *pitch,
        .storageSize = static_cast<std::size_t>(storage),
    };
    if (bpp <= 8) {
        std::vector<RGBQUAD> table(h.biClrUsed != 0 ? h.biClrUsed : (1u << bpp));
        std::memcpy(table.data(), block + h.biSize, table.size() * sizeof(RGBQUAD));
        for (RGBQUAD& q : table)
            q.rgbReserved = 0;
        layout.format = PixelFormat::indexed(bpp, std::move(table));
    } else if (h.biCompression == BI_BITFIELDS) {
        std::uint32_t masks[3];
        std::memcpy(masks, block + sizeof(BITMAPINFOHEADER), sizeof masks);
        layout.format = PixelFormat::bitFields(bpp, masks[0], masks[1], masks[2]);
    } else {
        layout.format = PixelFormat::standard(bpp);
    }
    return layout;
}

} // namespace gdi
