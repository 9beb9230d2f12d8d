// The ticker's arithmetic, free of the platform: where the items lie in the
// strip, which strip columns a frame shows at an offset (with the wrap back
// to the strip's start), how the offset steps, and which item a click hits.
//
// Terms: W is the strip width (the last item's right edge plus 1, 0 with no
// items); the strip image is W - 1 columns wide with items and as wide as
// the window without; the offset o is the strip column shown at the
// window's left edge, 0 <= o <= W.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace ticker {

// Blank pixels after each item's text; one more column separates items.
inline constexpr int kItemPadding = 20;

// An item's columns in the strip: left <= x < right.
struct Span {
    int left = 0;
    int right = 0;
};

// Lays the items out side by side from their text widths.
std::vector<Span> LayoutItems(const std::vector<int>& textWidths);
// W for the laid-out items.
int StripWidth(const std::vector<Span>& items);
// The strip image's width.
int StripImageWidth(int stripWidth, bool hasItems, int clientWidth);

// One block copy of a frame: `width` columns from strip column `srcX` to
// window column `destX`.
struct Copy {
    int destX = 0;
    int srcX = 0;
    int width = 0;
};

// The copies (at most two) that show the frame at offset o in a window
// `clientWidth` wide: the strip from o, then the strip again from its first
// column.  Window columns whose strip column lies beyond the image are not
// covered, and are left as they were.
std::vector<Copy> FrameCopies(int offset, int stripWidth, int imageWidth, int clientWidth);

// The strip column that window column `x` shows at offset o (a column
// beyond the image shows nothing new).  FrameCopies and HitTest agree
// with it.
int SourceColumn(int offset, int stripWidth, int clientWidth, int x);

// The offset after one tick: o + 1, back to 0 past W.
int NextOffset(int offset, int stripWidth);
// The offset a frame is shown at without advancing: 0 once past W.
int ValidOffset(int offset, int stripWidth);

// The first item whose span holds the strip column under window column `x`
// strictly inside (edges hit nothing); nullopt when none does.
std::optional<std::size_t> HitTest(const std::vector<Span>& items, int offset, int stripWidth, int clientWidth,
                                   int x);

} // namespace ticker
