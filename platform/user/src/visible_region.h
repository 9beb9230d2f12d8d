// Where a window may draw: its rectangle (or client area) cut to its window
// region and every ancestor's client area and region, less the siblings
// above it when it clips siblings and its children when it clips children.
// Backing-store coordinates; empty for a window that is not visible.
#pragma once

#include "rgn.h"
#include "window.h"

namespace user {

Rgn VisibleRegion(const Window& w, bool clientArea, bool clipChildren, bool clipSiblings);
// The window's own area (rectangle and region) in backing-store coordinates.
Rgn WindowArea(const Window& w);

} // namespace user
