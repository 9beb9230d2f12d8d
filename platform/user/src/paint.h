// Update regions and when windows are painted.
#pragma once

#include "rgn.h"
#include "window.h"

namespace user {

// Adds to (RDW_INVALIDATE) or removes from (RDW_VALIDATE) update regions as
// RedrawWindow does, without its UPDATENOW and ERASENOW parts.  `region` is
// in the window's client coordinates; null means all of it.  Children take
// part with RDW_ALLCHILDREN, or by default when the window does not clip
// them (its painting covers theirs).  Hidden windows collect nothing.
void Redraw(HWND hwnd, const Rgn* region, UINT flags);
// Everything of a top-level window's tree lying in `area` (backing-store
// coordinates) is to be painted again: what a moved, hidden or reshaped
// child leaves behind.
void InvalidateStoreArea(HWND top, const Rgn& area);
bool NeedsPaint(const Window& w);
// The next window owed a WM_PAINT: parents before children, lower siblings
// before higher ones.  With a filter, only it and its descendants count.
HWND FindWindowToPaint(HWND filter);
// Forgets what a window is owed, after a WM_PAINT that did not paint.
void ForgetPaint(Window& w);
void PaintNow(HWND hwnd, bool children);
void EraseNow(HWND hwnd, bool children);
// Shows a rectangle of the backing store (its coordinates) on the desktop.
void PresentArea(HWND top, const RECT& area);

} // namespace user
