// Brush and pen objects, the mix mode, and the system colour source.
#include "platform/gdi.h"
#include "platform/gdi_surface.h"

#include "brush_object.h"
#include "handle_table.h"

using namespace gdi;

namespace {

HBRUSH addBrush(BrushObject brush)
{
    return gdiCall<HBRUSH>(nullptr,
                           [&](HandleTable& table) { return asHandle<HBRUSH>(table.add(std::move(brush))); });
}

} // namespace

extern "C" {

HBRUSH CreateSolidBrush(COLORREF color)
{
    return addBrush(BrushObject{BS_SOLID, color & 0xFFFFFFu, false});
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* brush)
{
    if (brush == nullptr || (brush->lbStyle != BS_SOLID && brush->lbStyle != BS_NULL))
        return nullptr;
    return addBrush(BrushObject{brush->lbStyle, brush->lbStyle == BS_SOLID ? brush->lbColor & 0xFFFFFFu : 0, false});
}

HBRUSH GdiCreatePermanentBrush(COLORREF color)
{
    return addBrush(BrushObject{BS_SOLID, color & 0xFFFFFFu, true});
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    if (style < static_cast<int>(PS_SOLID) || style > static_cast<int>(PS_INSIDEFRAME) || width < 0)
        return nullptr;
    return gdiCall<HPEN>(nullptr, [&](HandleTable& table) {
        return asHandle<HPEN>(table.add(PenObject{static_cast<UINT>(style), width, color & 0xFFFFFFu, false}));
    });
}

HPEN CreatePenIndirect(const LOGPEN* pen)
{
    if (pen == nullptr || pen->lopnStyle > PS_INSIDEFRAME)
        return nullptr;
    return CreatePen(static_cast<int>(pen->lopnStyle), pen->lopnWidth.x, pen->lopnColor);
}

int SetROP2(HDC dc, int mode)
{
    if (mode < R2_BLACK || mode > R2_WHITE)
        return 0;
    return gdiCall(0, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return 0;
        const int previous = object->mixMode;
        object->mixMode = mode;
        return previous;
    });
}

int GetROP2(HDC dc)
{
    return gdiCall(0, [&](HandleTable& table) {
        const DcObject* object = table.get<DcObject>(dc);
        return object != nullptr ? object->mixMode : 0;
    });
}

void GdiSetSysColorSource(GdiSysColorSource source)
{
    setSysColorSource(source);
}

} // extern "C"
