#include "frame_art.h"

#include "dib_bridge.h"
#include "gdi_text.h"
#include "marks.h"
#include "palette.h"
#include "shapes.h"

#include <algorithm>

namespace artgen {
namespace {

namespace pal = palette;

constexpr float kBodyTop = 13;      // where the body starts beside the title tab
constexpr float kTabInset = 19;     // the tab's distance from the window's sides
constexpr float kBodyRadius = 16;
constexpr float kTabRadius = 11;

float F(int v) { return static_cast<float>(v); }

PixelRect Inflate(PixelRect r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// A recessed well that a pane or the ticker covers.
void PaintWell(Canvas& canvas, PixelRect control)
{
    const PixelRect w = Inflate(control, kWellMargin);
    const Shape well = RoundedBox(F(w.left), F(w.top), F(w.right), F(w.bottom), 3);
    const Bounds bounds = BoxBounds(F(w.left), F(w.top), F(w.right), F(w.bottom), 5);
    canvas.Glow(Offset(well, 1), WithAlpha(pal::kInk, 0.45f), 4, bounds);
    // The lip: dark where the light from above cannot reach, lit at the bottom.
    canvas.Fill(Offset(well, 1), VerticalGradient(F(w.top), pal::kInk, F(w.bottom), pal::kWellLip), bounds);
    canvas.Fill(well, Solid(pal::kWell), bounds);
}

// The slot the ticker strip sits in.
void PaintStripSlot(Canvas& canvas)
{
    const skin::Box button = skin::kTickerButton.box;
    const float left = F(button.x) - 2;
    const float top = F(button.y) - 2;
    const float right = F(kStripRight) + 2;
    const float bottom = F(button.y + button.height) + 2;
    const Shape slot = RoundedBox(left, top, right, bottom, (bottom - top) / 2);
    const Bounds bounds = BoxBounds(left, top, right, bottom, 5);
    canvas.Glow(slot, WithAlpha(pal::kInk, 0.35f), 3, bounds);
    canvas.Fill(slot, VerticalGradient(top, pal::kInk, bottom, pal::kWellLip), bounds);
    canvas.Fill(Offset(slot, -1), Solid(pal::kWell), bounds);
}

// The panel the main skin buttons stand on: one flat colour, so that the
// buttons' own corners blend into it.
void PaintDock(Canvas& canvas)
{
    int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
    for (const skin::ButtonPlace& b : skin::kSkinButtons) {
        if (b.box.height < 20)
            continue; // the small buttons live in the title bar
        left = std::min(left, b.box.x);
        top = std::min(top, b.box.y);
        right = std::max(right, b.box.x + b.box.width);
        bottom = std::max(bottom, b.box.y + b.box.height);
    }
    const float l = F(left) - 6, t = F(top) - 4, r = F(right) + 6, bt = F(bottom) + 4;
    const Shape dock = RoundedBox(l, t, r, bt, 8);
    const Bounds bounds = BoxBounds(l, t, r, bt, 5);
    canvas.Glow(dock, WithAlpha(pal::kInk, 0.35f), 3, bounds);
    canvas.Fill(Offset(dock, 1), VerticalGradient(t, pal::kDockEdge, bt, pal::kWellLip), bounds);
    canvas.Fill(dock, Solid(pal::kDock), bounds);

    // Grooves in the gaps between the button groups.
    for (const skin::ButtonPlace& a : skin::kSkinButtons) {
        for (const skin::ButtonPlace& b : skin::kSkinButtons) {
            if (a.box.height < 20 || b.box.height < 20 || b.box.x <= a.box.x + a.box.width + 8)
                continue;
            bool between = false; // another button lies between a and b
            for (const skin::ButtonPlace& c : skin::kSkinButtons)
                if (c.box.height >= 20 && c.box.x >= a.box.x + a.box.width && c.box.x < b.box.x)
                    between = true;
            if (between)
                continue;
            const float cx = (F(a.box.x + a.box.width) + F(b.box.x)) / 2;
            for (int i = 0; i < 3; ++i) {
                const float cy = (t + bt) / 2 + F(i - 1) * 7;
                canvas.Fill(Circle(cx, cy + 0.5f, 1.4f), Solid(pal::kWellLip), BoxBounds(cx, cy, cx, cy, 3));
                canvas.Fill(Circle(cx, cy, 1.4f), Solid(pal::kInk), BoxBounds(cx, cy, cx, cy, 3));
            }
        }
    }
}

} // namespace

Shape FrameOutline(const FrameLayout& layout)
{
    const float w = F(layout.width);
    const float h = F(layout.height);
    const Shape body = RoundedBox(0, kBodyTop, w, h, kBodyRadius);
    const Shape tab = RoundedBox(kTabInset, 0, w - kTabInset, kBodyTop + 30, kTabRadius);
    return SmoothUnion(body, tab, 3);
}

Canvas PaintFrame(const FrameLayout& layout)
{
    Canvas canvas(layout.width, layout.height);
    const Shape outline = FrameOutline(layout);
    const float w = F(layout.width);
    const float h = F(layout.height);

    canvas.Fill(outline, VerticalGradient(0, pal::kBodyTop, h, pal::kBodyBottom));

    // The title bar: a lighter band down to just above the main pane.
    const float barBottom = F(std::max(layout.browserMain.top - kWellMargin - 3, layout.title.bottom));
    const Shape bar = Intersect(Offset(outline, 1), RoundedBox(-20, -20, w + 20, barBottom, 0));
    canvas.Fill(bar, VerticalGradient(0, pal::kTitleTop, barBottom, pal::kTitleBottom));
    canvas.Fill(Intersect(Offset(outline, 2), RoundedBox(-20, barBottom - 1, w + 20, barBottom, 0)),
                Solid(WithAlpha(pal::kInk, 0.6f)));
    canvas.Fill(Intersect(Offset(outline, 2), RoundedBox(-20, barBottom, w + 20, barBottom + 1, 0)),
                Solid(WithAlpha(pal::kRimLight, 0.25f)));

    // A light rim inside the edge, strongest at the top.
    canvas.Fill(InnerBorder(Offset(outline, 1), 1.2f),
                VerticalGradient(0, WithAlpha(pal::kRimLight, 0.7f), h, WithAlpha(pal::kRimLight, 0.12f)));

    PaintStripSlot(canvas);
    PaintDock(canvas);
    // The wells come last: whatever else the frame shows, the panes and the
    // ticker are placed by the dialog's own units and cover their wells.
    PaintWell(canvas, layout.browserMain);
    PaintWell(canvas, layout.browserBanner);
    PaintWell(canvas, layout.ticker);

    // A divider between the buttons and the banner, when there is room.
    int dockBottom = 0;
    for (const skin::ButtonPlace& b : skin::kSkinButtons)
        dockBottom = std::max(dockBottom, b.box.y + b.box.height + 4);
    const int gapTop = dockBottom;
    const int gapBottom = layout.browserBanner.top - kWellMargin;
    if (gapBottom - gapTop >= 12) {
        const float cy = F(gapTop + gapBottom) / 2;
        const float cx = w / 2;
        canvas.Fill(Capsule({28, cy}, {cx - 10, cy}, 1), LinearGradient(28, cy, WithAlpha(pal::kAccent, 0), cx - 10, cy, WithAlpha(pal::kAccent, 0.55f)));
        canvas.Fill(Capsule({cx + 10, cy}, {w - 28, cy}, 1), LinearGradient(cx + 10, cy, WithAlpha(pal::kAccent, 0.55f), w - 28, cy, WithAlpha(pal::kAccent, 0)));
        canvas.Fill(Polygon({{cx, cy - 4}, {cx + 4, cy}, {cx, cy + 4}, {cx - 4, cy}}), Solid(WithAlpha(pal::kAccent, 0.8f)),
                    BoxBounds(cx - 4, cy - 4, cx + 4, cy + 4));
    }
    return canvas;
}

bool MakeFrameBitmap(const Canvas& frame, CDIB& out)
{
    return CanvasToKeyedDib(frame, out, skin::kFrameKey, palette::kInk);
}

Canvas FrameBackground(const Canvas& frame, const PixelRect& place)
{
    Canvas crop = frame.Crop(place.left, place.top, place.Width(), place.Height());
    Canvas flat(crop.Width(), crop.Height(), palette::kInk);
    flat.Compose(crop, 0, 0);
    return flat;
}

bool MakeTitleBitmap(const Canvas& frame, const FrameLayout& layout, CDIB& out)
{
    Canvas canvas = FrameBackground(frame, layout.title);
    const float h = F(layout.title.Height());
    const float cy = h / 2 + 1;
    DrawQuillMark(canvas, 11, cy, 9, MarkStyle::Online);
    if (!CanvasToDib(canvas, out, palette::kInk))
        return false;

    TextStyle name{"Arial", 16, FW_BOLD, palette::kTitleTextRgb};
    TextStyle tag{"굴림", 11, FW_BOLD, palette::kSubtitleTextRgb};
    const SIZE nameSize = MeasureLabel("Quillpost", name);
    const int x = 25;
    const int baseTop = static_cast<int>(cy) - static_cast<int>(nameSize.cy) / 2;
    RECT shadow{x + 1, baseTop + 1, layout.title.Width(), baseTop + nameSize.cy + 1};
    TextStyle shade = name;
    shade.rgb = 0x0A1426;
    bool ok = DrawLabel(out, "Quillpost", shadow, DT_LEFT | DT_SINGLELINE, shade);
    RECT box{x, baseTop, layout.title.Width(), baseTop + nameSize.cy};
    ok = DrawLabel(out, "Quillpost", box, DT_LEFT | DT_SINGLELINE, name) && ok;
    RECT tagBox{x + static_cast<int>(nameSize.cx) + 6, baseTop + 3, layout.title.Width(), baseTop + nameSize.cy};
    ok = DrawLabel(out, "뉴스 알리미", tagBox, DT_LEFT | DT_SINGLELINE | DT_VCENTER, tag) && ok;
    return ok;
}

} // namespace artgen
