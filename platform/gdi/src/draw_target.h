// What a drawing call works on: the DC, its writable pixels and where on
// them it may draw.
#pragma once

#include "handle_table.h"

#include <optional>

namespace gdi {

struct DrawTarget {
    DcObject* dc = nullptr;
    Surface* surface = nullptr;
    Region clip; // surface coordinates

    // Logical coordinates to surface coordinates; nothing on overflow.
    std::optional<RECT> toSurface(const RECT& logical) const;
    std::optional<Region> toSurface(const Region& logical) const;
};

// Nothing for a bad DC or one without writable pixels.
std::optional<DrawTarget> drawTarget(HandleTable& table, HDC dc);

} // namespace gdi
