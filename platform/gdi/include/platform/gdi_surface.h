// Extensions of the software GDI (not calls of the Windows API).
//
// A DC that draws straight into memory owned by the caller, such as a
// window's backing store.  The memory is 32-bit BGRX, top row first, `pitch` bytes per row,
// and must outlive the DC; DeleteDC releases the DC, never the memory.
#pragma once

#include "platform/gdi.h"

extern "C" {

// `clip`, if not null, is copied as the DC's system clip: drawing lands only
// inside it (memory coordinates) for the DC's whole life, whatever clip the
// program selects on top of it.  Logical point (0, 0) of the
// DC is pixel (originX, originY) of the memory.  Returns null for a null
// pointer, a size <= 0, a pitch shorter than width * 4 or a stale region.
// The DC has no selectable bitmap; it is an OBJ_DC.
PLATFORM_GDI_API HDC GdiCreateSurfaceDC(void* pixels, int width, int height, int pitch, HRGN clip, int originX,
                                        int originY);

// The dialog base units of the DC's current font, as dialog templates use
// them: cx is the average width of the 52 Latin letters, rounded as the real
// platform rounds it ((width of "A".."Z" "a".."z" / 26 + 1) / 2), and cy the
// font's cell height.  A dialog unit is cx / 4 pixels across and cy / 8 down.
PLATFORM_GDI_API BOOL GdiGetDialogBaseUnits(HDC dc, SIZE* units);

// Where FillRect and DrawEdge find system colours (the windowing layer's
// GetSysColor); null unregisters.  Until one is registered, system colour
// brushes make FillRect fail and DrawEdge uses the classic grey scheme.
using GdiSysColorSource = DWORD (*)(int index);
PLATFORM_GDI_API void GdiSetSysColorSource(GdiSysColorSource source);

// A solid brush that DeleteObject leaves alone, like the stock brushes: for
// the windowing layer's system colour brushes.  Null when out of memory.
PLATFORM_GDI_API HBRUSH GdiCreatePermanentBrush(COLORREF color);

} // extern "C"
