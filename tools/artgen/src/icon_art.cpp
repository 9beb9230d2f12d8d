#include "icon_art.h"

#include "canvas.h"
#include "marks.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace artgen {
namespace {

// A 32-bit image with alpha; the mask marks what is mostly transparent, for
// readers that only look at the mask.
iconfile::IconImage ToIconImage(const Canvas& canvas)
{
    iconfile::IconImage image;
    image.width = canvas.Width();
    image.height = canvas.Height();
    image.bitCount = 32;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgba& c = canvas.At(x, y);
            const auto byte = [](float v) {
                return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f));
            };
            const std::uint32_t a = byte(c.a);
            image.color.push_back(a == 0 ? 0u : (a << 24) | (byte(c.r) << 16) | (byte(c.g) << 8) | byte(c.b));
            image.mask.push_back(a < 128 ? 1 : 0);
        }
    }
    return image;
}

iconfile::IconImage MarkImage(int size, MarkStyle style)
{
    Canvas canvas(size, size);
    const float half = static_cast<float>(size) / 2;
    DrawQuillMark(canvas, half, half, half - 0.5f, style);
    return ToIconImage(canvas);
}

// The hand, drawn pixel by pixel: '#' black, '.' white, anything else clear.
constexpr const char* kHand[] = {
    "     ##",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..#",
    "    #..###",
    "    #..#..###",
    "    #..#..#..###",
    "    #..#..#..#..#",
    " ## #..#..#..#..#",
    "#..##..#..#..#..#",
    "#...#...........#",
    " #..#...........#",
    "  #.............#",
    "  #.............#",
    "   #............#",
    "   #...........#",
    "    #..........#",
    "    #.........#",
    "     #........#",
    "     #........#",
    "     ##########",
};

} // namespace

iconfile::IconFile MakeProgramIcon()
{
    iconfile::IconFile file;
    file.kind = iconfile::Kind::Icon;
    file.images.push_back(MarkImage(16, MarkStyle::Online));
    file.images.push_back(MarkImage(32, MarkStyle::Online));
    return file;
}

iconfile::IconFile MakeTrayIcon(TrayState state)
{
    Canvas canvas(16, 16);
    if (state == TrayState::LoggedIn) {
        DrawQuillMark(canvas, 7.5f, 7.5f, 7.2f, MarkStyle::Online);
        DrawOnlineDot(canvas, 12.5f, 12.5f, 3.2f);
    } else {
        DrawQuillMark(canvas, 7.5f, 7.5f, 7.2f, MarkStyle::Offline);
    }
    iconfile::IconFile file;
    file.images.push_back(ToIconImage(canvas));
    return file;
}

iconfile::IconFile MakeTrayAnimationFrame(int frame)
{
    Canvas canvas(16, 16);
    DrawQuillMark(canvas, 8, 8, 7.5f, MarkStyle::Online);
    DrawMarkSpark(canvas, 8, 8, 7.5f, static_cast<float>(frame % kAnimationFrames) * 360.0f / kAnimationFrames);
    iconfile::IconFile file;
    file.images.push_back(ToIconImage(canvas));
    return file;
}

iconfile::IconFile MakeHandCursor()
{
    iconfile::IconImage image;
    image.width = 32;
    image.height = 32;
    image.bitCount = 1;
    image.palette = {0x000000, 0xFFFFFF};
    image.hotspotX = kHandHotspotX;
    image.hotspotY = kHandHotspotY;
    for (int y = 0; y < 32; ++y) {
        const char* row = y < static_cast<int>(std::size(kHand)) && kHand[y] != nullptr ? kHand[y] : "";
        const int length = static_cast<int>(std::strlen(row));
        for (int x = 0; x < 32; ++x) {
            const char c = x < length ? row[x] : ' ';
            // Black: colour 0 kept; white: colour 1 kept; clear: mask 1 over colour 0.
            image.color.push_back(c == '.' ? 1u : 0u);
            image.mask.push_back(c == '#' || c == '.' ? 0 : 1);
        }
    }
    iconfile::IconFile file;
    file.kind = iconfile::Kind::Cursor;
    file.images.push_back(std::move(image));
    return file;
}

} // namespace artgen
