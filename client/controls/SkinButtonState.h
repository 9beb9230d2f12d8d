// The skin button's decisions, free of the platform: which kind of button a
// window style makes, how LoadSkin's numbers are limited, and which picture,
// edge and caption look a paint uses for the button's state.
#pragma once

#include <cstdint>

namespace skinbutton {

// The behaviour a button takes from its style when it is attached.
enum class Kind : int {
    Push = 0,
    CheckBox = 2,
    Radio = 4,
};

// From the low byte of the window style: automatic check boxes and
// automatic radio buttons keep their check behaviour; everything else is a
// push button.
Kind KindFromStyle(std::uint32_t style);

// How a state bitmap is laid into the button.
enum class DrawMode : short {
    Copy = 0,    // natural size from the top-left corner
    Stretch = 1, // stretched to the button
    Tile = 2,    // repeated from the top-left corner
};

DrawMode ClampDrawMode(short drawMode);
short ClampFocusMargin(short focusMargin);

// The six bitmaps a button may hold.
enum class Picture {
    None, // no bitmap: the button is filled with the button-face colour
    Normal,
    Down,
    Disabled,
    Over,
    Focus,
};

enum class Edge { Raised, Sunken };

enum class Caption {
    Normal,
    Pressed,  // moved one pixel right and down
    Disabled, // embossed: highlight colour, then grey text one pixel up-left
};

// What a paint knows: the item state flags of the request and the button's
// own state and bitmaps.
struct PaintState {
    bool disabled = false; // ODS_DISABLED
    bool selected = false; // ODS_SELECTED
    bool focused = false;  // ODS_FOCUS
    bool checked = false;
    bool hover = false;
    bool hasNormal = false;
    bool hasDown = false;
    bool hasDisabled = false;
    bool hasOver = false;
    bool hasFocus = false;
};

struct Look {
    Picture picture = Picture::None;
    Edge edge = Edge::Raised;
    Caption caption = Caption::Normal;
    bool focusRect = false; // drawn when the margin is also positive
};

// The first state that applies decides: disabled, then pressed or checked,
// then a button without its normal bitmap, then hover, focus and normal.
// A picture whose bitmap is missing comes back as Picture::None.
Look ChooseLook(const PaintState& s);

} // namespace skinbutton
