#include "dc_access.h"

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

Region dcClipRegion(const DcObject& dc, const Surface& surface)
{
    Region area(RECT{0, 0, surface.width(), surface.height()});
    if (dc.systemClip)
        area = Region::combine(area, *dc.systemClip, Region::Op::And);
    if (dc.clip)
        area = Region::combine(area, *dc.clip, Region::Op::And);
    return area;
}

std::vector<RECT> dcClipRects(const DcObject& dc, const Surface& surface)
{
    return dcClipRegion(dc, surface).rects();
}

bool dcMayDraw(const DcObject& dc, const Surface& surface, long long x, long long y)
{
    if (!surface.contains(x, y))
        return false;
    const int ix = static_cast<int>(x);
    const int iy = static_cast<int>(y);
    return (!dc.systemClip || dc.systemClip->contains(ix, iy)) && (!dc.clip || dc.clip->contains(ix, iy));
}

} // namespace gdi
