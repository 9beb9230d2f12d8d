// Icon objects and the loading of icons, cursors and bitmaps by LoadImageA.
#pragma once

namespace user {

// Drops the memory of which shared icons and cursors were loaded from which
// resource, so that a resource registered anew is read again.  Handles
// already given out stay valid.
void ForgetSharedImages();

} // namespace user
