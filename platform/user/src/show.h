// Show states: minimising and restoring (also when the desktop does it).
#pragma once

#include "platform/user.h"

namespace user {

// Enters or leaves the minimised state; `fromBackend` when the desktop did it.
void SetMinimized(HWND hwnd, bool minimized, bool fromBackend);

} // namespace user
