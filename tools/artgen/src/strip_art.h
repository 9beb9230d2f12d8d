// The ticker strip: the start/stop button's face (its left cap) and the
// frame around the ticker, which together fill the strip slot of the frame.
#pragma once

#include "canvas.h"
#include "frame_layout.h"

#include "pixkit.h"

namespace artgen {

bool MakeTickerButtonFace(const Canvas& frame, CDIB& out);

// The ticker's window, seen from the ticker frame's corner: where the frame
// leaves its white window.  Falls back to a centred window when the layout
// puts the ticker elsewhere.
PixelRect TickerWindowInFrame(const FrameLayout& layout);

bool MakeTickerFrameFace(const Canvas& frame, const FrameLayout& layout, CDIB& out);

} // namespace artgen
