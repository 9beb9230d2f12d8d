// Calling window procedures.
#pragma once

#include "platform/user.h"

namespace user {

// Calls the window's procedure; 0 for a stale handle.
LRESULT Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace user
