// The skin button's geometry, free of the platform: the outline a mask
// bitmap gives (one rectangle per run of non-key pixels in a row) and the
// tiles that cover a button with a bitmap.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace skinbutton {

// left <= x < right, top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The runs of pixels whose colour is not exactly `key`, row by row, each a
// one-pixel-high rectangle; a run that reaches the last column ends at
// `width`.  `pixel(x, y)` reads a colour, y counted from the top.
std::vector<Rect> MaskRuns(int width, int height, std::uint32_t key,
                           const std::function<std::uint32_t(int x, int y)>& pixel);

// One tile: the bitmap's top-left width x height part drawn at (x, y).
struct Tile {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Tiles of a bitmap `bitmapWidth` x `bitmapHeight` covering a button
// `width` x `height` from its top-left corner; the last row and column are
// cut to the button.  Nothing for an empty bitmap or button.
std::vector<Tile> Tiles(int width, int height, int bitmapWidth, int bitmapHeight);

} // namespace skinbutton
