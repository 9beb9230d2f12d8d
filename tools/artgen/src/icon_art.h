// The program's icon, the tray icons and their animation, and the pointing
// hand cursor, as icon and cursor file images.
#pragma once

#include "platform/icon_file.h"

namespace artgen {

// 16 x 16 and 32 x 32 images of the program's mark.
iconfile::IconFile MakeProgramIcon();

enum class TrayState { LoggedIn, LoggedOut };
iconfile::IconFile MakeTrayIcon(TrayState state);

inline constexpr int kAnimationFrames = 6;
// Frame 0 to 5 of the new-news animation: a spark running round the mark.
iconfile::IconFile MakeTrayAnimationFrame(int frame);

// 32 x 32 monochrome pointing hand, hot spot at the fingertip.
iconfile::IconFile MakeHandCursor();
inline constexpr int kHandHotspotX = 5;
inline constexpr int kHandHotspotY = 0;

} // namespace artgen
