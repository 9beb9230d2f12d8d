#include "paint_ops.h"

#include "platform/gdi.h"

#include <algorithm>
#include <array>

namespace gdi {

std::uint32_t solidPattern(const PixelFormat& format, COLORREF color, bool bitwise)
{
    color &= 0xFFFFFFu;
    if (bitwise && format.isIndexed()) {
        if (color == RGB(0, 0, 0))
            return 0;
        if (color == RGB(255, 255, 255))
            return format.valueMask();
    }
    return format.fromColor(color);
}

void fillArea(Surface& surface, const Region& clip, const RECT& area, const RasterOp& rop, std::uint32_t pattern)
{
    if (area.right <= area.left || area.bottom <= area.top)
        return;
    fillRegion(surface, clip, Region(area), rop, pattern);
}

void fillRegion(Surface& surface, const Region& clip, const Region& area, const RasterOp& rop,
                std::uint32_t pattern)
{
    const bool readDestination = rop.usesDestination();
    const Region target = Region::combine(clip, area, Region::Op::And);
    for (const RECT& r : target.rects()) {
        const int x0 = std::max<int>(r.left, 0);
        const int x1 = std::min<int>(r.right, surface.width());
        const int y0 = std::max<int>(r.top, 0);
        const int y1 = std::min<int>(r.bottom, surface.height());
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                surface.setRaw(x, y, rop.apply(pattern, 0, readDestination ? surface.raw(x, y) : 0));
    }
}

void plotPixel(Surface& surface, const Region& clip, int x, int y, const RasterOp& rop, std::uint32_t pattern)
{
    if (!surface.contains(x, y) || !clip.contains(x, y))
        return;
    surface.setRaw(x, y, rop.apply(pattern, 0, rop.usesDestination() ? surface.raw(x, y) : 0));
}

namespace {

constexpr std::array<int, 2> kDash{18, 6};
constexpr std::array<int, 2> kDot{3, 3};
constexpr std::array<int, 4> kDashDot{9, 6, 3, 6};
constexpr std::array<int, 6> kDashDotDot{9, 3, 3, 3, 3, 3};

} // namespace

DashPattern::DashPattern(UINT style)
{
    switch (style) {
    case PS_DASH: lengths_ = kDash; break;
    case PS_DOT: lengths_ = kDot; break;
    case PS_DASHDOT: lengths_ = kDashDot; break;
    case PS_DASHDOTDOT: lengths_ = kDashDotDot; break;
    default: break;
    }
    for (int length : lengths_)
        period_ += length;
}

bool DashPattern::on(long long position) const
{
    if (lengths_.empty())
        return true;
    long long at = position % period_;
    for (std::size_t part = 0; part < lengths_.size(); ++part) {
        if (at < lengths_[part])
            return part % 2 == 0;
        at -= lengths_[part];
    }
    return false;
}

bool insideEllipse(const RECT& bounds, int inset, int x, int y)
{
    const double left = static_cast<double>(bounds.left) + inset;
    const double right = static_cast<double>(bounds.right) - inset;
    const double top = static_cast<double>(bounds.top) + inset;
    const double bottom = static_cast<double>(bounds.bottom) - inset;
    if (right <= left || bottom <= top)
        return false;
    const double rx = (right - left) / 2;
    const double ry = (bottom - top) / 2;
    const double u = (x + 0.5 - (left + rx)) / rx;
    const double v = (y + 0.5 - (top + ry)) / ry;
    return u * u + v * v <= 1.0;
}

} // namespace gdi
