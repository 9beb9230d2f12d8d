#include "shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

Shape RoundedBox(float left, float top, float right, float bottom, float radius)
{
    const float cx = (left + right) / 2;
    const float cy = (top + bottom) / 2;
    const float hx = (right - left) / 2;
    const float hy = (bottom - top) / 2;
    radius = std::min({radius, hx, hy});
    return [=](float x, float y) {
        const float qx = std::abs(x - cx) - hx + radius;
        const float qy = std::abs(y - cy) - hy + radius;
        const float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
        return outside + std::min(std::max(qx, qy), 0.0f) - radius;
    };
}

Shape Circle(float cx, float cy, float radius)
{
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - radius; };
}

Shape Capsule(Point a, Point b, float width)
{
    const float dx = b.x - a.x;
    const float dy = b.y - a.y;
    const float length2 = dx * dx + dy * dy;
    return [=](float x, float y) {
        const float t = length2 == 0 ? 0.0f : std::clamp(((x - a.x) * dx + (y - a.y) * dy) / length2, 0.0f, 1.0f);
        return std::hypot(x - (a.x + dx * t), y - (a.y + dy * t)) - width / 2;
    };
}

Shape Ring(float cx, float cy, float radius, float width)
{
    return [=](float x, float y) { return std::abs(std::hypot(x - cx, y - cy) - radius) - width / 2; };
}

Shape Polygon(std::vector<Point> points)
{
    return [points = std::move(points)](float x, float y) {
        float best = 1e30f;
        bool inside = false;
        const std::size_t n = points.size();
        for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
            const Point a = points[j];
            const Point b = points[i];
            const float ex = b.x - a.x;
            const float ey = b.y - a.y;
            const float length2 = ex * ex + ey * ey;
            const float t =
                length2 == 0 ? 0.0f : std::clamp(((x - a.x) * ex + (y - a.y) * ey) / length2, 0.0f, 1.0f);
            best = std::min(best, std::hypot(x - (a.x + ex * t), y - (a.y + ey * t)));
            if ((a.y > y) != (b.y > y) && x < a.x + (y - a.y) * ex / ey)
                inside = !inside;
        }
        return inside ? -best : best;
    };
}

Shape Union(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

Shape SmoothUnion(Shape a, Shape b, float k)
{
    return [a = std::move(a), b = std::move(b), k](float x, float y) {
        const float da = a(x, y);
        const float db = b(x, y);
        const float h = std::clamp(0.5f + 0.5f * (db - da) / k, 0.0f, 1.0f);
        return db + (da - db) * h - k * h * (1 - h);
    };
}

Shape Intersect(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

Shape Subtract(Shape a, Shape b)
{
    return [a = std::move(a), b = std::move(b)](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

Shape Offset(Shape shape, float amount)
{
    return [shape = std::move(shape), amount](float x, float y) { return shape(x, y) - amount; };
}

Shape InnerBorder(Shape shape, float width)
{
    return [shape = std::move(shape), width](float x, float y) {
        const float d = shape(x, y);
        return std::max(d, -d - width);
    };
}

Shape Sector(float cx, float cy, float fromDegrees, float toDegrees)
{
    return [=](float x, float y) {
        float angle = std::atan2(x - cx, -(y - cy)) * 180.0f / std::numbers::pi_v<float>;
        if (angle < 0)
            angle += 360;
        float from = std::fmod(fromDegrees, 360.0f);
        if (from < 0)
            from += 360;
        float span = toDegrees - fromDegrees;
        float rel = angle - from;
        if (rel < 0)
            rel += 360;
        const float radius = std::hypot(x - cx, y - cy);
        // Distance to the nearer of the two edges, measured along the arc
        // through the point: good enough for edges that are blended anyway.
        const float toStart = rel;
        const float toEnd = span - rel;
        const float degToPx = radius * std::numbers::pi_v<float> / 180.0f;
        if (rel <= span)
            return -std::min(toStart, toEnd) * degToPx;
        return std::min(rel - span, 360 - rel) * degToPx;
    };
}

Bounds BoxBounds(float left, float top, float right, float bottom, float margin)
{
    return {static_cast<int>(std::floor(left - margin)), static_cast<int>(std::floor(top - margin)),
            static_cast<int>(std::ceil(right + margin)), static_cast<int>(std::ceil(bottom + margin))};
}

} // namespace artgen
