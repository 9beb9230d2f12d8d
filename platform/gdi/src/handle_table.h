// The process-wide table of GDI objects.  A handle is a key into it, never
// an address; keys are not reused, so a stale handle finds nothing.
#pragma once

#include "objects.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <unordered_map>

namespace gdi {

class HandleTable {
public:
    static HandleTable& instance();
    static std::recursive_mutex& mutex();

    void* add(GdiObject object);
    GdiObject* find(const void* handle);
    template <class T>
    T* get(const void* handle)
    {
        GdiObject* object = find(handle);
        return object != nullptr ? std::get_if<T>(object) : nullptr;
    }
    void erase(const void* handle);

    HBITMAP stockBitmap() const { return stockBitmap_; }
    HPALETTE stockPalette() const { return stockPalette_; }
    HFONT stockFont() const { return stockFont_; }
    // GetStockObject's objects by their index; null for an index with none.
    HGDIOBJ stock(int which) const;

protected:
    HandleTable(); // only instance() makes one

private:

    std::unordered_map<std::uintptr_t, GdiObject> objects_;
    std::uintptr_t nextKey_ = 0x10000;
    HBITMAP stockBitmap_ = nullptr;
    HPALETTE stockPalette_ = nullptr;
    HFONT stockFont_ = nullptr;
    std::array<HGDIOBJ, 20> stock_{};
};

// Runs one API call under the table's lock.  Any exception (in practice
// std::bad_alloc) becomes the call's failure result.
template <class Result, class Body>
Result gdiCall(Result onFailure, Body&& body) noexcept
{
    try {
        std::lock_guard lock(HandleTable::mutex());
        return body(HandleTable::instance());
    } catch (...) {
        return onFailure;
    }
}

template <class Handle>
Handle asHandle(void* key)
{
    return static_cast<Handle>(key);
}

} // namespace gdi
