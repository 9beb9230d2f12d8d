// Window DCs: GDI surface DCs over the top-level window's backing store,
// with the window's origin and visible region.
#pragma once

#include "rgn.h"
#include "platform/user.h"

namespace user {

// `clip` (backing-store coordinates), when given, further limits drawing.
// A window without a backing store (message-only, zero-sized) gets a memory
// DC that draws nowhere visible.
HDC CreateWindowDc(HWND hwnd, bool clientArea, bool clipChildren, bool clipSiblings, const Rgn* clip, bool paint);
// Deletes the DC and presents what it could have drawn.
bool ReleaseWindowDc(HDC dc);

} // namespace user
