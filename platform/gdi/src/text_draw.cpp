#include "text_draw.h"

#include "text_paint.h"

#include <algorithm>
#include <climits>

namespace gdi {

namespace {

// Drawing positions far outside any surface are pulled in to where int
// arithmetic is safe; nothing there is visible anyway.
constexpr long long kFar = INT_MAX / 4;

int near(long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); }

RECT band(long long left, long long right, long long top, int thickness)
{
    return {near(left), near(top), near(right), near(top + thickness)};
}

} // namespace

int measureText(FontInstance& font, std::u32string_view text)
{
    long long width = 0;
    for (char32_t c : text)
        width += font.advance(c);
    return static_cast<int>(std::min<long long>(width, INT_MAX / 2));
}

void drawTextLine(Surface& surface, std::span<const RECT> clip, FontInstance& font, std::u32string_view text,
                  long long x, long long y, const TextStyle& style, std::span<const LaidOutLine::Span> marks)
{
    const FontMetrics& m = font.metrics();
    const int width = measureText(font, text);
    const long long baseline = y + m.ascent;
    if (style.opaque)
        fillArea(surface, clip, band(x, x + width, y, m.height), style.background);

    const RECT bounds{0, 0, surface.width(), surface.height()};
    long long pen = x;
    for (char32_t c : text) {
        const Glyph& g = font.glyph(c);
        const long long left = pen + g.left;
        const long long top = baseline - g.top;
        pen += g.advance;
        if (g.coverage.empty() || left >= bounds.right || top >= bounds.bottom || left + g.width <= 0 ||
            top + g.height <= 0)
            continue;
        paintCoverage(surface, clip, static_cast<int>(left), static_cast<int>(top),
                      {g.coverage.data(), g.width, g.height, g.width}, style.color);
    }

    const long long underlineTop = baseline + m.underlineTop;
    if (style.underline)
        fillArea(surface, clip, band(x, x + width, underlineTop, m.underlineThickness), style.color);
    for (const LaidOutLine::Span& s : marks)
        fillArea(surface, clip, band(x + s.left, x + s.right, underlineTop, m.underlineThickness), style.color);
    if (style.strikeOut)
        fillArea(surface, clip, band(x, x + width, baseline - m.strikeoutTop, m.strikeoutThickness), style.color);
}

} // namespace gdi
