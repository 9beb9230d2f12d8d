#include "button_art.h"

#include "dib_bridge.h"
#include "frame_art.h"
#include "gdi_text.h"
#include "palette.h"
#include "shapes.h"

#include <cmath>
#include <numbers>

namespace artgen {
namespace {

namespace pal = palette;

struct FaceColours {
    Rgba top;
    Rgba bottom;
    Rgba edge;
    Rgba glyph;
    unsigned label;
};

FaceColours ColoursFor(int id, bool lit)
{
    if (!lit)
        return {pal::kFaceTop, pal::kFaceBottom, pal::kFaceEdge, pal::kFaceGlyph, pal::kFaceLabelRgb};
    if (id == IDC_BTN_CLOSE)
        return {pal::kCloseTop, pal::kCloseBottom, Hex(0x5A1512), pal::kWhite, pal::kLitLabelRgb};
    return {pal::kLitTop, pal::kLitBottom, pal::kLitEdge, pal::kLitGlyph, pal::kLitLabelRgb};
}

// Glyphs, centred on (cx, cy), about 14 pixels across.
void DrawFolder(Canvas& c, float cx, float cy, Rgba ink)
{
    const Bounds b = BoxBounds(cx - 8, cy - 8, cx + 8, cy + 8);
    c.Fill(RoundedBox(cx - 7, cy - 5, cx - 1, cy - 1, 1.2f), Solid(ink), b); // the tab
    c.Fill(RoundedBox(cx - 7, cy - 3.5f, cx + 7, cy + 6, 1.5f), Solid(ink), b);
    c.Fill(RoundedBox(cx - 5.5f, cy - 1, cx + 5.5f, cy + 0.2f, 0.5f), Solid(WithAlpha(pal::kInk, 0.45f)), b);
}

void DrawMagnifier(Canvas& c, float cx, float cy, Rgba ink)
{
    const Bounds b = BoxBounds(cx - 8, cy - 8, cx + 8, cy + 8);
    c.Fill(Ring(cx - 1.5f, cy - 1.5f, 4.3f, 2.2f), Solid(ink), b);
    c.Fill(Capsule({cx + 1.9f, cy + 1.9f}, {cx + 5.8f, cy + 5.8f}, 2.9f), Solid(ink), b);
    c.Fill(Circle(cx - 2.8f, cy - 2.8f, 1.3f), Solid(WithAlpha(pal::kWhite, 0.5f)), b); // a glint on the lens
}

void DrawList(Canvas& c, float cx, float cy, Rgba ink)
{
    const Bounds b = BoxBounds(cx - 8, cy - 8, cx + 8, cy + 8);
    for (int i = 0; i < 3; ++i) {
        const float y = cy - 4.5f + static_cast<float>(i) * 4.5f;
        c.Fill(Circle(cx - 5, y, 1.35f), Solid(ink), b);
        c.Fill(Capsule({cx - 1.5f, y}, {cx + 6, y}, 2.0f), Solid(ink), b);
    }
}

void DrawGear(Canvas& c, float cx, float cy, Rgba ink)
{
    const Bounds b = BoxBounds(cx - 8, cy - 8, cx + 8, cy + 8);
    constexpr int kTeeth = 8;
    Shape gear = Circle(cx, cy, 4.6f);
    for (int i = 0; i < kTeeth; ++i) {
        const float angle = static_cast<float>(i) * 2 * std::numbers::pi_v<float> / kTeeth;
        const float dx = std::cos(angle);
        const float dy = std::sin(angle);
        gear = Union(gear, Capsule({cx + dx * 4.2f, cy + dy * 4.2f}, {cx + dx * 5.6f, cy + dy * 5.6f}, 2.5f));
    }
    c.Fill(Subtract(gear, Circle(cx, cy, 1.9f)), Solid(ink), b);
}

void DrawHelpRing(Canvas& c, float cx, float cy, Rgba ink)
{
    c.Fill(Ring(cx, cy, 6.2f, 1.6f), Solid(ink), BoxBounds(cx - 8, cy - 8, cx + 8, cy + 8));
}

void DrawMinimize(Canvas& c, float cx, float cy, Rgba ink)
{
    c.Fill(Capsule({cx - 3, cy + 2.5f}, {cx + 3, cy + 2.5f}, 1.8f), Solid(ink), BoxBounds(cx - 5, cy - 5, cx + 5, cy + 5));
}

void DrawCross(Canvas& c, float cx, float cy, Rgba ink)
{
    const Bounds b = BoxBounds(cx - 5, cy - 5, cx + 5, cy + 5);
    c.Fill(Capsule({cx - 2.6f, cy - 2.6f}, {cx + 2.6f, cy + 2.6f}, 1.7f), Solid(ink), b);
    c.Fill(Capsule({cx - 2.6f, cy + 2.6f}, {cx + 2.6f, cy - 2.6f}, 1.7f), Solid(ink), b);
}

// Korean label under the glyph of the big buttons.
const char* LabelFor(int id)
{
    switch (id) {
    case IDC_BTN_FILE:
        return "파일";
    case IDC_BTN_SEARCH:
        return "검색";
    case IDC_BTN_NEWSLIST:
        return "목록";
    case IDC_BTN_FUNCTIONS:
        return "기능";
    case IDC_BTN_HELP:
        return "도움";
    default:
        return nullptr;
    }
}

void DrawGlyph(Canvas& c, int id, float cx, float cy, Rgba ink)
{
    switch (id) {
    case IDC_BTN_FILE:
        DrawFolder(c, cx, cy, ink);
        break;
    case IDC_BTN_SEARCH:
        DrawMagnifier(c, cx, cy, ink);
        break;
    case IDC_BTN_NEWSLIST:
        DrawList(c, cx, cy, ink);
        break;
    case IDC_BTN_FUNCTIONS:
        DrawGear(c, cx, cy, ink);
        break;
    case IDC_BTN_HELP:
        DrawHelpRing(c, cx, cy, ink);
        break;
    case IDC_BTN_MINIMIZE:
        DrawMinimize(c, cx, cy, ink);
        break;
    case IDC_BTN_CLOSE:
        DrawCross(c, cx, cy, ink);
        break;
    default:
        break;
    }
}

// A rounded tile with a top-lit gradient, an edge line and an inner highlight.
void DrawTile(Canvas& c, float w, float h, float radius, const FaceColours& colours, bool lit)
{
    const Shape tile = RoundedBox(0, 0, w, h, radius);
    c.Fill(tile, Solid(colours.edge));
    const Shape inside = Offset(tile, -1);
    c.Fill(inside, VerticalGradient(1, colours.top, h - 1, colours.bottom));
    c.Fill(InnerBorder(inside, 1), VerticalGradient(1, WithAlpha(pal::kWhite, lit ? 0.55f : 0.3f), h * 0.6f,
                                                    WithAlpha(pal::kWhite, 0.0f)));
    if (lit)
        c.Fill(inside, RadialGradient(w / 2, h * 0.35f, w * 0.8f, WithAlpha(pal::kWhite, 0.22f),
                                      WithAlpha(pal::kWhite, 0.0f)));
}

} // namespace

bool MakeButtonFace(const Canvas& frame, const skin::ButtonPlace& place, bool lit, CDIB& out)
{
    const bool small = place.box.height < 20;
    const int w = small ? skin::kSmallFaceSide : place.box.width;
    const int h = small ? skin::kSmallFaceSide : place.box.height;
    Canvas canvas = FrameBackground(frame, {place.box.x, place.box.y, place.box.x + w, place.box.y + h});
    const FaceColours colours = ColoursFor(place.id, lit);
    const float fw = static_cast<float>(w);
    const float fh = static_cast<float>(h);

    DrawTile(canvas, fw, fh, small ? 3.5f : 5.0f, colours, lit);
    const float glyphY = small ? fh / 2 - (place.id == IDC_BTN_MINIMIZE ? 1.0f : 0.0f) : 14.0f;
    if (!small) // a faint drop shadow under the glyph
        DrawGlyph(canvas, place.id, fw / 2 + 0.5f, glyphY + 1, WithAlpha(pal::kInk, 0.5f));
    DrawGlyph(canvas, place.id, fw / 2, glyphY, colours.glyph);

    if (!CanvasToDib(canvas, out, pal::kInk))
        return false;
    bool ok = true;
    if (place.id == IDC_BTN_HELP) {
        TextStyle mark{"Arial", 11, FW_BOLD, lit ? pal::kLitLabelRgb : pal::kFaceLabelRgb};
        RECT box{0, static_cast<int>(glyphY) - 7, w, static_cast<int>(glyphY) + 8};
        ok = DrawLabel(out, "?", box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, mark);
    }
    if (const char* label = LabelFor(place.id)) {
        TextStyle style{"굴림", 10, lit ? FW_BOLD : FW_NORMAL, colours.label};
        RECT box{0, 24, w, h - 3};
        ok = DrawLabel(out, label, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE, style) && ok;
    }
    return ok;
}

} // namespace artgen
