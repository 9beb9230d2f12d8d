// Drawing lines of text with a realised font onto a surface.
#pragma once

#include "font_instance.h"
#include "surface.h"
#include "text_layout.h"

#include <span>
#include <string_view>

namespace gdi {

struct TextStyle {
    COLORREF color = 0;
    COLORREF background = 0;
    bool opaque = false;    // fill the text's cell with the background first
    bool underline = false; // the font's own underline and strike-out
    bool strikeOut = false;
};

// Sum of the characters' advances, kept within int.
int measureText(FontInstance& font, std::u32string_view text);

// Draws `text` with its cell's top-left corner at (x, y), in surface
// coordinates, only inside `clip`.  `marks` underline parts of the line
// (prefix characters), in pixels from x.
void drawTextLine(Surface& surface, std::span<const RECT> clip, FontInstance& font, std::u32string_view text,
                  long long x, long long y, const TextStyle& style,
                  std::span<const LaidOutLine::Span> marks = {});

} // namespace gdi
