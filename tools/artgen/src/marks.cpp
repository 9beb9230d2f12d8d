#include "marks.h"

#include "palette.h"
#include "shapes.h"

#include <cmath>

namespace artgen {

void DrawQuillMark(Canvas& canvas, float cx, float cy, float radius, MarkStyle style)
{
    namespace pal = palette;
    const bool online = style == MarkStyle::Online;
    const Rgba top = online ? Hex(0x5DB6F0) : Hex(0xA9B2BF);
    const Rgba bottom = online ? Hex(0x1D58A8) : Hex(0x58626F);
    const Rgba edge = online ? Hex(0x0C2A57) : Hex(0x2E343C);
    const Rgba letter = online ? pal::kWhite : Hex(0xE6E9EE);
    const Bounds bounds = BoxBounds(cx - radius, cy - radius, cx + radius, cy + radius);

    canvas.Fill(Circle(cx, cy, radius), Solid(edge), bounds);
    canvas.Fill(Circle(cx, cy, radius - 1), VerticalGradient(cy - radius, top, cy + radius, bottom), bounds);
    // A soft gloss over the upper half.
    canvas.Fill(Intersect(Circle(cx, cy, radius - 1.5f), Circle(cx, cy - radius * 0.55f, radius * 0.75f)),
                VerticalGradient(cy - radius, WithAlpha(pal::kWhite, 0.35f), cy, WithAlpha(pal::kWhite, 0.0f)),
                bounds);

    // The Q: a ring and a nib-shaped tail through its lower right.
    const float ring = radius * 0.46f;
    const float stroke = radius * 0.24f;
    canvas.Fill(Ring(cx - radius * 0.06f, cy - radius * 0.06f, ring, stroke), Solid(letter), bounds);
    // The tail, a pen nib: wide where it leaves the ring, pointed outside it.
    const float s = radius;
    canvas.Fill(Polygon({{cx - 0.02f * s, cy + 0.30f * s}, {cx + 0.30f * s, cy - 0.02f * s}, {cx + 0.74f * s, cy + 0.74f * s}}),
                Solid(letter), bounds);
    if (radius >= 10) // the nib's slit shows only at larger sizes
        canvas.Fill(Capsule({cx + 0.30f * s, cy + 0.30f * s}, {cx + 0.56f * s, cy + 0.56f * s}, radius * 0.07f),
                    Solid(bottom), bounds);
}

void DrawMarkSpark(Canvas& canvas, float cx, float cy, float radius, float angle)
{
    const Bounds bounds = BoxBounds(cx - radius, cy - radius, cx + radius, cy + radius);
    const float width = radius * 0.32f;
    const Shape arc = Intersect(Ring(cx, cy, radius - width / 2, width), Sector(cx, cy, angle, angle + 110));
    canvas.Fill(arc, Solid(palette::kAmber), bounds);
    // The head of the arc shines brightest.
    const float head = (angle + 110) * 3.14159265f / 180.0f;
    const float hx = cx + (radius - width / 2) * std::sin(head);
    const float hy = cy - (radius - width / 2) * std::cos(head);
    canvas.Fill(Circle(hx, hy, width * 0.75f), Solid(Hex(0xFFF4C8)), bounds);
}

void DrawOnlineDot(Canvas& canvas, float cx, float cy, float radius)
{
    const Bounds bounds = BoxBounds(cx - radius, cy - radius, cx + radius, cy + radius);
    canvas.Fill(Circle(cx, cy, radius), Solid(Hex(0x0B2A1A)), bounds);
    canvas.Fill(Circle(cx, cy, radius - 1), Solid(palette::kOnline), bounds);
}

} // namespace artgen
