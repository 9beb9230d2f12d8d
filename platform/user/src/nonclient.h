// The non-client area.  Top-level windows have none: their frame, if any,
// is the desktop's and lies outside the window rectangle.  Child windows
// have the borders of their styles: WS_BORDER one pixel, WS_EX_STATICEDGE
// one, WS_EX_CLIENTEDGE two.
#pragma once

#include "platform/user.h"

namespace user {

int BorderWidth(DWORD style, DWORD exStyle, bool child);
LRESULT NcCalcSize(HWND hwnd, RECT* rect);
LRESULT NcHitTest(HWND hwnd, POINT screen);
void NcPaint(HWND hwnd);

} // namespace user
