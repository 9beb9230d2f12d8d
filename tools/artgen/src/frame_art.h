// "Frame.bmp" and "Title.bmp": the main window's picture and outline, and the
// title painted over it.
#pragma once

#include "canvas.h"
#include "frame_layout.h"
#include "pixkit.h"

namespace artgen {

// The window's outline: a body with rounded corners and a raised title tab.
Shape FrameOutline(const FrameLayout& layout);

// The frame painted on a transparent canvas; its alpha is the window's
// shape.  Pieces placed over the frame (button faces, the title, the ticker
// strip) take their background from this canvas, so they sit in it seamlessly.
Canvas PaintFrame(const FrameLayout& layout);

// The frame with the key colour wherever the window is cut away.
bool MakeFrameBitmap(const Canvas& frame, CDIB& out);

bool MakeTitleBitmap(const Canvas& frame, const FrameLayout& layout, CDIB& out);

// A rectangle of the frame, flattened over the window's edge colour.
Canvas FrameBackground(const Canvas& frame, const PixelRect& place);

// The pill-shaped slot of the ticker strip: the ticker button's face and the
// ticker frame together fill it from the button's left edge to this right edge.
inline constexpr int kStripRight = 255;

} // namespace artgen
