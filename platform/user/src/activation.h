// The active top-level window and the keyboard focus.
#pragma once

#include "platform/user.h"

namespace user {

// Makes `hwnd` (a top-level window) active: WM_NCACTIVATE and WM_ACTIVATE to
// the old and new windows, WM_ACTIVATEAPP when the program gains or loses
// activation, and the new window raised.  Null deactivates.  `tellBackend`
// is false when the desktop reported the change.
void Activate(HWND hwnd, WORD how, bool tellBackend);
// After `leaving` is hidden, minimised or destroyed: activates its owner or
// the next visible window, or nothing.
void ActivateNext(HWND leaving);
// Focus and capture leave `hwnd` and its descendants (hidden, disabled or
// destroyed); `notify` sends the usual messages.
void DropFocusWithin(HWND hwnd, bool notify);
void DropCaptureWithin(HWND hwnd, bool notify);
bool IsSelfOrDescendant(HWND ancestor, HWND hwnd);
// Whether `owner` may own `hwnd` without a circle of owners.
bool CanOwn(HWND owner, HWND hwnd);

} // namespace user
