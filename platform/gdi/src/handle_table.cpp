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
