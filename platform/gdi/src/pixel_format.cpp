#include "pixel_format.h"

#include <algorithm>
#include <bit>

namespace gdi {

Channel Channel::fromMask(std::uint32_t mask)
{
    Channel c;
    c.mask = mask;
    if (mask == 0)
        return c;
    c.shift = std::countr_zero(mask);
    c.bits = std::countr_one(mask >> c.shift);
    return c;
}

BYTE Channel::toByte(std::uint32_t raw) const
{
    if (bits == 0)
        return 0;
    const std::uint64_t width = (std::uint64_t{1} << bits) - 1;
    const std::uint64_t v = ((raw & mask) >> shift) & width;
    return static_cast<BYTE>(bits >= 8 ? v >> (bits - 8) : v << (8 - bits));
}

std::uint32_t Channel::fromByte(BYTE value) const
{
    if (bits == 0)
        return 0;
    const std::uint64_t v = bits >= 8 ? std::uint64_t{value} << (bits - 8) : std::uint64_t{value} >> (8 - bits);
    return static_cast<std::uint32_t>(v << shift) & mask;
}

PixelFormat PixelFormat::indexed(int bpp, std::vector<RGBQUAD> table)
{
    PixelFormat f(bpp, static_cast<std::uint32_t>((1u << bpp) - 1));
    f.table_ = std::move(table);
    return f;
}

PixelFormat PixelFormat::bitFields(int bpp, std::uint32_t red, std::uint32_t green, std::uint32_t blue)
{
    PixelFormat f(bpp, red | green | blue);
    f.channels_ = {Channel::fromMask(red), Channel::fromMask(green), Channel::fromMask(blue)};
    return f;
}

PixelFormat PixelFormat::standard(int bpp)
{
    if (bpp == 16)
        return bitFields(16, 0x7C00, 0x03E0, 0x001F);
    return bitFields(bpp, 0xFF0000, 0x00FF00, 0x0000FF);
}

PixelFormat PixelFormat::monochrome()
{
    return indexed(1, {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}});
}

std::array<std::uint32_t, 3> PixelFormat::masks() const
{
    return {channels_[0].mask, channels_[1].mask, channels_[2].mask};
}

COLORREF PixelFormat::toColor(std::uint32_t raw) const
{
    if (isIndexed()) {
        if (raw >= table_.size())
            return RGB(0, 0, 0);
        const RGBQUAD& q = table_[raw];
        return RGB(q.rgbRed, q.rgbGreen, q.rgbBlue);
    }
    return RGB(channels_[0].toByte(raw), channels_[1].toByte(raw), channels_[2].toByte(raw));
}

std::uint32_t PixelFormat::fromColor(COLORREF color) const
{
    if (isIndexed())
        return nearestColorIndex(table_, color);
    return channels_[0].fromByte(GetRValue(color)) | channels_[1].fromByte(GetGValue(color)) |
           channels_[2].fromByte(GetBValue(color));
}

bool PixelFormat::sameAs(const PixelFormat& other) const
{
    if (bpp_ != other.bpp_)
        return false;
    if (!isIndexed())
        return masks() == other.masks();
    return std::equal(table_.begin(), table_.end(), other.table_.begin(), other.table_.end(),
                      [](const RGBQUAD& a, const RGBQUAD& b) {
                          return a.rgbRed == b.rgbRed && a.rgbGreen == b.rgbGreen && a.rgbBlue == b.rgbBlue;
                      });
}

namespace {

template <class Entry, class Rgb>
unsigned nearest(std::span<const Entry> table, COLORREF color, Rgb rgbOf)
{
    const int r = GetRValue(color);
    const int g = GetGValue(color);
    const int b = GetBValue(color);
    unsigned best = 0;
    int bestDistance = -1;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto [er, eg, eb] = rgbOf(table[i]);
        const int distance = (er - r) * (er - r) + (eg - g) * (eg - g) + (eb - b) * (eb - b);
        if (bestDistance < 0 || distance < bestDistance) {
            best = static_cast<unsigned>(i);
            bestDistance = distance;
            if (distance == 0)
                break;
        }
    }
    return best;
}

struct Rgb3 {
    int r, g, b;
};

} // namespace

unsigned nearestColorIndex(std::span<const RGBQUAD> table, COLORREF color)
{
    return nearest(table, color, [](const RGBQUAD& q) { return Rgb3{q.rgbRed, q.rgbGreen, q.rgbBlue}; });
}

unsigned nearestColorIndex(std::span<const PALETTEENTRY> table, COLORREF color)
{
    return nearest(table, color, [](const PALETTEENTRY& e) { return Rgb3{e.peRed, e.peGreen, e.peBlue}; });
}

} // namespace gdi
