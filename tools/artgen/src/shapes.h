// Signed-distance shapes for the canvas, in pixel coordinates (pixel (x, y)
// spans x..x+1 and y..y+1).
#pragma once

#include "canvas.h"

#include <utility>
#include <vector>

namespace artgen {

struct Point {
    float x;
    float y;
};

// The box from (left, top) to (right, bottom) with rounded corners.
Shape RoundedBox(float left, float top, float right, float bottom, float radius);
Shape Circle(float cx, float cy, float radius);
// A line from a to b with round ends, `width` across.
Shape Capsule(Point a, Point b, float width);
// A circular band of the given width centred on `radius`.
Shape Ring(float cx, float cy, float radius, float width);
// A closed polygon (any winding, not self-intersecting).
Shape Polygon(std::vector<Point> points);

Shape Union(Shape a, Shape b);
// A union whose seam is rounded over about k pixels.
Shape SmoothUnion(Shape a, Shape b, float k);
Shape Intersect(Shape a, Shape b);
Shape Subtract(Shape a, Shape b); // a without b
// The shape grown (positive) or shrunk (negative) by `amount` pixels.
Shape Offset(Shape shape, float amount);
// Only a band of `width` pixels along the outline, inside the shape.
Shape InnerBorder(Shape shape, float width);
// The half-plane of points whose angle about (cx, cy), in degrees
// clockwise from straight up, lies within [from, to].
Shape Sector(float cx, float cy, float fromDegrees, float toDegrees);

// The pixels a shape of this box may touch, with `margin` to spare.
Bounds BoxBounds(float left, float top, float right, float bottom, float margin = 2);

} // namespace artgen
