#include "TickerLayout.h"

#include <algorithm>

namespace ticker {

std::vector<Span> LayoutItems(const std::vector<int>& textWidths)
{
    std::vector<Span> items;
    items.reserve(textWidths.size());
    int x = 0;
    for (const int width : textWidths) {
        const Span span{x, x + std::max(width, 0) + kItemPadding};
        items.push_back(span);
        x = span.right + 1;
    }
    return items;
}

int StripWidth(const std::vector<Span>& items) { return items.empty() ? 0 : items.back().right + 1; }

int StripImageWidth(int stripWidth, bool hasItems, int clientWidth)
{
    return hasItems ? stripWidth - 1 : clientWidth;
}

int SourceColumn(int offset, int stripWidth, int clientWidth, int x)
{
    const int s = offset + x;
    if (offset + clientWidth <= stripWidth)
        return s; // no wrap in this frame
    // The strip's last column, W - 1, is not in the image: where it would
    // come, the strip starts again.
    return s < stripWidth - 1 ? s : s - (stripWidth - 1);
}

std::vector<Copy> FrameCopies(int offset, int stripWidth, int imageWidth, int clientWidth)
{
    std::vector<Copy> copies;
    const auto add = [&](int destX, int srcX, int width) {
        // Only columns the image has are copied.
        width = std::min(width, imageWidth - srcX);
        if (width > 0 && srcX >= 0)
            copies.push_back(Copy{destX, srcX, width});
    };
    if (offset + clientWidth <= stripWidth) {
        add(0, offset, clientWidth);
        return copies;
    }
    // The strip's end from o, then the strip again from its first column.
    const int d = stripWidth - offset;
    add(0, offset, d - 1);
    const int restX = std::max(d - 1, 0);
    add(restX, SourceColumn(offset, stripWidth, clientWidth, restX), clientWidth - restX);
    return copies;
}

int NextOffset(int offset, int stripWidth)
{
    const int next = offset + 1;
    return next > stripWidth ? 0 : next;
}

int ValidOffset(int offset, int stripWidth) { return offset > stripWidth || offset < 0 ? 0 : offset; }

std::optional<std::size_t> HitTest(const std::vector<Span>& items, int offset, int stripWidth, int clientWidth,
                                   int x)
{
    const int s = SourceColumn(offset, stripWidth, clientWidth, x);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].left < s && s < items[i].right)
            return i;
    return std::nullopt;
}

} // namespace ticker
