// Drawing with pens: the current position, lines, rectangles and ellipses.
#include "platform/gdi.h"

#include "brush_object.h"
#include "draw_target.h"
#include "paint_ops.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

using namespace gdi;

namespace {

RasterOp mixOp(const DrawTarget& t)
{
    return RasterOp::fromMixMode(t.dc->mixMode, t.surface->format())
        .value_or(RasterOp::patternCopy(t.surface->format()));
}

std::uint32_t colorFor(const DrawTarget& t, const RasterOp& rop, COLORREF color)
{
    return solidPattern(t.surface->format(), color, rop.usesDestination());
}

// Solid pens draw as wide as they are; styled ones one pixel wide.
int strokeWidth(const PenObject& pen)
{
    const bool styled = pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT;
    return styled ? 1 : std::max(pen.width, 1);
}

std::optional<POINT> toSurface(const DrawTarget& t, POINT p)
{
    const long long x = static_cast<long long>(p.x) + t.dc->origin.x;
    const long long y = static_cast<long long>(p.y) + t.dc->origin.y;
    if (x < INT32_MIN || x > INT32_MAX || y < INT32_MIN || y > INT32_MAX)
        return std::nullopt;
    return POINT{static_cast<LONG>(x), static_cast<LONG>(y)};
}

// Strokes the path through `points` (logical), the last point excluded, in
// the DC's pen.  The pen's pixels and, for styled pens in OPAQUE mode, its
// gaps are gathered first and drawn once each, so that an inverting mix
// mode does not undo itself where stamps overlap.
void strokePath(HandleTable& table, DrawTarget& t, const POINT* points, std::size_t count)
{
    const PenObject& pen = dcPen(table, *t.dc);
    if (pen.style == PS_NULL || count < 2)
        return;
    const DashPattern dash(pen.style);
    const bool fillGaps = !dash.solid() && t.dc->backgroundMode == OPAQUE;
    const int width = strokeWidth(pen);
    const int before = (width - 1) / 2;
    // Only pixels near the drawable area matter; the rest of a long line is
    // stepped over, dash rhythm included.
    const RECT box = t.clip.bounds();
    std::vector<RECT> on;
    std::vector<RECT> off;
    long long travelled = 0;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const auto from = toSurface(t, points[i]);
        const auto to = toSurface(t, points[i + 1]);
        if (!from || !to)
            continue;
        const bool xMajor = std::llabs(static_cast<long long>(to->x) - from->x) >=
                            std::llabs(static_cast<long long>(to->y) - from->y);
        const long long low = static_cast<long long>(xMajor ? box.left : box.top) - width;
        const long long high = static_cast<long long>(xMajor ? box.right : box.bottom) + width;
        travelled += tracePixels(*from, *to, low, high, [&](long long step, long long x, long long y) {
            const long long left = x - before;
            const long long top = y - before;
            if (left + width <= box.left || left >= box.right || top + width <= box.top || top >= box.bottom)
                return;
            const RECT stamp{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(left + width),
                             static_cast<LONG>(top + width)};
            if (dash.on(travelled + step))
                on.push_back(stamp);
            else if (fillGaps)
                off.push_back(stamp);
        });
    }
    const RasterOp rop = mixOp(t);
    if (!off.empty())
        fillRegion(*t.surface, t.clip, Region::fromRects(off), rop, colorFor(t, rop, t.dc->background));
    if (!on.empty())
        fillRegion(*t.surface, t.clip, Region::fromRects(on), rop, colorFor(t, rop, pen.color));
}

// Fills a region (surface coordinates) with the DC's brush through the mix mode.
void fillInside(HandleTable& table, DrawTarget& t, const Region& area)
{
    const BrushObject& brush = dcBrush(table, *t.dc);
    if (brush.style == BS_NULL || area.empty())
        return;
    const RasterOp rop = mixOp(t);
    fillRegion(*t.surface, t.clip, area, rop, colorFor(t, rop, brush.color));
}

void fillPen(HandleTable& table, DrawTarget& t, const Region& area)
{
    const PenObject& pen = dcPen(table, *t.dc);
    const RasterOp rop = mixOp(t);
    fillRegion(*t.surface, t.clip, area, rop, colorFor(t, rop, pen.color));
}

Region rectRegion(long long left, long long top, long long right, long long bottom)
{
    if (right <= left || bottom <= top)
        return Region();
    return Region(RECT{static_cast<LONG>(left), static_cast<LONG>(top), static_cast<LONG>(right),
                       static_cast<LONG>(bottom)});
}

template <class Body>
BOOL withTarget(HDC dc, Body&& body)
{
    return gdiCall(FALSE, [&](HandleTable& table) -> BOOL {
        auto target = drawTarget(table, dc);
        return target && body(table, *target) ? TRUE : FALSE;
    });
}

// The bounds as surface coordinates, corners put in order.
std::optional<RECT> surfaceBounds(const DrawTarget& t, int left, int top, int right, int bottom)
{
    return t.toSurface(normalizedRect(left, top, right, bottom));
}

} // namespace

extern "C" {

BOOL MoveToEx(HDC dc, int x, int y, POINT* previous)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr)
            return FALSE;
        if (previous != nullptr)
            *previous = object->position;
        object->position = POINT{x, y};
        return TRUE;
    });
}

BOOL GetCurrentPositionEx(HDC dc, POINT* position)
{
    return gdiCall(FALSE, [&](HandleTable& table) {
        const DcObject* object = table.get<DcObject>(dc);
        if (object == nullptr || position == nullptr)
            return FALSE;
        *position = object->position;
        return TRUE;
    });
}

BOOL LineTo(HDC dc, int x, int y)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const POINT path[2]{t.dc->position, POINT{x, y}};
        strokePath(table, t, path, 2);
        t.dc->position = POINT{x, y};
        return true;
    });
}

BOOL Polyline(HDC dc, const POINT* points, int count)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        if (points == nullptr || count < 2)
            return false;
        strokePath(table, t, points, static_cast<std::size_t>(count));
        return true;
    });
}

BOOL PolylineTo(HDC dc, const POINT* points, DWORD count)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        if (points == nullptr || count == 0)
            return false;
        std::vector<POINT> path;
        path.reserve(static_cast<std::size_t>(count) + 1);
        path.push_back(t.dc->position);
        path.insert(path.end(), points, points + count);
        strokePath(table, t, path.data(), path.size());
        t.dc->position = path.back();
        return true;
    });
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const auto r = surfaceBounds(t, left, top, right, bottom);
        if (!r)
            return false;
        const PenObject& pen = dcPen(table, *t.dc);
        if (pen.style == PS_NULL) {
            fillInside(table, t, rectRegion(r->left, r->top, r->right - 1LL, r->bottom - 1LL));
            return true;
        }
        const int w = strokeWidth(pen);
        const Region inside = rectRegion(static_cast<long long>(r->left) + w, static_cast<long long>(r->top) + w,
                                         static_cast<long long>(r->right) - w, static_cast<long long>(r->bottom) - w);
        fillInside(table, t, inside);
        if (pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT) {
            // Clockwise from the top-left corner, so the rhythm runs round it.
            const POINT o = t.dc->origin;
            const LONG l = r->left - o.x;
            const LONG tp = r->top - o.y;
            const LONG rr = r->right - 1 - o.x;
            const LONG b = r->bottom - 1 - o.y;
            const POINT path[5]{{l, tp}, {rr, tp}, {rr, b}, {l, b}, {l, tp}};
            strokePath(table, t, path, 5);
        } else {
            fillPen(table, t, Region::combine(rectRegion(r->left, r->top, r->right, r->bottom), inside,
                                              Region::Op::Diff));
        }
        return true;
    });
}

BOOL Ellipse(HDC dc, int left, int top, int right, int bottom)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const auto r = surfaceBounds(t, left, top, right, bottom);
        if (!r)
            return false;
        const PenObject& pen = dcPen(table, *t.dc);
        const int w = pen.style == PS_NULL ? 0 : std::max(pen.width, 1);
        // Only rows and columns that can be drawn are examined.
        const RECT box = t.clip.bounds();
        const LONG x0 = std::max(r->left, box.left);
        const LONG x1 = std::min(r->right, box.right);
        const LONG y0 = std::max(r->top, box.top);
        const LONG y1 = std::min(r->bottom, box.bottom);
        std::vector<RECT> ring;
        std::vector<RECT> inside;
        // Runs of pixels of one kind (outside, ring, inside) along each row.
        for (LONG y = y0; y < y1; ++y) {
            int kind = 0;
            LONG start = x0;
            for (LONG x = x0; x <= x1; ++x) {
                const int here = x == x1 ? 0 : !insideEllipse(*r, 0, x, y) ? 0 : insideEllipse(*r, w, x, y) ? 2 : 1;
                if (here == kind)
                    continue;
                if (kind != 0)
                    (kind == 2 ? inside : ring).push_back(RECT{start, y, x, y + 1});
                kind = here;
                start = x;
            }
        }
        fillInside(table, t, Region::fromRects(inside));
        if (!ring.empty())
            fillPen(table, t, Region::fromRects(ring));
        return true;
    });
}

} // extern "C"
