// The program's clip of a DC, on top of its system clip.
#include "platform/gdi.h"

#include "dc_access.h"
#include "dc_select.h"
#include "handle_table.h"

using namespace gdi;

namespace {

// Runs `body` on the DC and its surface; `invalid` for a bad DC or one
// without pixels.
template <class Result, class Body>
Result withDc(HDC dc, Result invalid, Body&& body)
{
    return gdiCall(invalid, [&](HandleTable& table) -> Result {
        DcObject* object = table.get<DcObject>(dc);
        Surface* surface = object ? dcSurface(table, *object) : nullptr;
        if (surface == nullptr)
            return invalid;
        return body(table, *object, *surface);
    });
}

} // namespace

extern "C" {

int SelectClipRgn(HDC dc, HRGN region)
{
    return ExtSelectClipRgn(dc, region, RGN_COPY);
}

int ExtSelectClipRgn(HDC dc, HRGN region, int mode)
{
    return withDc(dc, ERROR, [&](HandleTable& table, DcObject& object, Surface&) {
        if (region == nullptr)
            return mode == RGN_COPY ? setProgramClip(table, object, nullptr, RGN_COPY) : ERROR;
        const RegionObject* given = table.get<RegionObject>(region);
        if (given == nullptr)
            return ERROR;
        return setProgramClip(table, object, &given->region, mode);
    });
}

int IntersectClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return withDc(dc, ERROR, [&](HandleTable& table, DcObject& object, Surface&) {
        const Region rect(normalizedRect(left, top, right, bottom));
        return setProgramClip(table, object, &rect, RGN_AND);
    });
}

int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom)
{
    return withDc(dc, ERROR, [&](HandleTable& table, DcObject& object, Surface&) {
        const Region rect(normalizedRect(left, top, right, bottom));
        return setProgramClip(table, object, &rect, RGN_DIFF);
    });
}

int OffsetClipRgn(HDC dc, int dx, int dy)
{
    return withDc(dc, ERROR, [&](HandleTable& table, DcObject& object, Surface&) {
        if (object.clip) {
            Region moved = *object.clip;
            if (!moved.offset(dx, dy))
                return ERROR;
            object.clip = std::move(moved);
        }
        return drawableKind(table, object);
    });
}

int GetClipBox(HDC dc, RECT* rect)
{
    return withDc(dc, ERROR, [&](HandleTable&, DcObject& object, Surface& surface) {
        if (rect == nullptr)
            return ERROR;
        const Region area = dcClipRegion(object, surface);
        RECT box = area.bounds();
        if (!area.empty()) {
            box.left -= object.origin.x;
            box.right -= object.origin.x;
            box.top -= object.origin.y;
            box.bottom -= object.origin.y;
        }
        *rect = box;
        return area.kind();
    });
}

int GetClipRgn(HDC dc, HRGN region)
{
    return gdiCall(-1, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        RegionObject* target = table.get<RegionObject>(region);
        if (object == nullptr || target == nullptr)
            return -1;
        if (!object->clip)
            return 0;
        Region logical = *object->clip;
        if (!logical.offset(-object->origin.x, -object->origin.y))
            return -1;
        target->region = std::move(logical);
        return 1;
    });
}

BOOL PtVisible(HDC dc, int x, int y)
{
    return withDc(dc, FALSE, [&](HandleTable&, DcObject& object, Surface& surface) {
        return dcMayDraw(object, surface, static_cast<long long>(x) + object.origin.x,
                         static_cast<long long>(y) + object.origin.y)
                   ? TRUE
                   : FALSE;
    });
}

BOOL RectVisible(HDC dc, const RECT* rect)
{
    return withDc(dc, FALSE, [&](HandleTable&, DcObject& object, Surface& surface) {
        if (rect == nullptr)
            return FALSE;
        Region area = dcClipRegion(object, surface);
        if (!area.offset(-object.origin.x, -object.origin.y))
            return FALSE;
        return area.intersects(normalizedRect(rect->left, rect->top, rect->right, rect->bottom)) ? TRUE : FALSE;
    });
}

} // extern "C"
