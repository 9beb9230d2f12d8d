// Filling with brushes: rectangles, frames, regions, PatBlt, focus
// rectangles and three-dimensional edges.
#include "platform/gdi.h"

#include "brush_object.h"
#include "draw_target.h"
#include "paint_ops.h"

#include <array>

using namespace gdi;

namespace {

// The published system colour indices of the edge colours.
constexpr int kColor3dFace = 15;
constexpr int kColor3dShadow = 16;
constexpr int kColor3dHighlight = 20;
constexpr int kColor3dDkShadow = 21;
constexpr int kColor3dLight = 22;
constexpr int kColorWindowFrame = 6;

// Fills `area` (logical coordinates) with the brush by `rop`; a hollow
// brush draws nothing and succeeds.
bool fillWith(DrawTarget& t, const Region& area, const BrushObject& brush, const RasterOp& rop)
{
    const auto device = t.toSurface(area);
    if (!device)
        return false;
    if (brush.style == BS_NULL && rop.usesPattern())
        return true;
    const std::uint32_t pattern =
        solidPattern(t.surface->format(), brush.color, rop.usesDestination() || rop.usesSource());
    fillRegion(*t.surface, t.clip, *device, rop, pattern);
    return true;
}

// The rectangle as a region; an empty or reversed one is empty.
Region areaOf(const RECT& r)
{
    return r.right > r.left && r.bottom > r.top ? Region(r) : Region();
}

// The one-pixel frame just inside a rectangle.
Region frameOf(const RECT& r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return Region();
    const std::array<RECT, 4> sides{RECT{r.left, r.top, r.right, r.top + 1}, RECT{r.left, r.bottom - 1, r.right, r.bottom},
                                    RECT{r.left, r.top, r.left + 1, r.bottom},
                                    RECT{r.right - 1, r.top, r.right, r.bottom}};
    return Region::fromRects(sides);
}

template <class Body>
BOOL withTarget(HDC dc, Body&& body)
{
    return gdiCall(FALSE, [&](HandleTable& table) -> BOOL {
        auto target = drawTarget(table, dc);
        return target && body(table, *target) ? TRUE : FALSE;
    });
}

const Region* regionOf(HandleTable& table, HRGN handle)
{
    const RegionObject* object = table.get<RegionObject>(handle);
    return object != nullptr ? &object->region : nullptr;
}

RasterOp mixOp(const DrawTarget& t)
{
    return RasterOp::fromMixMode(t.dc->mixMode, t.surface->format())
        .value_or(RasterOp::patternCopy(t.surface->format()));
}

} // namespace

extern "C" {

int FillRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const auto b = brushFor(table, brush);
        return rect != nullptr && b && fillWith(t, areaOf(*rect), *b, RasterOp::patternCopy(t.surface->format()));
    });
}

int FrameRect(HDC dc, const RECT* rect, HBRUSH brush)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const auto b = brushFor(table, brush);
        return rect != nullptr && b && fillWith(t, frameOf(*rect), *b, RasterOp::patternCopy(t.surface->format()));
    });
}

BOOL InvertRect(HDC dc, const RECT* rect)
{
    return withTarget(dc, [&](HandleTable&, DrawTarget& t) {
        return rect != nullptr &&
               fillWith(t, areaOf(*rect), BrushObject{}, *RasterOp::fromCode(DSTINVERT, t.surface->format()));
    });
}

BOOL DrawFocusRect(HDC dc, const RECT* rect)
{
    return withTarget(dc, [&](HandleTable&, DrawTarget& t) {
        if (rect == nullptr)
            return false;
        const auto device = t.toSurface(*rect);
        if (!device)
            return false;
        const RasterOp invert = *RasterOp::fromCode(PATINVERT, t.surface->format());
        const std::uint32_t white = solidPattern(t.surface->format(), RGB(255, 255, 255), true);
        const Region frame = Region::combine(frameOf(*device), t.clip, Region::Op::And);
        for (const RECT& r : frame.rects())
            for (int y = r.top; y < r.bottom; ++y)
                for (int x = r.left; x < r.right; ++x)
                    if (((static_cast<long long>(x) - device->left) + (static_cast<long long>(y) - device->top)) % 2 ==
                        0)
                        plotPixel(*t.surface, t.clip, x, y, invert, white);
        return true;
    });
}

BOOL FillRgn(HDC dc, HRGN region, HBRUSH brush)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const Region* area = regionOf(table, region);
        const auto b = brushFor(table, brush);
        return area != nullptr && b && fillWith(t, *area, *b, RasterOp::patternCopy(t.surface->format()));
    });
}

BOOL PaintRgn(HDC dc, HRGN region)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const Region* area = regionOf(table, region);
        return area != nullptr && fillWith(t, *area, dcBrush(table, *t.dc), mixOp(t));
    });
}

BOOL InvertRgn(HDC dc, HRGN region)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const Region* area = regionOf(table, region);
        return area != nullptr && fillWith(t, *area, BrushObject{}, *RasterOp::fromCode(DSTINVERT, t.surface->format()));
    });
}

BOOL FrameRgn(HDC dc, HRGN region, HBRUSH brush, int width, int height)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const Region* area = regionOf(table, region);
        const auto b = brushFor(table, brush);
        if (area == nullptr || !b || width <= 0 || height <= 0)
            return false;
        // What stays when the region is moved by the frame's width or height
        // in each direction is its inside; the rest is the frame.
        Region inside = *area;
        const std::array<POINT, 4> shifts{POINT{width, 0}, POINT{-width, 0}, POINT{0, height}, POINT{0, -height}};
        for (const POINT& d : shifts) {
            Region moved = *area;
            if (!moved.offset(d.x, d.y))
                return false;
            inside = Region::combine(inside, moved, Region::Op::And);
        }
        return fillWith(t, Region::combine(*area, inside, Region::Op::Diff), *b,
                        RasterOp::patternCopy(t.surface->format()));
    });
}

BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD ropCode)
{
    return withTarget(dc, [&](HandleTable& table, DrawTarget& t) {
        const auto rop = RasterOp::fromCode(ropCode, t.surface->format());
        if (!rop || rop->usesSource())
            return false;
        const long long x0 = width < 0 ? static_cast<long long>(x) + width : x;
        const long long y0 = height < 0 ? static_cast<long long>(y) + height : y;
        const long long x1 = width < 0 ? x : static_cast<long long>(x) + width;
        const long long y1 = height < 0 ? y : static_cast<long long>(y) + height;
        if (x0 < INT32_MIN || y0 < INT32_MIN || x1 > INT32_MAX || y1 > INT32_MAX)
            return false;
        const RECT area{static_cast<LONG>(x0), static_cast<LONG>(y0), static_cast<LONG>(x1), static_cast<LONG>(y1)};
        return fillWith(t, areaOf(area), dcBrush(table, *t.dc), *rop);
    });
}

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags)
{
    return withTarget(dc, [&](HandleTable&, DrawTarget& t) {
        if (rect == nullptr)
            return false;
        RECT r = *rect;
        const RasterOp copy = RasterOp::patternCopy(t.surface->format());
        const auto line = [&](const RECT& part, COLORREF color) {
            return fillWith(t, areaOf(part), BrushObject{BS_SOLID, color, false}, copy);
        };
        // One ring of the edge: top and left in one colour, bottom and right
        // in the other, each on the sides the flags name.
        const auto ring = [&](COLORREF topLeft, COLORREF bottomRight) {
            bool ok = true;
            if (flags & BF_TOP)
                ok &= line(RECT{r.left, r.top, r.right, r.top + 1}, topLeft);
            if (flags & BF_LEFT)
                ok &= line(RECT{r.left, r.top, r.left + 1, r.bottom}, topLeft);
            if (flags & BF_BOTTOM)
                ok &= line(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
            if (flags & BF_RIGHT)
                ok &= line(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
            if (flags & BF_TOP)
                ++r.top;
            if (flags & BF_LEFT)
                ++r.left;
            if (flags & BF_BOTTOM)
                --r.bottom;
            if (flags & BF_RIGHT)
                --r.right;
            return ok;
        };
        const COLORREF face = sysColor(kColor3dFace, RGB(240, 240, 240));
        const COLORREF shadow = sysColor(kColor3dShadow, RGB(160, 160, 160));
        const COLORREF highlight = sysColor(kColor3dHighlight, RGB(255, 255, 255));
        const COLORREF dkShadow = sysColor(kColor3dDkShadow, RGB(105, 105, 105));
        const COLORREF light = sysColor(kColor3dLight, RGB(227, 227, 227));
        bool ok = true;
        const UINT outer = edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER);
        const UINT inner = edge & (BDR_RAISEDINNER | BDR_SUNKENINNER);
        if (flags & BF_MONO) {
            const COLORREF frame = sysColor(kColorWindowFrame, RGB(100, 100, 100));
            if (outer)
                ok &= ring(frame, frame);
            if (inner)
                ok &= ring(frame, frame);
        } else if (flags & BF_FLAT) {
            if (outer)
                ok &= ring(shadow, shadow);
            if (inner)
                ok &= ring(face, face);
        } else {
            if (outer == BDR_RAISEDOUTER)
                ok &= ring(light, dkShadow);
            else if (outer == BDR_SUNKENOUTER)
                ok &= ring(shadow, highlight);
            if (inner == BDR_RAISEDINNER)
                ok &= ring(highlight, shadow);
            else if (inner == BDR_SUNKENINNER)
                ok &= ring(dkShadow, light);
        }
        if (flags & BF_MIDDLE)
            ok &= line(r, face);
        if (flags & BF_ADJUST)
            *rect = r;
        return ok;
    });
}

} // extern "C"
