#include "dc_access.h"

#include <algorithm>

namespace gdi {

Surface* dcSurface(HandleTable& table, DcObject& dc)
{
    if (dc.external)
        return &*dc.external;
    BitmapObject* bitmap = table.get<BitmapObject>(dc.bitmap);
    return bitmap != nullptr ? &bitmap->surface : nullptr;
}

PaletteObject& dcPalette(HandleTable& table, DcObject& dc)
{
    if (PaletteObject* palette = table.get<PaletteObject>(dc.palette))
        return *palette;
    return *table.get<PaletteObject>(table.stockPalette());
}

std::vector<RECT> dcClipRects(const DcObject& dc, const Surface& surface)
{
    const RECT whole{0, 0, surface.width(), surface.height()};
    if (!dc.clip)
        return {whole};
    std::vector<RECT> out;
    for (RECT r : dc.clip->rects()) {
        r.left = std::max(r.left, whole.left);
        r.top = std::max(r.top, whole.top);
        r.right = std::min(r.right, whole.right);
        r.bottom = std::min(r.bottom, whole.bottom);
        if (r.left < r.right && r.top < r.bottom)
            out.push_back(r);
    }
    return out;
}

bool dcMayDraw(const DcObject& dc, const Surface& surface, long long x, long long y)
{
    if (!surface.contains(x, y))
        return false;
    return !dc.clip || dc.clip->contains(static_cast<int>(x), static_cast<int>(y));
}

} // namespace gdi
