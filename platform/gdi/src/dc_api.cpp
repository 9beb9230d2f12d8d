// Device contexts: creation, selection and the state that blits read.
#include "platform/gdi.h"

#include "brush_object.h"
#include "dc_access.h"
#include "dc_select.h"
#include "font_object.h"
#include "handle_table.h"

using namespace gdi;

namespace {

// Reads or replaces one field of a DC; `invalid` is the result for a bad handle.
template <class T, class Field>
T exchange(HDC dc, T value, T invalid, Field field, bool write)
{
    return gdiCall(invalid, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return invalid;
        T& slot = field(*object);
        const T previous = slot;
        if (write)
            slot = value;
        return previous;
    });
}

} // namespace

extern "C" {

HDC CreateCompatibleDC(HDC dc)
{
    return gdiCall<HDC>(nullptr, [&](HandleTable& table) -> HDC {
        if (dc != nullptr && table.get<DcObject>(dc) == nullptr)
            return nullptr;
        DcObject object;
        object.bitmap = table.stockBitmap();
        object.palette = table.stockPalette();
        object.brush = static_cast<HBRUSH>(table.stock(WHITE_BRUSH));
        object.pen = static_cast<HPEN>(table.stock(BLACK_PEN));
        return asHandle<HDC>(table.add(std::move(object)));
    });
}

BOOL DeleteDC(HDC dc)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return FALSE;
        if (BitmapObject* bitmap = table.get<BitmapObject>(object->bitmap); bitmap && bitmap->selectedInto == dc)
            bitmap->selectedInto = nullptr;
        table.erase(dc);
        return TRUE;
    });
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ handle)
{
    return gdiCall<HGDIOBJ>(nullptr, [&](HandleTable& table) -> HGDIOBJ {
        DcObject* object = table.get<DcObject>(dc);
        return object != nullptr ? selectInto(table, dc, *object, handle) : nullptr;
    });
}

HGDIOBJ GetCurrentObject(HDC dc, UINT type)
{
    return gdiCall<HGDIOBJ>(nullptr, [&](HandleTable& table) -> HGDIOBJ {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return nullptr;
        if (type == OBJ_BITMAP)
            return object->external ? nullptr : object->bitmap;
        if (type == OBJ_PAL)
            return table.get<PaletteObject>(object->palette) ? object->palette : table.stockPalette();
        if (type == OBJ_FONT)
            return dcFontHandle(table, *object);
        if (type == OBJ_BRUSH)
            return dcBrushHandle(table, *object);
        if (type == OBJ_PEN)
            return dcPenHandle(table, *object);
        return nullptr;
    });
}

COLORREF SetBkColor(HDC dc, COLORREF color)
{
    return exchange<COLORREF>(dc, color, CLR_INVALID, [](DcObject& d) -> COLORREF& { return d.background; }, true);
}

COLORREF GetBkColor(HDC dc)
{
    return exchange<COLORREF>(dc, 0, CLR_INVALID, [](DcObject& d) -> COLORREF& { return d.background; }, false);
}

COLORREF SetTextColor(HDC dc, COLORREF color)
{
    return exchange<COLORREF>(dc, color, CLR_INVALID, [](DcObject& d) -> COLORREF& { return d.text; }, true);
}

COLORREF GetTextColor(HDC dc)
{
    return exchange<COLORREF>(dc, 0, CLR_INVALID, [](DcObject& d) -> COLORREF& { return d.text; }, false);
}

int SetBkMode(HDC dc, int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE)
        return 0;
    return exchange<int>(dc, mode, 0, [](DcObject& d) -> int& { return d.backgroundMode; }, true);
}

int GetBkMode(HDC dc)
{
    return exchange<int>(dc, 0, 0, [](DcObject& d) -> int& { return d.backgroundMode; }, false);
}

int SetStretchBltMode(HDC dc, int mode)
{
    if (mode < BLACKONWHITE || mode > HALFTONE)
        return 0;
    return exchange<int>(dc, mode, 0, [](DcObject& d) -> int& { return d.stretchMode; }, true);
}

int GetStretchBltMode(HDC dc)
{
    return exchange<int>(dc, 0, 0, [](DcObject& d) -> int& { return d.stretchMode; }, false);
}

int GetDeviceCaps(HDC dc, int index)
{
    return gdiCall(0, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return 0;
        switch (index) {
        case LOGPIXELSX:
        case LOGPIXELSY:
            return 96;
        case PLANES:
            return 1;
        case BITSPIXEL:
            return 32; // the screen's, also for memory DCs whatever they hold
        default:
            return 0;
        }
    });
}

COLORREF GetPixel(HDC dc, int x, int y)
{
    return gdiCall(CLR_INVALID, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        Surface* surface = object ? dcSurface(table, *object) : nullptr;
        if (surface == nullptr)
            return CLR_INVALID;
        const long long dx = static_cast<long long>(x) + object->origin.x;
        const long long dy = static_cast<long long>(y) + object->origin.y;
        if (!dcMayDraw(*object, *surface, dx, dy))
            return CLR_INVALID;
        return surface->color(static_cast<int>(dx), static_cast<int>(dy));
    });
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color)
{
    return gdiCall(CLR_INVALID, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        Surface* surface = object ? dcSurface(table, *object) : nullptr;
        if (surface == nullptr)
            return CLR_INVALID;
        const long long dx = static_cast<long long>(x) + object->origin.x;
        const long long dy = static_cast<long long>(y) + object->origin.y;
        if (!dcMayDraw(*object, *surface, dx, dy))
            return CLR_INVALID;
        const std::uint32_t raw = surface->format().fromColor(color);
        surface->setRaw(static_cast<int>(dx), static_cast<int>(dy), raw);
        return surface->format().toColor(raw);
    });
}

} // extern "C"
