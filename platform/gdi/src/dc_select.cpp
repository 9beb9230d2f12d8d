#include "dc_select.h"

#include "dc_access.h"
#include "font_object.h"

namespace gdi {

namespace {

HGDIOBJ selectBitmap(HandleTable& table, HDC handle, DcObject& dc, HGDIOBJ object)
{
    BitmapObject* bitmap = table.get<BitmapObject>(object);
    // Palettes go through SelectPalette; a DC over caller memory has no
    // bitmap to exchange.
    if (bitmap == nullptr || dc.external)
        return nullptr;
    if (object == dc.bitmap)
        return object;
    // A bitmap draws into one DC at a time.
    if (!bitmap->stock && bitmap->selectedInto != nullptr && table.get<DcObject>(bitmap->selectedInto))
        return nullptr;
    HBITMAP previous = dc.bitmap;
    if (BitmapObject* old = table.get<BitmapObject>(previous); old && old->selectedInto == handle)
        old->selectedInto = nullptr;
    dc.bitmap = static_cast<HBITMAP>(object);
    if (!bitmap->stock)
        bitmap->selectedInto = handle;
    return previous;
}

} // namespace

HGDIOBJ selectInto(HandleTable& table, HDC handle, DcObject& dc, HGDIOBJ object)
{
    if (const RegionObject* region = table.get<RegionObject>(object)) {
        const int kind = setProgramClip(table, dc, &region->region, RGN_COPY);
        return kind == ERROR ? nullptr : reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(kind));
    }
    if (table.get<FontObject>(object) != nullptr) {
        HFONT previous = dcFontHandle(table, dc);
        dc.font = static_cast<HFONT>(object);
        return previous;
    }
    if (table.get<BrushObject>(object) != nullptr) {
        HGDIOBJ previous = table.get<BrushObject>(dc.brush) ? dc.brush : table.stock(WHITE_BRUSH);
        dc.brush = static_cast<HBRUSH>(object);
        return previous;
    }
    if (table.get<PenObject>(object) != nullptr) {
        HGDIOBJ previous = table.get<PenObject>(dc.pen) ? dc.pen : table.stock(BLACK_PEN);
        dc.pen = static_cast<HPEN>(object);
        return previous;
    }
    return selectBitmap(table, handle, dc, object);
}

int drawableKind(HandleTable& table, DcObject& dc)
{
    const Surface* surface = dcSurface(table, dc);
    return surface != nullptr ? dcClipRegion(dc, *surface).kind() : ERROR;
}

int setProgramClip(HandleTable& table, DcObject& dc, const Region* logical, int mode)
{
    const Surface* surface = dcSurface(table, dc);
    if (surface == nullptr)
        return ERROR;
    std::optional<Region> given;
    if (logical != nullptr) {
        given = *logical;
        if (!given->offset(dc.origin.x, dc.origin.y))
            return ERROR;
    }
    if (mode == RGN_COPY) {
        dc.clip = std::move(given);
        return dcClipRegion(dc, *surface).kind();
    }
    if (!given)
        return ERROR;
    const Region current = dc.clip ? *dc.clip : Region(RECT{0, 0, surface->width(), surface->height()});
    Region::Op op;
    switch (mode) {
    case RGN_AND: op = Region::Op::And; break;
    case RGN_OR: op = Region::Op::Or; break;
    case RGN_XOR: op = Region::Op::Xor; break;
    case RGN_DIFF: op = Region::Op::Diff; break;
    default: return ERROR;
    }
    dc.clip = Region::combine(current, *given, op);
    return dcClipRegion(dc, *surface).kind();
}

} // namespace gdi
