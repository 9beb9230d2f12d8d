// Bitmaps and DIB sections, object records and deletion.
#include "platform/gdi.h"

#include "bitmaps.h"
#include "dc_access.h"
#include "dib_header.h"
#include "handle_table.h"

#include <algorithm>
#include <cstring>

using namespace gdi;

namespace {

BITMAP bitmapRecord(const BitmapObject& bitmap)
{
    const Surface& s = bitmap.surface;
    BITMAP bm{};
    bm.bmType = 0;
    bm.bmWidth = s.width();
    bm.bmHeight = s.height();
    bm.bmPlanes = 1;
    bm.bmBitsPixel = static_cast<WORD>(s.bpp());
    if (bitmap.kind == BitmapObject::Kind::DibSection) {
        bm.bmWidthBytes = s.pitch();
        bm.bmBits = const_cast<std::uint8_t*>(s.bits());
    } else {
        bm.bmWidthBytes = ddbWidthBytes(s.width(), s.bpp());
    }
    return bm;
}

// GetObjectA of a fixed-size record: its size with no buffer; a short
// buffer receives the head of the record.
template <class Record>
int copyRecord(const Record& record, int size, void* out)
{
    if (out == nullptr)
        return static_cast<int>(sizeof record);
    const int n = std::min(std::max(size, 0), static_cast<int>(sizeof record));
    std::memcpy(out, &record, static_cast<std::size_t>(n));
    return n;
}

// The DIB section selected into a DC, if it has a colour table.
BitmapObject* paletteDibOf(HandleTable& table, HDC dc)
{
    DcObject* object = table.get<DcObject>(dc);
    if (object == nullptr || object->external)
        return nullptr;
    BitmapObject* bitmap = table.get<BitmapObject>(object->bitmap);
    if (bitmap == nullptr || bitmap->kind != BitmapObject::Kind::DibSection || !bitmap->surface.format().isIndexed())
        return nullptr;
    return bitmap;
}

} // namespace

extern "C" {

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    return gdiCall<HBITMAP>(nullptr, [&](HandleTable& table) -> HBITMAP {
        if (planes != 1 || (bitCount != 1 && bitCount != 32) || width < 0 || height < 0)
            return nullptr;
        // A zero size gives the stock 1 x 1 monochrome bitmap, as on the real platform.
        if (width == 0 || height == 0)
            return table.stockBitmap();
        if (!ddbSizeAcceptable(width, height, static_cast<int>(bitCount)))
            return nullptr;
        BitmapObject bitmap = bitCount == 1 ? makeMonoBitmap(width, height) : makeColorBitmap(width, height);
        if (bits != nullptr) {
            const int sourcePitch = ddbWidthBytes(width, static_cast<int>(bitCount));
            const int rowBytes = std::min(sourcePitch, bitmap.surface.pitch());
            const auto* source = static_cast<const std::uint8_t*>(bits);
            for (int y = 0; y < height; ++y)
                std::memcpy(bitmap.surface.writableRow(y), source + static_cast<std::size_t>(y) * sourcePitch,
                            static_cast<std::size_t>(rowBytes));
        }
        return asHandle<HBITMAP>(table.add(std::move(bitmap)));
    });
}

HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height)
{
    return gdiCall<HBITMAP>(nullptr, [&](HandleTable& table) -> HBITMAP {
        bool mono = false;
        if (dc != nullptr) {
            DcObject* object = table.get<DcObject>(dc);
            if (object == nullptr)
                return nullptr;
            // A fresh memory DC holds the monochrome stock bitmap, so what
            // is compatible with it is monochrome too.
            const BitmapObject* selected = object->external ? nullptr : table.get<BitmapObject>(object->bitmap);
            mono = selected != nullptr && selected->kind == BitmapObject::Kind::MonoDdb;
        }
        if (width < 0 || height < 0)
            return nullptr;
        if (width == 0 || height == 0)
            return table.stockBitmap();
        if (!ddbSizeAcceptable(width, height, mono ? 1 : 32))
            return nullptr;
        return asHandle<HBITMAP>(table.add(mono ? makeMonoBitmap(width, height) : makeColorBitmap(width, height)));
    });
}

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD)
{
    if (bits != nullptr)
        *bits = nullptr;
    return gdiCall<HBITMAP>(nullptr, [&](HandleTable& table) -> HBITMAP {
        // Sections backed by file mappings are not supported.
        if (section != nullptr)
            return nullptr;
        auto layout = readDibHeader(info, usage);
        if (!layout)
            return nullptr;
        BitmapObject bitmap{BitmapObject::Kind::DibSection,
                            Surface::allocate(layout->geometry(layout->height), std::move(layout->format))};
        bitmap.header = layout->header;
        void* storage = bitmap.surface.bits();
        HBITMAP handle = asHandle<HBITMAP>(table.add(std::move(bitmap)));
        if (bits != nullptr)
            *bits = storage;
        return handle;
    });
}

int GetObjectA(HGDIOBJ handle, int size, void* out)
{
    return gdiCall(0, [&](HandleTable& table) -> int {
        if (const FontObject* font = table.get<FontObject>(handle)) {
            if (out == nullptr)
                return static_cast<int>(sizeof(LOGFONTA));
            // A short buffer receives the head of the record.
            const int n = std::min(std::max(size, 0), static_cast<int>(sizeof(LOGFONTA)));
            std::memcpy(out, &font->logfont, static_cast<std::size_t>(n));
            return n;
        }
        if (const BrushObject* brush = table.get<BrushObject>(handle)) {
            const LOGBRUSH record{brush->style, brush->color, 0};
            return copyRecord(record, size, out);
        }
        if (const PenObject* pen = table.get<PenObject>(handle)) {
            const LOGPEN record{pen->style, POINT{pen->width, 0}, pen->color};
            return copyRecord(record, size, out);
        }
        if (const PaletteObject* palette = table.get<PaletteObject>(handle)) {
            if (out == nullptr)
                return static_cast<int>(sizeof(WORD));
            if (size < static_cast<int>(sizeof(WORD)))
                return 0;
            const auto count = static_cast<WORD>(palette->entries.size());
            std::memcpy(out, &count, sizeof count);
            return static_cast<int>(sizeof count);
        }
        const BitmapObject* bitmap = table.get<BitmapObject>(handle);
        if (bitmap == nullptr)
            return 0;
        if (out == nullptr)
            return static_cast<int>(sizeof(BITMAP));
        if (bitmap->kind == BitmapObject::Kind::DibSection && size >= static_cast<int>(sizeof(DIBSECTION))) {
            DIBSECTION ds{};
            ds.dsBm = bitmapRecord(*bitmap);
            ds.dsBmih = bitmap->header;
            if (ds.dsBmih.biSizeImage == 0)
                ds.dsBmih.biSizeImage = static_cast<DWORD>(bitmap->surface.storageSize());
            const auto masks = bitmap->surface.format().masks();
            std::copy(masks.begin(), masks.end(), ds.dsBitfields);
            std::memcpy(out, &ds, sizeof ds);
            return static_cast<int>(sizeof ds);
        }
        if (size < static_cast<int>(sizeof(BITMAP)))
            return 0;
        const BITMAP bm = bitmapRecord(*bitmap);
        std::memcpy(out, &bm, sizeof bm);
        return static_cast<int>(sizeof bm);
    });
}

BOOL DeleteObject(HGDIOBJ handle)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        GdiObject* object = table.find(handle);
        if (object == nullptr || std::holds_alternative<DcObject>(*object))
            return FALSE;
        if (const auto* bitmap = std::get_if<BitmapObject>(object)) {
            if (bitmap->stock)
                return TRUE;
            // Freeing the pixels a DC is drawing into would leave it dangling.
            if (bitmap->selectedInto != nullptr && table.get<DcObject>(bitmap->selectedInto))
                return FALSE;
        }
        if (const auto* palette = std::get_if<PaletteObject>(object); palette && palette->stock)
            return TRUE;
        if (const auto* font = std::get_if<FontObject>(object); font && font->stock)
            return TRUE;
        if (const auto* brush = std::get_if<BrushObject>(object); brush && brush->stock)
            return TRUE;
        if (const auto* pen = std::get_if<PenObject>(object); pen && pen->stock)
            return TRUE;
        // A DC still naming a deleted palette, font, brush or pen falls back
        // on the default one.
        table.erase(handle);
        return TRUE;
    });
}

DWORD GetObjectType(HGDIOBJ handle)
{
    return gdiCall<DWORD>(0, [&](HandleTable& table) -> DWORD {
        GdiObject* object = table.find(handle);
        if (object == nullptr)
            return 0;
        if (std::holds_alternative<BitmapObject>(*object))
            return OBJ_BITMAP;
        if (std::holds_alternative<PaletteObject>(*object))
            return OBJ_PAL;
        if (std::holds_alternative<RegionObject>(*object))
            return OBJ_REGION;
        if (std::holds_alternative<FontObject>(*object))
            return OBJ_FONT;
        if (std::holds_alternative<BrushObject>(*object))
            return OBJ_BRUSH;
        if (std::holds_alternative<PenObject>(*object))
            return OBJ_PEN;
        return std::get_if<DcObject>(object)->external ? OBJ_DC : OBJ_MEMDC;
    });
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colors)
{
    return gdiCall<UINT>(0, [&](HandleTable& table) -> UINT {
        BitmapObject* bitmap = paletteDibOf(table, dc);
        if (bitmap == nullptr || colors == nullptr)
            return 0;
        const auto entries = bitmap->surface.format().colorTable();
        if (start >= entries.size())
            return 0;
        const auto n = static_cast<UINT>(std::min<std::size_t>(count, entries.size() - start));
        std::copy_n(entries.begin() + start, n, colors);
        return n;
    });
}

UINT SetDIBColorTable(HDC dc, UINT start, UINT count, const RGBQUAD* colors)
{
    return gdiCall<UINT>(0, [&](HandleTable& table) -> UINT {
        BitmapObject* bitmap = paletteDibOf(table, dc);
        if (bitmap == nullptr || colors == nullptr)
            return 0;
        auto entries = bitmap->surface.format().colorTable();
        if (start >= entries.size())
            return 0;
        const auto n = static_cast<UINT>(std::min<std::size_t>(count, entries.size() - start));
        std::copy_n(colors, n, entries.begin() + start);
        for (UINT i = 0; i < n; ++i)
            entries[start + i].rgbReserved = 0;
        return n;
    });
}

} // extern "C"
