#include "rop.h"

namespace gdi {

std::optional<RasterOp> RasterOp::fromCode(DWORD rop, const PixelFormat& destination)
{
    if ((rop & 0xFF000000u) != 0)
        return std::nullopt;
    const auto index = static_cast<std::uint8_t>(rop >> 16);
    // Independent of the pattern: the P = 1 half of the table equals the P = 0 half.
    if ((index >> 4) != (index & 0x0F))
        return std::nullopt;
    // Black and white are the nearest entries on palette formats, so that
    // BLACKNESS and WHITENESS give those colours whatever the table's order.
    return RasterOp(index, destination.valueMask(), destination.fromColor(RGB(0, 0, 0)),
                    destination.fromColor(RGB(255, 255, 255)));
}

bool RasterOp::usesSource() const
{
    return ((index_ >> 2) & 0x33) != (index_ & 0x33);
}

bool RasterOp::usesDestination() const
{
    return ((index_ >> 1) & 0x55) != (index_ & 0x55);
}

std::uint32_t RasterOp::apply(std::uint32_t s, std::uint32_t d) const
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
    default: break;
    }
    std::uint32_t result = 0;
    for (int k = 0; k < 4; ++k) {
        if ((index_ >> k) & 1) {
            const std::uint32_t sv = (k & 2) ? s : ~s;
            const std::uint32_t dv = (k & 1) ? d : ~d;
            result |= sv & dv;
        }
    }
    return result & mask_;
}

} // namespace gdi
