// Putting text pixels on a surface: grey-scale glyph coverage blended in the
// text colour, and solid rectangles for backgrounds and text lines.
#pragma once

#include "surface.h"

#include <cstdint>
#include <span>
#include <vector>

namespace gdi {

// 8-bit coverage, 0 (none) to 255 (full), `pitch` bytes per row, top row first.
struct CoverageView {
    const std::uint8_t* data = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
};

// The rectangles of `clip` cut to `limit` (all surface coordinates).
std::vector<RECT> clipTo(std::span<const RECT> clip, const RECT& limit);

// Blends `color` over the surface with the mask's top-left corner at (x, y),
// only inside `clip`.  Colour formats blend by coverage; palette and
// monochrome surfaces cannot show grey levels, so pixels of at least half
// coverage take the nearest entry to the colour and the others are left.
void paintCoverage(Surface& surface, std::span<const RECT> clip, int x, int y, const CoverageView& mask,
                   COLORREF color);

// Fills `area` with the colour, inside `clip`.
void fillArea(Surface& surface, std::span<const RECT> clip, const RECT& area, COLORREF color);

} // namespace gdi
