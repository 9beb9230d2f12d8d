#include "SkinMask.h"

#include <algorithm>

namespace skinbutton {

std::vector<Rect> MaskRuns(int width, int height, std::uint32_t key,
                           const std::function<std::uint32_t(int x, int y)>& pixel)
{
    std::vector<Rect> runs;
    for (int y = 0; y < height; ++y) {
        int x = 0;
        while (x < width) {
            while (x < width && pixel(x, y) == key)
                ++x;
            if (x >= width)
                break;
            const int start = x;
            while (x < width && pixel(x, y) != key)
                ++x;
            runs.push_back(Rect{start, y, x, y + 1});
        }
    }
    return runs;
}

std::vector<Tile> Tiles(int width, int height, int bitmapWidth, int bitmapHeight)
{
    std::vector<Tile> tiles;
    if (width <= 0 || height <= 0 || bitmapWidth <= 0 || bitmapHeight <= 0)
        return tiles;
    for (int y = 0; y < height; y += bitmapHeight)
        for (int x = 0; x < width; x += bitmapWidth)
            tiles.push_back(Tile{x, y, std::min(bitmapWidth, width - x), std::min(bitmapHeight, height - y)});
    return tiles;
}

} // namespace skinbutton
