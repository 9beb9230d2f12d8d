// Turning raw backend input into window messages when it is taken from the
// queue: pointer routing (capture, hit testing, mouse activation,
// WM_SETCURSOR, double clicks, tracking), keys to the focus, and the
// desktop's reports (activation, geometry, show state, close requests).
#pragma once

#include "message_queue.h"

namespace user {

// True with `out` set when the input becomes a message to return; false
// when it was handled on the spot or goes nowhere.
bool ConvertRawInput(const RawInput& raw, MSG& out);

} // namespace user
