#include "handle_table.h"

#include "bitmaps.h"
#include "font_object.h"
#include "immortal.h"
#include "palettes.h"

#include <new>

namespace gdi {

HandleTable& HandleTable::instance()
{
    struct Construct : HandleTable {};
    static Immortal<Construct> table;
    return table.get();
}

std::recursive_mutex& HandleTable::mutex()
{
    static Immortal<std::recursive_mutex> m;
    return m.get();
}

HandleTable::HandleTable()
{
    BitmapObject mono = makeMonoBitmap(1, 1);
    mono.stock = true;
    stockBitmap_ = static_cast<HBITMAP>(add(std::move(mono)));
    stockPalette_ = static_cast<HPALETTE>(add(PaletteObject{defaultPaletteEntries(), true}));
    stockFont_ = static_cast<HFONT>(add(FontObject{defaultGuiFont(), nullptr, true}));
    stock_[SYSTEM_FONT] = stockFont_;
    stock_[DEFAULT_GUI_FONT] = stockFont_;
    stock_[DEFAULT_PALETTE] = stockPalette_;
    const auto brush = [&](UINT style, COLORREF color) { return add(BrushObject{style, color, true}); };
    stock_[WHITE_BRUSH] = brush(BS_SOLID, RGB(255, 255, 255));
    stock_[LTGRAY_BRUSH] = brush(BS_SOLID, RGB(192, 192, 192));
    stock_[GRAY_BRUSH] = brush(BS_SOLID, RGB(128, 128, 128));
    stock_[DKGRAY_BRUSH] = brush(BS_SOLID, RGB(64, 64, 64));
    stock_[BLACK_BRUSH] = brush(BS_SOLID, RGB(0, 0, 0));
    stock_[NULL_BRUSH] = brush(BS_NULL, 0);
    const auto pen = [&](UINT style, COLORREF color) { return add(PenObject{style, 1, color, true}); };
    stock_[WHITE_PEN] = pen(PS_SOLID, RGB(255, 255, 255));
    stock_[BLACK_PEN] = pen(PS_SOLID, RGB(0, 0, 0));
    stock_[NULL_PEN] = pen(PS_NULL, 0);
}

HGDIOBJ HandleTable::stock(int which) const
{
    if (which < 0 || static_cast<std::size_t>(which) >= stock_.size())
        return nullptr;
    return stock_[static_cast<std::size_t>(which)];
}

void* HandleTable::add(GdiObject object)
{
    const std::uintptr_t key = nextKey_;
    nextKey_ += 8;
    objects_.emplace(key, std::move(object));
    return reinterpret_cast<void*>(key);
}

GdiObject* HandleTable::find(const void* handle)
{
    const auto it = objects_.find(reinterpret_cast<std::uintptr_t>(handle));
    return it != objects_.end() ? &it->second : nullptr;
}

void HandleTable::erase(const void* handle)
{
    objects_.erase(reinterpret_cast<std::uintptr_t>(handle));
}

} // namespace gdi
