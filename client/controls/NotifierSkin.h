// The pop-up notifier's shape, cut from its skin: every pixel of the key
// colour is left out.  The skin is read as rows of 3-byte pixels (blue,
// green, red) without padding, which is why only whole groups of four
// columns are read: the one to three rightmost columns of a skin whose
// width is not a multiple of four lie outside the shape.
#pragma once

#include "platform/gdi.h"

#include <cstdint>
#include <vector>

namespace notifier {

// A skin read for its shape: top row first, 3 * width bytes a row.
struct SkinPixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgr;
};

// The width that is read of a skin `width` pixels wide.
int ReadableSkinWidth(int width);

// The region of the pixels of `skin` whose colour is not `key` (its red,
// green and blue bytes), in a rectangle of the skin's size; null when the
// skin is empty or its pixel data is short.  The caller owns the region.
HRGN RegionFromSkinPixels(const SkinPixels& skin, COLORREF key);

// Reads `bitmap` for its shape through a screen DC: ReadableSkinWidth
// columns, every row.  Empty on failure, and for a bitmap beyond 65535
// pixels either way.
SkinPixels ReadSkinPixels(HBITMAP bitmap);

// ReadSkinPixels and RegionFromSkinPixels; null when either fails.
HRGN BuildSkinRegion(HBITMAP bitmap, COLORREF key);

} // namespace notifier
