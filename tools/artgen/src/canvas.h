// A floating-point RGBA picture that the artwork is painted on before it
// becomes a bitmap, so that edges can be blended by their coverage.
#pragma once

#include <functional>
#include <vector>

namespace artgen {

// Straight (not premultiplied) colour, every channel 0..1.
struct Rgba {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 0;
};

// 0xRRGGBB with an alpha of 0..1.
constexpr Rgba Hex(unsigned rgb, float alpha = 1.0f)
{
    return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
            static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

Rgba Mix(const Rgba& from, const Rgba& to, float t);
Rgba WithAlpha(Rgba colour, float alpha);
Rgba Lighten(const Rgba& colour, float amount); // towards white
Rgba Darken(const Rgba& colour, float amount);  // towards black

// Signed distance in pixels from a point to a shape's outline, negative
// inside.  Points are pixel coordinates: pixel (x, y) has its centre at
// (x + 0.5, y + 0.5).
using Shape = std::function<float(float x, float y)>;
// The colour at a point.
using Paint = std::function<Rgba(float x, float y)>;

Paint Solid(Rgba colour);
// From `top` at y0 to `bottom` at y1, constant beyond.
Paint VerticalGradient(float y0, Rgba top, float y1, Rgba bottom);
// Along the line from (x0, y0) to (x1, y1).
Paint LinearGradient(float x0, float y0, Rgba from, float x1, float y1, Rgba to);
// From `inner` at the centre to `outer` at `radius` and beyond.
Paint RadialGradient(float cx, float cy, float radius, Rgba inner, Rgba outer);

// Pixels a drawing call may touch: left, top inclusive; right, bottom exclusive.
struct Bounds {
    int left;
    int top;
    int right;
    int bottom;
};

class Canvas {
public:
    Canvas(int width, int height, Rgba fill = {});

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    const Rgba& At(int x, int y) const;
    void Set(int x, int y, Rgba colour);

    // Lays `colour` over the pixel with the given coverage (0..1).
    void Blend(int x, int y, Rgba colour, float coverage);
    // Fills a shape, its edge blended by coverage.  `bounds` only limits the
    // work: pass the shape's box when it is small.
    void Fill(const Shape& shape, const Paint& paint);
    void Fill(const Shape& shape, const Paint& paint, Bounds bounds);
    // A soft shadow or glow: the shape's coverage spread over `radius` pixels
    // outside its outline, fading out.
    void Glow(const Shape& shape, Rgba colour, float radius, Bounds bounds);

    Canvas Crop(int x, int y, int width, int height) const;
    // Copies `other` over this canvas at (x, y), replacing what was there.
    void Paste(const Canvas& other, int x, int y);
    // Lays `other` over this canvas at (x, y) by its alpha.
    void Compose(const Canvas& other, int x, int y);

private:
    int m_nWidth;
    int m_nHeight;
    std::vector<Rgba> m_pixels;
};

} // namespace artgen
