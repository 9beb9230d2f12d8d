// The main window's geometry in pixels: the dialog's size and the controls
// that keep their template places follow from the dialog font's base units;
// the skin buttons and the ticker frame have fixed pixel places.
#pragma once

#include "skin_layout.h"

#include <optional>

namespace artgen {

struct BaseUnits {
    int cx; // average character width
    int cy; // character cell height
};

// Right and bottom exclusive.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

PixelRect FromBox(const skin::Box& box);

// The base units of the main window's font ("굴림", 9 points at 96 pixels
// per inch) as the GDI reports them for a DC with that font selected.
std::optional<BaseUnits> MeasureDialogBaseUnits();

// A template rectangle in dialog units to pixels: every edge is converted,
// x * cx / 4 across and y * cy / 8 down, rounding down.
PixelRect DialogToPixels(const skin::Box& du, BaseUnits units);

struct FrameLayout {
    BaseUnits units;
    int width;  // the dialog's size in pixels
    int height;
    PixelRect browserMain;
    PixelRect browserBanner;
    PixelRect ticker;
    PixelRect title; // where the title bitmap is painted
};

// Title bitmap size: it fills the frame's title bar from its place up to the
// minimise button, and stays above the main pane.
inline constexpr int kTitleWidth = 196;
inline constexpr int kTitleHeight = 28;

FrameLayout ComputeFrameLayout(BaseUnits units);

// The wells the frame leaves for the panes and the ticker: the control's
// rectangle with this much room on every side.
inline constexpr int kWellMargin = 2;

} // namespace artgen
