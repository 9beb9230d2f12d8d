// The colours of the skin: deep blue and slate, with a light sky accent.
#pragma once

#include "canvas.h"

namespace artgen::palette {

inline constexpr Rgba kInk = Hex(0x080D18);          // outlines and the window's edge
inline constexpr Rgba kBodyTop = Hex(0x2C4A7B);
inline constexpr Rgba kBodyBottom = Hex(0x14233F);
inline constexpr Rgba kTitleTop = Hex(0x3D629C);
inline constexpr Rgba kTitleBottom = Hex(0x29457A);
inline constexpr Rgba kRimLight = Hex(0x8DACDD);
inline constexpr Rgba kWell = Hex(0x0B1221);
inline constexpr Rgba kWellLip = Hex(0x5C7BAE);
inline constexpr Rgba kDock = Hex(0x1A2D4F);
inline constexpr Rgba kDockEdge = Hex(0x0E1A30);

inline constexpr Rgba kAccent = Hex(0x7CCBF5);
inline constexpr Rgba kAccentStrong = Hex(0x3FA7E8);
inline constexpr Rgba kAmber = Hex(0xFFC94A);

inline constexpr Rgba kFaceTop = Hex(0x3A5A89);
inline constexpr Rgba kFaceBottom = Hex(0x243E67);
inline constexpr Rgba kFaceEdge = Hex(0x0D192D);
inline constexpr Rgba kFaceGlyph = Hex(0xC3D2E9);
inline constexpr Rgba kLitTop = Hex(0x67A6E6);
inline constexpr Rgba kLitBottom = Hex(0x336FB7);
inline constexpr Rgba kLitEdge = Hex(0xA8E2FF);
inline constexpr Rgba kLitGlyph = Hex(0xFFFFFF);
inline constexpr Rgba kCloseTop = Hex(0xE8665E);
inline constexpr Rgba kCloseBottom = Hex(0xB93A33);

inline constexpr Rgba kWhite = Hex(0xFFFFFF);
inline constexpr Rgba kOnline = Hex(0x46D98A);

// As 0xRRGGBB for text.
inline constexpr unsigned kTitleTextRgb = 0xF2F7FF;
inline constexpr unsigned kSubtitleTextRgb = 0x9FD8F7;
inline constexpr unsigned kFaceLabelRgb = 0xC3D2E9;
inline constexpr unsigned kLitLabelRgb = 0xFFFFFF;

} // namespace artgen::palette
