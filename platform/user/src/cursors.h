// Cursor objects: the shared standard shapes and cursors made from pixels.
#pragma once

#include "platform/backend.h"
#include "platform/user.h"

namespace user {

// The shape a handle stands for; null for a stale handle.
const platform::CursorImage* CursorShape(HCURSOR cursor);
// A new cursor handle for `image`; a shared one is never destroyed.
HCURSOR AddCursorObject(platform::CursorImage image, bool shared);
// Shows the current cursor (RT().cursor) over the pointer's window.
void ApplyCursor();

} // namespace user
