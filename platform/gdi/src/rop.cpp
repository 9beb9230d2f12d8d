#include "rop.h"

namespace gdi {

RasterOp RasterOp::make(std::uint8_t index, const PixelFormat& destination)
{
    // Black and white are the nearest entries on palette formats, so that
    // BLACKNESS and WHITENESS give those colours whatever the table's order.
    return RasterOp(index, destination.valueMask(), destination.fromColor(RGB(0, 0, 0)),
                    destination.fromColor(RGB(255, 255, 255)));
}

std::optional<RasterOp> RasterOp::fromCode(DWORD rop, const PixelFormat& destination)
{
    if ((rop & 0xFF000000u) != 0)
        return std::nullopt;
    return make(static_cast<std::uint8_t>(rop >> 16), destination);
}

std::optional<RasterOp> RasterOp::fromMixMode(int mode, const PixelFormat& destination)
{
    if (mode < 1 || mode > 16)
        return std::nullopt;
    // Bit (P << 1 | D) of mode - 1 is the result for pen bit P over
    // destination bit D; the source plays no part.
    const int table = mode - 1;
    std::uint8_t index = 0;
    for (int k = 0; k < 8; ++k) {
        const int p = (k >> 2) & 1;
        const int d = k & 1;
        if ((table >> (p * 2 + d)) & 1)
            index = static_cast<std::uint8_t>(index | (1 << k));
    }
    return make(index, destination);
}

RasterOp RasterOp::patternCopy(const PixelFormat& destination)
{
    return make(0xF0, destination);
}

bool RasterOp::usesPattern() const
{
    return (index_ >> 4) != (index_ & 0x0F);
}

bool RasterOp::usesSource() const
{
    return ((index_ >> 2) & 0x33) != (index_ & 0x33);
}

bool RasterOp::usesDestination() const
{
    return ((index_ >> 1) & 0x55) != (index_ & 0x55);
}

std::uint32_t RasterOp::apply(std::uint32_t p, std::uint32_t s, std::uint32_t d) const
{
    switch (index_) {
    case 0xCC: return s;                  // SRCCOPY
    case 0x66: return s ^ d;              // SRCINVERT
    case 0x88: return s & d;              // SRCAND
    case 0xEE: return s | d;              // SRCPAINT
    case 0x44: return s & ~d & mask_;     // SRCERASE
    case 0x33: return ~s & mask_;         // NOTSRCCOPY
    case 0x55: return ~d & mask_;         // DSTINVERT
    case 0x00: return black_;             // BLACKNESS
    case 0xFF: return white_;             // WHITENESS
    case 0xAA: return d;
    case 0xF0: return p;                  // PATCOPY
    case 0x5A: return p ^ d;              // PATINVERT
    case 0xC0: return p & s;              // MERGECOPY
    default: break;
    }
    std::uint32_t result = 0;
    for (int k = 0; k < 8; ++k) {
        if ((index_ >> k) & 1) {
            const std::uint32_t pv = (k & 4) ? p : ~p;
            const std::uint32_t sv = (k & 2) ? s : ~s;
            const std::uint32_t dv = (k & 1) ? d : ~d;
            result |= pv & sv & dv;
        }
    }
    return result & mask_;
}

} // namespace gdi
