#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

Rgba Mix(const Rgba& from, const Rgba& to, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
            from.a + (to.a - from.a) * t};
}

Rgba WithAlpha(Rgba colour, float alpha)
{
    colour.a = alpha;
    return colour;
}

Rgba Lighten(const Rgba& colour, float amount) { return Mix(colour, {1, 1, 1, colour.a}, amount); }

Rgba Darken(const Rgba& colour, float amount) { return Mix(colour, {0, 0, 0, colour.a}, amount); }

Paint Solid(Rgba colour)
{
    return [colour](float, float) { return colour; };
}

Paint VerticalGradient(float y0, Rgba top, float y1, Rgba bottom)
{
    return [=](float, float y) { return Mix(top, bottom, y1 == y0 ? 0.0f : (y - y0) / (y1 - y0)); };
}

Paint LinearGradient(float x0, float y0, Rgba from, float x1, float y1, Rgba to)
{
    const float dx = x1 - x0;
    const float dy = y1 - y0;
    const float length2 = dx * dx + dy * dy;
    return [=](float x, float y) {
        const float t = length2 == 0 ? 0.0f : ((x - x0) * dx + (y - y0) * dy) / length2;
        return Mix(from, to, t);
    };
}

Paint RadialGradient(float cx, float cy, float radius, Rgba inner, Rgba outer)
{
    return [=](float x, float y) { return Mix(inner, outer, std::hypot(x - cx, y - cy) / radius); };
}

Canvas::Canvas(int width, int height, Rgba fill)
    : m_nWidth(std::max(width, 0)), m_nHeight(std::max(height, 0)),
      m_pixels(static_cast<std::size_t>(m_nWidth) * static_cast<std::size_t>(m_nHeight), fill)
{
}

const Rgba& Canvas::At(int x, int y) const
{
    return m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)];
}

void Canvas::Set(int x, int y, Rgba colour)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)] = colour;
}

void Canvas::Blend(int x, int y, Rgba colour, float coverage)
{
    if (x < 0 || y < 0 || x >= m_nWidth || y >= m_nHeight)
        return;
    const float sa = std::clamp(colour.a * coverage, 0.0f, 1.0f);
    if (sa <= 0)
        return;
    Rgba& d = m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_nWidth) + static_cast<std::size_t>(x)];
    const float da = d.a * (1 - sa);
    const float a = sa + da;
    d = {(colour.r * sa + d.r * da) / a, (colour.g * sa + d.g * da) / a, (colour.b * sa + d.b * da) / a, a};
}

void Canvas::Fill(const Shape& shape, const Paint& paint) { Fill(shape, paint, {0, 0, m_nWidth, m_nHeight}); }

void Canvas::Fill(const Shape& shape, const Paint& paint, Bounds bounds)
{
    const int left = std::max(bounds.left, 0);
    const int top = std::max(bounds.top, 0);
    const int right = std::min(bounds.right, m_nWidth);
    const int bottom = std::min(bounds.bottom, m_nHeight);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float px = static_cast<float>(x) + 0.5f;
            const float py = static_cast<float>(y) + 0.5f;
            // A pixel is a unit square: a distance of half a pixel either way
            // is the range over which the outline crosses it.
            const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
            if (coverage > 0)
                Blend(x, y, paint(px, py), coverage);
        }
    }
}

void Canvas::Glow(const Shape& shape, Rgba colour, float radius, Bounds bounds)
{
    const int left = std::max(bounds.left, 0);
    const int top = std::max(bounds.top, 0);
    const int right = std::min(bounds.right, m_nWidth);
    const int bottom = std::min(bounds.bottom, m_nHeight);
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const float d = shape(static_cast<float>(x) + 0.5f, static_cast<float>(y) + 0.5f);
            if (d >= radius)
                continue;
            const float t = d <= 0 ? 1.0f : 1.0f - d / radius;
            Blend(x, y, colour, t * t);
        }
    }
}

Canvas Canvas::Crop(int x, int y, int width, int height) const
{
    Canvas out(width, height);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            if (x + col >= 0 && y + row >= 0 && x + col < m_nWidth && y + row < m_nHeight)
                out.Set(col, row, At(x + col, y + row));
    return out;
}

void Canvas::Paste(const Canvas& other, int x, int y)
{
    for (int row = 0; row < other.Height(); ++row)
        for (int col = 0; col < other.Width(); ++col)
            Set(x + col, y + row, other.At(col, row));
}

void Canvas::Compose(const Canvas& other, int x, int y)
{
    for (int row = 0; row < other.Height(); ++row)
        for (int col = 0; col < other.Width(); ++col)
            Blend(x + col, y + row, other.At(col, row), 1.0f);
}

} // namespace artgen
