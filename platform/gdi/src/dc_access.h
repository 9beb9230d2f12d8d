// Resolving what a DC draws into.
#pragma once

#include "handle_table.h"

#include <vector>

namespace gdi {

// The DC's pixels: its selected bitmap, or the caller's memory; null for a
// stale bitmap.
Surface* dcSurface(HandleTable& table, DcObject& dc);
// The palette selected into the DC, the default one if it was deleted.
PaletteObject& dcPalette(HandleTable& table, DcObject& dc);
// Where the DC may draw, in surface coordinates: the surface cut by the
// system clip and the program clip.
Region dcClipRegion(const DcObject& dc, const Surface& surface);
std::vector<RECT> dcClipRects(const DcObject& dc, const Surface& surface);
bool dcMayDraw(const DcObject& dc, const Surface& surface, long long x, long long y);

} // namespace gdi
