// DrawTextA's layout, apart from any font: ampersand prefixes, line breaks,
// word wrapping, end ellipsis and alignment, worked out over a function that
// gives the width of one character.  Widths add up character by character,
// exactly as the text is drawn, so what is measured is what is drawn.
#pragma once

#include "platform/gdi.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

// Width in pixels of one character as drawn; never negative.
using AdvanceFunction = std::function<int(char32_t)>;

struct TextLayoutRequest {
    std::u32string_view text;
    RECT rect{};
    UINT format = 0;    // DT_* flags
    int lineHeight = 0; // distance from one line's top to the next one's
};

struct LaidOutLine {
    struct Span {
        int left;  // relative to the line's x
        int right;
        bool operator==(const Span&) const = default;
    };

    std::u32string text; // as drawn: prefixes resolved, ellipsis appended
    int x = 0;           // left edge
    int y = 0;           // top of the line's cell
    int width = 0;
    std::vector<Span> underlines; // characters marked by a single ampersand
};

struct TextLayout {
    std::vector<LaidOutLine> lines;
    RECT bounds{}; // the rectangle DT_CALCRECT reports
    int result = 0; // DrawTextA's return value
};

inline constexpr std::u32string_view kEllipsis = U"...";

// The characters to draw and which of them the prefix underlines.
struct PrefixedText {
    std::u32string text;
    std::vector<bool> underlined;
};
// "&&" gives one '&', "&x" gives x underlined (not underlined with
// DT_HIDEPREFIX), a lone trailing '&' is dropped; DT_NOPREFIX keeps the text.
PrefixedText resolvePrefixes(std::u32string_view text, UINT format);

TextLayout layoutText(const TextLayoutRequest& request, const AdvanceFunction& advance);

} // namespace gdi
