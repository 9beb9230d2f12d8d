#include "notifier_art.h"

#include "canvas.h"
#include "dib_bridge.h"
#include "gdi_text.h"
#include "marks.h"
#include "palette.h"
#include "shapes.h"
#include "skin_layout.h"

namespace artgen {
namespace {

namespace pal = palette;

constexpr float kNotch = 7; // depth of the notches in the top and bottom edges

float F(int v) { return static_cast<float>(v); }

} // namespace

bool MakeNotifierSkin(CDIB& out)
{
    const skin::Box face = skin::kNotifierFace;
    const skin::Box text = skin::kNotifierText;
    const float w = F(face.width);
    const float h = F(face.height);
    Canvas canvas(face.width, face.height);

    // The card, with a tab rising from the top edge at the left and one
    // hanging from the bottom edge at the right.
    const Shape card = RoundedBox(0, kNotch, w, h - kNotch, 9);
    const Shape topTab = RoundedBox(6, 0, 118, kNotch + 12, 7);
    const Shape bottomTab = RoundedBox(w - 96, h - kNotch - 12, w - 6, h, 7);
    const Shape outline = SmoothUnion(SmoothUnion(card, topTab, 4), bottomTab, 4);

    canvas.Fill(outline, Solid(pal::kInk));
    canvas.Fill(Offset(outline, -1), VerticalGradient(0, Hex(0x2F5088), h, Hex(0x15264A)));
    canvas.Fill(InnerBorder(Offset(outline, -1), 1.2f),
                VerticalGradient(0, WithAlpha(pal::kRimLight, 0.75f), h, WithAlpha(pal::kRimLight, 0.15f)));

    // The text area: a slightly darker, calm panel behind the notifier's text.
    const float tl = F(text.x) - 3, tt = F(text.y) - 2, tr = F(text.x + text.width) + 3, tb = F(text.y + text.height) + 2;
    const Shape panel = RoundedBox(tl, tt, tr, tb, 5);
    canvas.Fill(Offset(panel, 1), VerticalGradient(tt, WithAlpha(pal::kInk, 0.7f), tb, WithAlpha(pal::kWellLip, 0.6f)));
    canvas.Fill(panel, VerticalGradient(tt, Hex(0x1A2F57), tb, Hex(0x213B6B)));

    // The mark on the top tab; an accent line along the bottom tab.
    DrawQuillMark(canvas, 15, 9.5f, 6.5f, MarkStyle::Online);
    canvas.Fill(Capsule({w - 86, h - 6.5f}, {w - 16, h - 6.5f}, 1.6f),
                LinearGradient(w - 86, 0, WithAlpha(pal::kAccent, 0.0f), w - 16, 0, WithAlpha(pal::kAccent, 0.9f)));
    canvas.Fill(Circle(w - 13, h - 6.5f, 2), Solid(pal::kAccent));

    if (!CanvasToKeyedDib(canvas, out, skin::kNotifierKey, pal::kInk))
        return false;
    TextStyle brand{"Arial", 11, FW_BOLD, pal::kTitleTextRgb};
    TextStyle tag{"굴림", 10, FW_NORMAL, pal::kSubtitleTextRgb};
    const SIZE brandSize = MeasureLabel("Quillpost", brand);
    RECT brandBox{25, 2, 25 + brandSize.cx, 18};
    bool ok = DrawLabel(out, "Quillpost", brandBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE, brand);
    RECT tagBox{brandBox.right + 5, 3, 118, 18};
    ok = DrawLabel(out, "새 소식", tagBox, DT_LEFT | DT_VCENTER | DT_SINGLELINE, tag) && ok;
    return ok;
}

} // namespace artgen
