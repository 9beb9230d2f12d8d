// The backend used when a program selects none: windows exist but are shown
// nowhere, the clock is the real one, no input ever arrives.  Enough for
// code that makes windows only to hold handles (a DirectDraw cooperative
// level, a socket's notification window) and for loops woken by timers.
#pragma once

#include "platform/backend.h"

#include <memory>

namespace user {

std::unique_ptr<platform::Backend> MakeNullBackend();

} // namespace user
