// Moving, sizing, stacking and showing windows: the core of SetWindowPos.
#pragma once

#include "platform/user.h"

namespace user {

// Recomputes the client rectangle from the window rectangle (WM_NCCALCSIZE).
void CalcClientRect(HWND hwnd);
// SetWindowPos.  With `fromBackend` the desktop made the change already and
// is not told again.
bool SetPosition(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags, bool fromBackend = false);
// Front of its group (topmost or not), its owned windows above it.
void RaiseTopLevel(HWND hwnd, bool tellBackend);

} // namespace user
