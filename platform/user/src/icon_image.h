// Turning icon and cursor files into pixels: the image of a file nearest a
// wanted size, scaled to the size asked for, and the system's own icons.
#pragma once

#include "platform/backend.h"

#include <cstdint>
#include <span>

namespace user {

// The system size of icons and cursors (SM_CXICON, SM_CXCURSOR).
inline constexpr int kSystemIconSize = 32;

// Decodes a .ico or .cur file.  `cx`/`cy` 0 keep the chosen image's own
// size; the image chosen is the one nearest `cx` (or the system size when
// `cx` is 0); on a tie the deeper one, then the larger.  A cursor keeps its hot spot (scaled
// with the image); an icon's hot spot is its centre.  False when the file
// is damaged or holds no image.
bool DecodeIconFile(std::span<const std::uint8_t> file, int cx, int cy, platform::CursorImage& out);

// One of the system's icons (IDI_APPLICATION ... IDI_SHIELD) drawn at
// `size` pixels; false for an id that names none.
bool SystemIconImage(int id, int size, platform::CursorImage& out);

// Nearest-neighbour scaling of ARGB pixels.
platform::CursorImage ScaleImage(const platform::CursorImage& image, int width, int height);

} // namespace user
