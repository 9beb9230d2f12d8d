// Coordinates in the window tree.  A window's rectangles are stored in its
// parent's client coordinates (screen coordinates for top-level windows);
// these helpers turn them into screen and backing-store coordinates.
#pragma once

#include "window.h"

namespace user {

HWND RootOf(HWND hwnd);               // the top-level window (itself if top-level)
POINT ClientOriginOnScreen(const Window& w);
POINT WindowOriginOnScreen(const Window& w);
RECT WindowRectOnScreen(const Window& w);
RECT ClientRectOnScreen(const Window& w);
// Origins relative to the top-level window's top-left corner, which is
// pixel (0, 0) of its backing store.
POINT WindowOriginInTop(const Window& w);
POINT ClientOriginInTop(const Window& w);
// WS_VISIBLE on the window and every ancestor.
bool VisibleChain(const Window& w);
// Inside the window's rectangle and its window region, if it has one.
bool WindowContainsScreenPoint(const Window& w, POINT screen);

} // namespace user
