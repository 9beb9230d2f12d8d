// BitBlt and StretchBlt between DCs.
#include "platform/gdi.h"

#include "blit.h"
#include "brush_object.h"
#include "dc_access.h"
#include "paint_ops.h"

using namespace gdi;

namespace {

// Every stretch mode samples the nearest pixel: COLORONCOLOR exactly,
// BLACKONWHITE, WHITEONBLACK and HALFTONE approximated by it.
BOOL stretch(HandleTable& table, HDC dst, long long x, long long y, long long width, long long height, HDC src,
             long long srcX, long long srcY, long long srcWidth, long long srcHeight, DWORD ropCode)
{
    DcObject* target = table.get<DcObject>(dst);
    Surface* destination = target ? dcSurface(table, *target) : nullptr;
    if (destination == nullptr)
        return FALSE;
    const auto rop = RasterOp::fromCode(ropCode, destination->format());
    if (!rop)
        return FALSE;
    std::uint32_t pattern = 0;
    if (rop->usesPattern()) {
        // A hollow brush gives no pattern: nothing is drawn.
        const BrushObject& brush = dcBrush(table, *target);
        if (brush.style == BS_NULL)
            return TRUE;
        pattern = solidPattern(destination->format(), brush.color, rop->usesSource() || rop->usesDestination());
    }

    DcObject* from = nullptr;
    Surface* source = nullptr;
    if (rop->usesSource()) {
        from = table.get<DcObject>(src);
        source = from ? dcSurface(table, *from) : nullptr;
        if (source == nullptr)
            return FALSE;
    }

    const AxisMap columns =
        mapAxis(x + target->origin.x, width, source ? srcX + from->origin.x : 0, srcWidth, destination->width(),
                source ? source->width() : -1);
    const AxisMap rows =
        mapAxis(y + target->origin.y, height, source ? srcY + from->origin.y : 0, srcHeight, destination->height(),
                source ? source->height() : -1);
    if (columns.source.empty() || rows.source.empty())
        return TRUE;

    if (source != nullptr) {
        const PixelConverter convert =
            PixelConverter::forBlit(*source, from->background, *destination, target->background, target->text,
                                    rop->usesDestination());
        runBlit(*destination, dcClipRects(*target, *destination), columns, rows, source, &convert, *rop,
                pattern);
    } else {
        runBlit(*destination, dcClipRects(*target, *destination), columns, rows, nullptr, nullptr, *rop,
                pattern);
    }
    return TRUE;
}

} // namespace

extern "C" {

BOOL BitBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, DWORD rop)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        return stretch(table, dst, x, y, width, height, src, srcX, srcY, width, height, rop);
    });
}

BOOL StretchBlt(HDC dst, int x, int y, int width, int height, HDC src, int srcX, int srcY, int srcWidth,
                int srcHeight, DWORD rop)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        return stretch(table, dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight, rop);
    });
}

} // extern "C"
