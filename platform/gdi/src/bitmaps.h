// Making bitmap objects: device-dependent bitmaps are 32-bit BGRX top-down
// (compatible with the screen) or 1-bit monochrome.
#pragma once

#include "objects.h"

namespace gdi {

// Both throw std::bad_alloc; callers check the size first.
BitmapObject makeMonoBitmap(int width, int height);
BitmapObject makeColorBitmap(int width, int height);

// Whether a device-dependent bitmap of this size and depth stays within the
// storage cap.
bool ddbSizeAcceptable(int width, int height, int bpp);

// Row length that BITMAP reports for a device-dependent bitmap, and that
// CreateBitmap expects of its bits: rows padded to 16 bits.
int ddbWidthBytes(int width, int bpp);

} // namespace gdi
