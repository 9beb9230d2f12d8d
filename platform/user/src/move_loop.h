// Moving a top-level window with the pointer (SC_MOVE, a caption drag).
#pragma once

#include "platform/user.h"

namespace user {

// Runs until the left button is released (or Escape puts the window back,
// or the capture is lost), dispatching every other message meanwhile.
void RunMoveLoop(HWND hwnd);

} // namespace user
