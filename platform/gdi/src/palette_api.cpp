// Logical palettes.  The display is 32-bit, so realising a palette maps
// nothing; it only reports the palette's size.
#include "platform/gdi.h"

#include "dc_access.h"
#include "palettes.h"

#include <algorithm>

using namespace gdi;

namespace gdi {

std::vector<PALETTEENTRY> defaultPaletteEntries()
{
    // The 16 VGA colours and the four extra static colours of the default palette.
    static constexpr BYTE rgb[20][3] = {
        {0, 0, 0},       {128, 0, 0},     {0, 128, 0},     {128, 128, 0},   {0, 0, 128},
        {128, 0, 128},   {0, 128, 128},   {192, 192, 192}, {192, 220, 192}, {166, 202, 240},
        {255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},     {0, 255, 0},
        {255, 255, 0},   {0, 0, 255},     {255, 0, 255},   {0, 255, 255},   {255, 255, 255},
    };
    std::vector<PALETTEENTRY> entries;
    for (const auto& c : rgb)
        entries.push_back(PALETTEENTRY{c[0], c[1], c[2], 0});
    return entries;
}

} // namespace gdi

extern "C" {

HPALETTE CreatePalette(const LOGPALETTE* palette)
{
    return gdiCall<HPALETTE>(nullptr, [&](HandleTable& table) -> HPALETTE {
        if (palette == nullptr || palette->palVersion != 0x300 || palette->palNumEntries == 0)
            return nullptr;
        const PALETTEENTRY* first = palette->palPalEntry;
        PaletteObject object{std::vector<PALETTEENTRY>(first, first + palette->palNumEntries)};
        return asHandle<HPALETTE>(table.add(std::move(object)));
    });
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries)
{
    return gdiCall<UINT>(0, [&](HandleTable& table) -> UINT {
        const PaletteObject* object = table.get<PaletteObject>(palette);
        if (object == nullptr)
            return 0;
        const auto size = object->entries.size();
        if (entries == nullptr)
            return static_cast<UINT>(size);
        if (start >= size)
            return 0;
        const auto n = static_cast<UINT>(std::min<std::size_t>(count, size - start));
        std::copy_n(object->entries.begin() + start, n, entries);
        return n;
    });
}

UINT GetNearestPaletteIndex(HPALETTE palette, COLORREF color)
{
    return gdiCall<UINT>(CLR_INVALID, [&](HandleTable& table) -> UINT {
        const PaletteObject* object = table.get<PaletteObject>(palette);
        if (object == nullptr)
            return CLR_INVALID;
        return nearestColorIndex(std::span<const PALETTEENTRY>(object->entries), color);
    });
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL)
{
    return gdiCall<HPALETTE>(nullptr, [&](HandleTable& table) -> HPALETTE {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr || table.get<PaletteObject>(palette) == nullptr)
            return nullptr;
        HPALETTE previous = table.get<PaletteObject>(object->palette) ? object->palette : table.stockPalette();
        object->palette = palette;
        return previous;
    });
}

UINT RealizePalette(HDC dc)
{
    return gdiCall<UINT>(GDI_ERROR, [&](HandleTable& table) -> UINT {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return GDI_ERROR;
        return static_cast<UINT>(dcPalette(table, *object).entries.size());
    });
}

} // extern "C"
