// Logical palettes of the image core: making one from entries and reading
// all of its entries back.
#pragma once

#include "platform/gdi.h"

namespace pixkit {

inline constexpr unsigned kPaletteSize = 256;

// A palette of `count` entries (1 to 256) with palVersion 0x300.  Flags are
// written as 0: the library never asks for reserved or explicit entries.
HPALETTE MakeLogicalPalette(const PALETTEENTRY* entries, unsigned count);

// Copies the palette's entries into out (room for 256), zero-filling the rest;
// returns how many the palette has (0 for no palette).
unsigned ReadLogicalPalette(HPALETTE palette, PALETTEENTRY* out);

} // namespace pixkit
