#include "stretch.h"

#include <algorithm>

namespace gdi {

AxisMap mapAxis(std::int64_t dstPos, std::int64_t dstExtent, std::int64_t srcPos, std::int64_t srcExtent,
                int dstLimit, std::int64_t srcLimit)
{
    AxisMap map;
    const bool noSource = srcLimit < 0;
    if (noSource)
        srcExtent = dstExtent;
    if (dstExtent == 0 || srcExtent == 0)
        return map;

    // A negative extent covers [pos + extent, pos).
    const bool flipDst = dstExtent < 0;
    const bool flipSrc = srcExtent < 0;
    const std::int64_t d0 = flipDst ? dstPos + dstExtent : dstPos;
    const std::int64_t dn = flipDst ? -dstExtent : dstExtent;
    const std::int64_t s0 = flipSrc ? srcPos + srcExtent : srcPos;
    const std::int64_t sn = flipSrc ? -srcExtent : srcExtent;
    const bool mirror = flipDst != flipSrc;

    const std::int64_t first = std::max<std::int64_t>(d0, 0);
    const std::int64_t last = std::min<std::int64_t>(d0 + dn, dstLimit);
    if (first >= last)
        return map;

    map.start = static_cast<int>(first);
    map.source.resize(static_cast<std::size_t>(last - first));
    for (std::int64_t x = first; x < last; ++x) {
        int& out = map.source[static_cast<std::size_t>(x - first)];
        if (noSource) {
            out = 0;
            continue;
        }
        const std::int64_t i = x - d0;
        // Sample at the centre of each destination pixel.
        std::int64_t j = (sn == dn) ? i
                                    : static_cast<std::int64_t>((static_cast<__int128>(2 * i + 1) * sn) /
                                                                (static_cast<__int128>(2) * dn));
        if (mirror)
            j = sn - 1 - j;
        const std::int64_t s = s0 + j;
        out = (s >= 0 && s < srcLimit) ? static_cast<int>(s) : -1;
    }
    return map;
}

} // namespace gdi
