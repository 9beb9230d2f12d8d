// Filling areas and stroking lines on a surface, inside a clip region: the
// pixel work behind brushes and pens, free of handles.
#pragma once

#include "region.h"
#include "rop.h"
#include "surface.h"

#include <cstdint>
#include <span>

namespace gdi {

// The raw value a solid colour contributes as a pattern.  When the raster
// operation mixes it bitwise with other pixels on a palette format, black
// and white become index 0 and the all-ones index (as monochrome sources
// do), so inverting with a white brush inverts every bit.
std::uint32_t solidPattern(const PixelFormat& format, COLORREF color, bool bitwise);

// rop(pattern, -, destination) on every pixel of `area` inside `clip`.
void fillArea(Surface& surface, const Region& clip, const RECT& area, const RasterOp& rop, std::uint32_t pattern);
void fillRegion(Surface& surface, const Region& clip, const Region& area, const RasterOp& rop,
                std::uint32_t pattern);
// rop(pattern, -, destination) on one pixel, if it lies inside `clip`.
void plotPixel(Surface& surface, const Region& clip, int x, int y, const RasterOp& rop, std::uint32_t pattern);

// The pixels of the line from `from` to `to`, `to` excluded, stepping one
// pixel along the major axis each time: visit(step, x, y) for the steps
// whose major-axis coordinate lies in [low, high], so that a line far longer
// than the surface costs no more than the surface is wide.  Returns the
// number of steps of the whole line.
template <class Visit>
long long tracePixels(POINT from, POINT to, long long low, long long high, Visit&& visit)
{
    const long long dx = static_cast<long long>(to.x) - from.x;
    const long long dy = static_cast<long long>(to.y) - from.y;
    const long long adx = dx < 0 ? -dx : dx;
    const long long ady = dy < 0 ? -dy : dy;
    const bool xMajor = adx >= ady;
    const long long major = xMajor ? adx : ady; // steps
    const long long minor = xMajor ? ady : adx;
    const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int sMinor = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const long long start = xMajor ? from.x : from.y;
    // Steps whose major coordinate start + sMajor * i lies in [low, high].
    long long first = sMajor > 0 ? low - start : start - high;
    long long last = sMajor > 0 ? high - start : start - low;
    first = first < 0 ? 0 : first;
    last = last > major - 1 ? major - 1 : last;
    if (first > last)
        return major;
    // The minor offset after i steps: increments come whenever the error
    // 2 * minor * i - 2 * major * k would exceed major.
    const auto minorAt = [&](long long i) -> long long {
        if (major == 0)
            return 0;
        const __int128 num = static_cast<__int128>(2) * minor * i - major;
        const __int128 den = static_cast<__int128>(2) * major;
        const __int128 k = num <= 0 ? 0 : (num + den - 1) / den;
        return static_cast<long long>(k);
    };
    long long k = minorAt(first);
    long long error = static_cast<long long>(static_cast<__int128>(2) * minor * first -
                                             static_cast<__int128>(2) * major * k);
    for (long long i = first; i <= last; ++i) {
        const long long a = start + sMajor * i;
        const long long b = (xMajor ? from.y : from.x) + sMinor * k;
        if (xMajor)
            visit(i, a, b);
        else
            visit(i, b, a);
        error += 2 * minor;
        if (error > major) {
            ++k;
            error -= 2 * major;
        }
    }
    return major;
}

// The on/off rhythm of a pen style along a path.
class DashPattern {
public:
    explicit DashPattern(UINT style);
    bool solid() const { return lengths_.empty(); }
    // Whether the pixel `position` pixels from the path's start is drawn.
    bool on(long long position) const;

private:
    std::span<const int> lengths_; // on, off, on, off, ...
    int period_ = 0;
};

// Whether pixel (x, y) lies inside the ellipse inscribed in `bounds`
// shrunk by `inset` on every side: its centre is inside.
bool insideEllipse(const RECT& bounds, int inset, int x, int y);

} // namespace gdi
