// Text drawn into a pixkit image through the GDI, so that labels get the same
// faces and rendering as the program's own text.
#pragma once

#include "pixkit.h"
#include "platform/gdi.h"

namespace artgen {

struct TextStyle {
    const char* face = "굴림";
    int pixelHeight = 12; // character (em) height
    int weight = FW_NORMAL;
    unsigned rgb = 0xFFFFFF;
};

// DrawTextA of UTF-8 text into `box` of the image, transparent background.
// False when the platform refused any step.
bool DrawLabel(CDIB& dib, const char* text, RECT box, UINT format, const TextStyle& style);

// The text's width and cell height in that style; {0, 0} on failure.
SIZE MeasureLabel(const char* text, const TextStyle& style);

} // namespace artgen
