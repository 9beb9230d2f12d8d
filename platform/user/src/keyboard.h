// Key state and the characters keys make.
#pragma once

#include "platform/user.h"

#include <optional>

namespace user {

// Records a key or button going down or up (bit 7 held, bit 0 toggled on
// each press).  Returns whether it was down before.
bool SetKeyDown(UINT vk, bool down);
bool KeyDown(UINT vk);
// The mouse-message key flags (MK_*) of the current state.
WPARAM MouseKeyFlags();
// The character a key makes on a US keyboard with the current modifiers,
// control characters included (Ctrl+A is 1, Enter 13, Escape 27).
std::optional<char> CharForKey(UINT vk);

} // namespace user
