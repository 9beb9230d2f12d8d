// The program's mark: a round badge with a "Q" whose tail is a pen nib.  The
// title, the program icon and the tray icons all show it.
#pragma once

#include "canvas.h"

namespace artgen {

enum class MarkStyle {
    Online,  // blue: logged in, and the program's own icon
    Offline, // grey: logged out
};

void DrawQuillMark(Canvas& canvas, float cx, float cy, float radius, MarkStyle style);

// A bright arc running along the badge's rim, `angle` degrees clockwise
// from straight up: the frames of the new-news animation.
void DrawMarkSpark(Canvas& canvas, float cx, float cy, float radius, float angle);

// The small green dot of the logged-in state.
void DrawOnlineDot(Canvas& canvas, float cx, float cy, float radius);

} // namespace artgen
