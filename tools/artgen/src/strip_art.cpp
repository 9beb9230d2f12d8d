#include "strip_art.h"

#include "dib_bridge.h"
#include "frame_art.h"
#include "palette.h"
#include "shapes.h"

namespace artgen {
namespace {

namespace pal = palette;

float F(int v) { return static_cast<float>(v); }

// The whole pill of the strip, in coordinates whose origin is `origin`.
Shape StripPill(int originX, int originY)
{
    const skin::Box b = skin::kTickerButton.box;
    const float left = F(b.x - originX);
    const float top = F(b.y - originY);
    const float right = F(kStripRight - originX);
    const float bottom = top + F(b.height);
    return RoundedBox(left, top, right, bottom, (bottom - top) / 2);
}

void PaintPill(Canvas& canvas, int originX, int originY)
{
    const Shape pill = StripPill(originX, originY);
    const float h = F(canvas.Height());
    canvas.Fill(pill, Solid(pal::kFaceEdge));
    canvas.Fill(Offset(pill, -1), VerticalGradient(0, pal::kFaceTop, h, pal::kFaceBottom));
    canvas.Fill(InnerBorder(Offset(pill, -1), 1),
                VerticalGradient(0, WithAlpha(pal::kWhite, 0.3f), h * 0.6f, WithAlpha(pal::kWhite, 0.0f)));
}

} // namespace

bool MakeTickerButtonFace(const Canvas& frame, CDIB& out)
{
    const skin::Box b = skin::kTickerButton.box;
    const skin::Box face = skin::kTickerButtonFace;
    Canvas canvas = FrameBackground(frame, {b.x, b.y, b.x + face.width, b.y + face.height});
    PaintPill(canvas, b.x, b.y);

    // Play and pause side by side: the button starts and stops the ticker.
    const float cy = F(face.height) / 2;
    const float cx = F(face.width) / 2 + 1;
    const Bounds bounds{0, 0, face.width, face.height};
    const Shape play = Polygon({{cx - 7, cy - 4.5f}, {cx - 0.5f, cy}, {cx - 7, cy + 4.5f}});
    const Shape pause = Union(RoundedBox(cx + 1.5f, cy - 4.5f, cx + 3.5f, cy + 4.5f, 0.6f),
                              RoundedBox(cx + 5, cy - 4.5f, cx + 7, cy + 4.5f, 0.6f));
    const Shape glyph = Union(play, pause);
    canvas.Fill([glyph](float x, float y) { return glyph(x, y - 1); }, Solid(WithAlpha(pal::kInk, 0.6f)), bounds);
    canvas.Fill(play, Solid(pal::kAccent), bounds);
    canvas.Fill(pause, Solid(pal::kFaceGlyph), bounds);
    return CanvasToDib(canvas, out, pal::kInk);
}

PixelRect TickerWindowInFrame(const FrameLayout& layout)
{
    const skin::Box place = skin::kTickerFramePlace;
    const skin::Box face = skin::kTickerFrameFace;
    const PixelRect t = layout.ticker;
    const PixelRect inFrame{t.left - place.x, t.top - place.y, t.right - place.x, t.bottom - place.y};
    if (inFrame.left >= 4 && inFrame.top >= 3 && inFrame.right <= face.width - 6 && inFrame.bottom <= face.height - 3)
        return inFrame;
    return {13, 6, 193, 23};
}

bool MakeTickerFrameFace(const Canvas& frame, const FrameLayout& layout, CDIB& out)
{
    const skin::Box place = skin::kTickerFramePlace;
    const skin::Box face = skin::kTickerFrameFace;
    Canvas canvas = FrameBackground(frame, {place.x, place.y, place.x + face.width, place.y + face.height});
    PaintPill(canvas, place.x, place.y);

    // The ticker's white window, sunk into the strip.
    const PixelRect t = TickerWindowInFrame(layout);
    const Shape window = RoundedBox(F(t.left) - 1, F(t.top) - 1, F(t.right) + 1, F(t.bottom) + 1, 2.5f);
    canvas.Fill(Offset(window, 1), VerticalGradient(F(t.top), pal::kInk, F(t.bottom), pal::kWellLip));
    canvas.Fill(window, Solid(pal::kWhite));
    // A small light at the strip's end, in the accent colour.
    const float lx = (F(t.right) + F(face.width)) / 2 - 1;
    const float ly = F(face.height) / 2;
    canvas.Fill(Circle(lx, ly, 2.2f), Solid(pal::kInk), BoxBounds(lx - 3, ly - 3, lx + 3, ly + 3));
    canvas.Fill(Circle(lx, ly, 1.5f), Solid(pal::kAccent), BoxBounds(lx - 3, ly - 3, lx + 3, ly + 3));
    return CanvasToDib(canvas, out, pal::kInk);
}

} // namespace artgen
