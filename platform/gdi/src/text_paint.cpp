#include "text_paint.h"

#include <algorithm>

namespace gdi {

namespace {

RECT intersect(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool isEmpty(const RECT& r) { return r.left >= r.right || r.top >= r.bottom; }

BYTE blend(BYTE over, BYTE under, unsigned alpha)
{
    return static_cast<BYTE>((over * alpha + under * (255 - alpha) + 127) / 255);
}

} // namespace

std::vector<RECT> clipTo(std::span<const RECT> clip, const RECT& limit)
{
    std::vector<RECT> out;
    for (const RECT& r : clip) {
        const RECT cut = intersect(r, limit);
        if (!isEmpty(cut))
            out.push_back(cut);
    }
    return out;
}

void paintCoverage(Surface& surface, std::span<const RECT> clip, int x, int y, const CoverageView& mask,
                   COLORREF color)
{
    if (mask.data == nullptr || mask.width <= 0 || mask.height <= 0)
        return;
    const RECT box{x, y, x + mask.width, y + mask.height};
    const bool threshold = surface.format().isIndexed() || surface.monochrome();
    const std::uint32_t solid = surface.format().fromColor(color);
    for (const RECT& c : clip) {
        const RECT area = intersect(c, box);
        if (isEmpty(area))
            continue;
        for (int py = area.top; py < area.bottom; ++py) {
            const std::uint8_t* row = mask.data + static_cast<std::ptrdiff_t>(py - y) * mask.pitch;
            for (int px = area.left; px < area.right; ++px) {
                const unsigned a = row[px - x];
                if (a == 0)
                    continue;
                if (threshold) {
                    if (a >= 128)
                        surface.setRaw(px, py, solid);
                    continue;
                }
                if (a == 255) {
                    surface.setRaw(px, py, solid);
                    continue;
                }
                const COLORREF under = surface.color(px, py);
                surface.setColor(px, py,
                                 RGB(blend(GetRValue(color), GetRValue(under), a),
                                     blend(GetGValue(color), GetGValue(under), a),
                                     blend(GetBValue(color), GetBValue(under), a)));
            }
        }
    }
}

void fillArea(Surface& surface, std::span<const RECT> clip, const RECT& area, COLORREF color)
{
    const std::uint32_t solid = surface.format().fromColor(color);
    for (const RECT& c : clip) {
        const RECT part = intersect(c, area);
        for (int py = part.top; py < part.bottom; ++py)
            for (int px = part.left; px < part.right; ++px)
                surface.setRaw(px, py, solid);
    }
}

} // namespace gdi
