// The tray icon's plain logic, free of the platform: which record flags
// an icon starts with, the bounded copies of its texts, the animation's
// frame order and end, the default command of its menu, and where the
// notification area is when the desktop does not say.
#pragma once

#include "platform/base.h"

#include <cstddef>
#include <cstring>

namespace tray {

// NIF_* values of the shell record.
inline constexpr UINT kFlagMessage = 0x01;
inline constexpr UINT kFlagIcon = 0x02;
inline constexpr UINT kFlagTip = 0x04;
inline constexpr UINT kFlagState = 0x08;
inline constexpr UINT kFlagInfo = 0x10;

// The flags of a new icon: callback, image and tooltip, and the balloon
// when the shell shows balloons and there is a text for one.
UINT CreationFlags(bool shellV5, bool hasBalloon);

// Copies at most size - 1 bytes of `text` (null: nothing) and terminates.
void CopyBounded(char* dest, std::size_t size, const char* text);
template <std::size_t N>
void CopyBounded(char (&dest)[N], const char* text)
{
    CopyBounded(dest, N, text);
}

// The frame after `current` in a list of `count` (the list's start again
// after its end); -1 for an empty list.
int NextFrame(int current, int count);
// Whether an animation of `animSeconds` (0 or less: until stopped) is over
// after `elapsedSeconds` whole seconds of the wall clock.
bool AnimationOver(int animSeconds, long long elapsedSeconds);

// The command a double click sends: the menu item at the default position
// (`idAtPosition`, which is all bits set for a position that names no
// item), or the default item itself when it is a command.
UINT DefaultCommand(bool byPosition, UINT defaultItem, UINT idAtPosition);

// The notification area within the task bar, given the area found so far
// and the clock's rectangle: an upright bar has its icons below the clock,
// a flat one left of it.
RECT CutAtClock(RECT area, RECT clock);
// The notification area guessed from the task bar's rectangle and edge
// (ABE_LEFT 0, ABE_TOP 1, ABE_RIGHT 2, ABE_BOTTOM 3).
RECT TrayFromTaskbar(RECT bar, UINT edge);
// The last guess: a 150 by 30 corner at the bottom right of the work area.
RECT TrayFromWorkArea(RECT work);

} // namespace tray
