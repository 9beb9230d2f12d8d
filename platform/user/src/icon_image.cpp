#include "icon_image.h"

#include "platform/icon_file.h"

#include <cmath>
#include <cstdlib>
#include <functional>

namespace user {
namespace {

const iconfile::IconImage* ChooseImage(const iconfile::IconFile& file, int want)
{
    const iconfile::IconImage* best = nullptr;
    for (const iconfile::IconImage& image : file.images) {
        if (best == nullptr) {
            best = &image;
            continue;
        }
        const int distance = std::abs(image.width - want);
        const int bestDistance = std::abs(best->width - want);
        // On a tie the deeper image wins, then the larger: shrinking loses
        // less than enlarging.
        const bool better = distance != bestDistance ? distance < bestDistance
                            : image.bitCount != best->bitCount ? image.bitCount > best->bitCount
                                                                : image.width > best->width;
        if (better)
            best = &image;
    }
    return best;
}

} // namespace

platform::CursorImage ScaleImage(const platform::CursorImage& image, int width, int height)
{
    if (width == image.width && height == image.height)
        return image;
    platform::CursorImage scaled = image;
    scaled.width = width;
    scaled.height = height;
    scaled.hotSpot = POINT{image.hotSpot.x * width / image.width, image.hotSpot.y * height / image.height};
    scaled.argb.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    for (int y = 0; y < height; ++y) {
        const int sy = y * image.height / height;
        for (int x = 0; x < width; ++x) {
            const int sx = x * image.width / width;
            scaled.argb[static_cast<std::size_t>(y) * width + x] =
                image.argb[static_cast<std::size_t>(sy) * image.width + sx];
        }
    }
    return scaled;
}

bool DecodeIconFile(std::span<const std::uint8_t> file, int cx, int cy, platform::CursorImage& out)
{
    const iconfile::IconReadResult read = iconfile::ReadIconFile(file);
    if (read.error != iconfile::IconError::None)
        return false;
    const iconfile::IconImage* image = ChooseImage(read.file, cx > 0 ? cx : kSystemIconSize);
    if (image == nullptr || image->width <= 0 || image->height <= 0)
        return false;
    platform::CursorImage decoded;
    decoded.standard = 0;
    decoded.width = image->width;
    decoded.height = image->height;
    decoded.argb = iconfile::ToArgb(*image);
    decoded.hotSpot = read.file.kind == iconfile::Kind::Cursor ? POINT{image->hotspotX, image->hotspotY}
                                                                : POINT{image->width / 2, image->height / 2};
    if (decoded.hotSpot.x >= decoded.width || decoded.hotSpot.y >= decoded.height)
        decoded.hotSpot = POINT{0, 0};
    out = ScaleImage(decoded, cx > 0 ? cx : decoded.width, cy > 0 ? cy : decoded.height);
    return true;
}

// ---------------------------------------------------------------------------
// The system's icons, drawn from shapes in a unit square.  Each pixel is
// covered by 4x4 samples, so edges come out smooth at any size.
// ---------------------------------------------------------------------------
namespace {

using Shape = std::function<bool(double x, double y)>; // x, y in [0, 1)

struct Layer {
    Shape shape;
    std::uint32_t rgb;
};

bool InDisc(double x, double y, double cx, double cy, double r) { return std::hypot(x - cx, y - cy) <= r; }

bool InBox(double x, double y, double l, double t, double r, double b) { return x >= l && x < r && y >= t && y < b; }

// The distance from (x, y) to the segment from (ax, ay) to (bx, by).
double ToSegment(double x, double y, double ax, double ay, double bx, double by)
{
    const double dx = bx - ax, dy = by - ay;
    double t = ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(x - (ax + t * dx), y - (ay + t * dy));
}

bool InTriangle(double x, double y)
{
    // Apex at the top centre, base along the bottom.
    return y >= 0.08 && y < 0.92 && std::abs(x - 0.5) <= (y - 0.08) * 0.55;
}

std::vector<Layer> Layers(int id)
{
    const Shape disc = [](double x, double y) { return InDisc(x, y, 0.5, 0.5, 0.46); };
    const Shape dot = [](double x, double y) { return InDisc(x, y, 0.5, 0.27, 0.07); };
    const Shape bar = [](double x, double y) { return InBox(x, y, 0.44, 0.40, 0.56, 0.78); };
    switch (id) {
    case 32512: // application: a window with its title bar
        return {{[](double x, double y) { return InBox(x, y, 0.06, 0.12, 0.94, 0.88); }, 0x404040},
                {[](double x, double y) { return InBox(x, y, 0.10, 0.28, 0.90, 0.84); }, 0xFFFFFF},
                {[](double x, double y) { return InBox(x, y, 0.10, 0.16, 0.90, 0.28); }, 0x2060C0}};
    case 32513: // error: a white cross on red
        return {{disc, 0xD02020},
                {[](double x, double y) {
                     return ToSegment(x, y, 0.32, 0.32, 0.68, 0.68) < 0.07 ||
                            ToSegment(x, y, 0.32, 0.68, 0.68, 0.32) < 0.07;
                 },
                 0xFFFFFF}};
    case 32514: // question: an open ring over a dot, on blue
        return {{disc, 0x2060C0},
                {[](double x, double y) {
                     const double r = std::hypot(x - 0.5, y - 0.36);
                     return (r > 0.10 && r < 0.18 && !(y > 0.36 && x < 0.5)) ||
                            InBox(x, y, 0.45, 0.50, 0.55, 0.62) || InDisc(x, y, 0.5, 0.74, 0.065);
                 },
                 0xFFFFFF}};
    case 32515: // warning: a black mark on a yellow triangle
        return {{InTriangle, 0xF0C000},
                {[](double x, double y) {
                     return InBox(x, y, 0.45, 0.34, 0.55, 0.66) || InDisc(x, y, 0.5, 0.78, 0.06);
                 },
                 0x000000}};
    case 32516: // information: an "i" on blue
        return {{disc, 0x2060C0}, {dot, 0xFFFFFF}, {bar, 0xFFFFFF}};
    case 32517: // the desktop's logo: four tiles
        return {{[](double x, double y) { return InBox(x, y, 0.08, 0.08, 0.47, 0.47); }, 0xE04020},
                {[](double x, double y) { return InBox(x, y, 0.53, 0.08, 0.92, 0.47); }, 0x40A020},
                {[](double x, double y) { return InBox(x, y, 0.08, 0.53, 0.47, 0.92); }, 0x2060E0},
                {[](double x, double y) { return InBox(x, y, 0.53, 0.53, 0.92, 0.92); }, 0xF0C000}};
    case 32518: // shield
        return {{[](double x, double y) {
                     return (y >= 0.08 && y < 0.5 && x >= 0.14 && x < 0.86) ||
                            (y >= 0.5 && std::abs(x - 0.5) <= (0.94 - y) * 0.82);
                 },
                 0x2060C0},
                {[](double x, double y) { return x >= 0.5 && y >= 0.14 && y < 0.5 && x < 0.80; }, 0xF0C000}};
    default: return {};
    }
}

} // namespace

bool SystemIconImage(int id, int size, platform::CursorImage& out)
{
    const std::vector<Layer> layers = Layers(id);
    if (layers.empty() || size <= 0 || size > 256)
        return false;
    constexpr int kSamples = 4;
    out = platform::CursorImage{};
    out.standard = 0;
    out.width = out.height = size;
    out.hotSpot = POINT{size / 2, size / 2};
    out.argb.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), 0);
    for (int py = 0; py < size; ++py) {
        for (int px = 0; px < size; ++px) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double x = (px + (sx + 0.5) / kSamples) / size;
                    const double y = (py + (sy + 0.5) / kSamples) / size;
                    // The topmost layer covering the sample gives its colour.
                    for (auto layer = layers.rbegin(); layer != layers.rend(); ++layer) {
                        if (!layer->shape(x, y))
                            continue;
                        r += (layer->rgb >> 16) & 0xFF;
                        g += (layer->rgb >> 8) & 0xFF;
                        b += layer->rgb & 0xFF;
                        a += 1;
                        break;
                    }
                }
            }
            if (a == 0)
                continue;
            const auto channel = [a](double sum) { return static_cast<std::uint32_t>(sum / a + 0.5); };
            const auto alpha = static_cast<std::uint32_t>(a * 255 / (kSamples * kSamples) + 0.5);
            out.argb[static_cast<std::size_t>(py) * size + px] =
                (alpha << 24) | (channel(r) << 16) | (channel(g) << 8) | channel(b);
        }
    }
    return true;
}

} // namespace user
