// Extension of the software GDI (not a call of the Windows API): a DC that
// draws straight into memory owned by the caller, such as a window's backing
// store.  The memory is 32-bit BGRX, top row first, `pitch` bytes per row,
// and must outlive the DC; DeleteDC releases the DC, never the memory.
#pragma once

#include "platform/gdi.h"

extern "C" {

// `clip`, if not null, is copied: drawing lands only inside it (memory
// coordinates); SelectClipRgn replaces it later.  Logical point (0, 0) of the
// DC is pixel (originX, originY) of the memory.  Returns null for a null
// pointer, a size <= 0, a pitch shorter than width * 4 or a stale region.
// The DC has no selectable bitmap; it is an OBJ_DC.
PLATFORM_GDI_API HDC GdiCreateSurfaceDC(void* pixels, int width, int height, int pitch, HRGN clip, int originX,
                                        int originY);

} // extern "C"
