#include "blit.h"

#include <algorithm>
#include <functional>
#include <optional>

namespace gdi {

namespace {

bool overlaps(const Surface& a, const Surface& b)
{
    const std::uint8_t* pa = a.bits();
    const std::uint8_t* pb = b.bits();
    if (pa == nullptr || pb == nullptr)
        return false;
    std::less<const std::uint8_t*> before;
    return before(pa, pb + b.storageSize()) && before(pb, pa + a.storageSize());
}

} // namespace

void runBlit(Surface& destination, std::span<const RECT> clip, const AxisMap& columns, const AxisMap& rows,
             const Surface* source, const PixelConverter* convert, const RasterOp& rop, std::uint32_t pattern)
{
    if (columns.source.empty() || rows.source.empty())
        return;
    const bool readSource = rop.usesSource() && source != nullptr && convert != nullptr;
    if (rop.usesSource() && !readSource)
        return;

    std::optional<Surface> copy;
    if (readSource && overlaps(*source, destination)) {
        copy.emplace(source->clone());
        source = &*copy;
    }

    const bool readDestination = rop.usesDestination();
    for (const RECT& r : clip) {
        const int x0 = std::max<int>({r.left, columns.start, 0});
        const int x1 = std::min<int>({r.right, columns.end(), destination.width()});
        const int y0 = std::max<int>({r.top, rows.start, 0});
        const int y1 = std::min<int>({r.bottom, rows.end(), destination.height()});
        for (int y = y0; y < y1; ++y) {
            const int sy = rows.source[static_cast<std::size_t>(y - rows.start)];
            if (sy < 0)
                continue;
            for (int x = x0; x < x1; ++x) {
                const int sx = columns.source[static_cast<std::size_t>(x - columns.start)];
                if (sx < 0)
                    continue;
                const std::uint32_t s = readSource ? (*convert)(source->raw(sx, sy)) : 0;
                const std::uint32_t d = readDestination ? destination.raw(x, y) : 0;
                destination.setRaw(x, y, rop.apply(pattern, s, d));
            }
        }
    }
}

} // namespace gdi
