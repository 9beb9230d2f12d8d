#include "SkinButtonState.h"

namespace skinbutton {

Kind KindFromStyle(std::uint32_t style)
{
    const std::uint32_t s = style & 0xFFu;
    if ((s & 3u) == 3u)
        return Kind::CheckBox;
    if ((s & 9u) == 9u)
        return Kind::Radio;
    return Kind::Push;
}

DrawMode ClampDrawMode(short drawMode)
{
    if (drawMode <= 0)
        return DrawMode::Copy;
    if (drawMode >= 2)
        return DrawMode::Tile;
    return DrawMode::Stretch;
}

short ClampFocusMargin(short focusMargin) { return focusMargin < 0 ? short{0} : focusMargin; }

Look ChooseLook(const PaintState& s)
{
    Look look;
    if (s.disabled) {
        look.picture = s.hasDisabled ? Picture::Disabled : Picture::None;
        look.caption = Caption::Disabled;
        return look;
    }
    look.focusRect = s.focused;
    if (s.selected || s.checked) {
        look.picture = s.hasDown ? Picture::Down : Picture::None;
        look.edge = Edge::Sunken;
        look.caption = Caption::Pressed;
    } else if (!s.hasNormal) {
        look.picture = Picture::None;
    } else if (s.hover && s.hasOver) {
        look.picture = Picture::Over;
    } else if (s.focused && s.hasFocus) {
        look.picture = Picture::Focus;
    } else {
        look.picture = Picture::Normal;
    }
    return look;
}

} // namespace skinbutton
