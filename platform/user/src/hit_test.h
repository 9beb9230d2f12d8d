// Which window is under a point, and the hit-test code it gives.
#pragma once

#include "platform/user.h"

namespace user {

struct Hit {
    HWND hwnd = nullptr;
    LRESULT code = HTNOWHERE;
};

// Within one top-level window's tree, asking WM_NCHITTEST: children before
// their parent, higher siblings before lower ones.  A disabled child leaves
// the point to its parent; HTTRANSPARENT leaves it to what lies beneath.
// A disabled top-level window answers HTERROR without being asked.
Hit HitTestTree(HWND top, POINT screen);
// Across all top-level windows, frontmost first (minimised ones excluded).
Hit HitTestScreen(POINT screen);
// The same by geometry alone, without asking any window: the deepest
// enabled window whose area holds the point, and whether it is client area.
Hit GeometricHit(HWND top, POINT screen);

} // namespace user
