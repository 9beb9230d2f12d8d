// The faces of the skin buttons: a normal face and a lit face for the
// pointer resting on the button.
#pragma once

#include "canvas.h"
#include "skin_layout.h"

#include "pixkit.h"

namespace artgen {

// `frame` is the painted frame (PaintFrame); the face takes its background
// from the button's place in it.
bool MakeButtonFace(const Canvas& frame, const skin::ButtonPlace& place, bool lit, CDIB& out);

} // namespace artgen
