// Filling rectangles of a DC with one colour (FillRect and the borders).
#pragma once

#include "platform/gdi.h"

namespace user {

bool FillSolid(HDC dc, const RECT& rect, COLORREF color);

} // namespace user
