#include "region.h"

#include <algorithm>
#include <climits>

namespace gdi {

namespace {

bool apply(Region::Op op, bool a, bool b)
{
    switch (op) {
    case Region::Op::And: return a && b;
    case Region::Op::Or: return a || b;
    case Region::Op::Xor: return a != b;
    case Region::Op::Diff: return a && !b;
    }
    return false;
}

// Combines two sorted span lists of one band by sweeping their edges.
std::vector<int> combineSpans(const std::vector<int>& a, const std::vector<int>& b, Region::Op op)
{
    std::vector<int> out;
    std::size_t i = 0;
    std::size_t j = 0;
    bool inA = false;
    bool inB = false;
    bool inOut = false;
    while (i < a.size() || j < b.size()) {
        int x = INT_MAX;
        if (i < a.size())
            x = a[i];
        if (j < b.size())
            x = std::min(x, b[j]);
        while (i < a.size() && a[i] == x) {
            inA = !inA;
            ++i;
        }
        while (j < b.size() && b[j] == x) {
            inB = !inB;
            ++j;
        }
        const bool now = apply(op, inA, inB);
        if (now != inOut) {
            out.push_back(x);
            inOut = now;
        }
    }
    return out;
}

std::vector<int> edges(const std::vector<Region::Band>& bands)
{
    std::vector<int> ys;
    ys.reserve(bands.size() * 2);
    for (const auto& band : bands) {
        ys.push_back(band.top);
        ys.push_back(band.bottom);
    }
    return ys;
}

Region build(std::span<const RECT> rects)
{
    if (rects.size() == 1)
        return Region(rects[0]);
    const auto half = rects.size() / 2;
    return Region::combine(build(rects.first(half)), build(rects.subspan(half)), Region::Op::Or);
}

} // namespace

RECT normalizedRect(int left, int top, int right, int bottom)
{
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

Region::Region(const RECT& rect)
{
    if (rect.right > rect.left && rect.bottom > rect.top)
        bands_.push_back(Band{rect.top, rect.bottom, {rect.left, rect.right}});
}

Region Region::fromRects(std::span<const RECT> rects)
{
    std::vector<RECT> useful;
    useful.reserve(rects.size());
    for (const RECT& r : rects)
        if (r.right > r.left && r.bottom > r.top)
            useful.push_back(r);
    if (useful.empty())
        return Region();
    // Sorting first keeps the halves of the divide and conquer apart in y,
    // so most unions only concatenate bands.
    std::sort(useful.begin(), useful.end(),
              [](const RECT& p, const RECT& q) { return p.top != q.top ? p.top < q.top : p.left < q.left; });
    return build(useful);
}

void Region::append(int top, int bottom, std::vector<int>&& xs)
{
    if (xs.empty() || bottom <= top)
        return;
    if (!bands_.empty() && bands_.back().bottom == top && bands_.back().xs == xs) {
        bands_.back().bottom = bottom;
        return;
    }
    bands_.push_back(Band{top, bottom, std::move(xs)});
}

Region Region::combine(const Region& a, const Region& b, Op op)
{
    // Every band edge of either operand, merged in order.
    const std::vector<int> ya = edges(a.bands_);
    const std::vector<int> yb = edges(b.bands_);
    std::vector<int> ys(ya.size() + yb.size());
    std::merge(ya.begin(), ya.end(), yb.begin(), yb.end(), ys.begin());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());

    static const std::vector<int> none;
    Region out;
    std::size_t ia = 0;
    std::size_t ib = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        const int y0 = ys[k];
        const int y1 = ys[k + 1];
        while (ia < a.bands_.size() && a.bands_[ia].bottom <= y0)
            ++ia;
        while (ib < b.bands_.size() && b.bands_[ib].bottom <= y0)
            ++ib;
        const bool hasA = ia < a.bands_.size() && a.bands_[ia].top <= y0;
        const bool hasB = ib < b.bands_.size() && b.bands_[ib].top <= y0;
        if (!hasA && !hasB)
            continue;
        out.append(y0, y1, combineSpans(hasA ? a.bands_[ia].xs : none, hasB ? b.bands_[ib].xs : none, op));
    }
    return out;
}

int Region::kind() const
{
    if (bands_.empty())
        return 1; // NULLREGION
    if (bands_.size() == 1 && bands_[0].xs.size() == 2)
        return 2; // SIMPLEREGION
    return 3;     // COMPLEXREGION
}

RECT Region::bounds() const
{
    if (bands_.empty())
        return RECT{0, 0, 0, 0};
    RECT box{INT_MAX, bands_.front().top, INT_MIN, bands_.back().bottom};
    for (const auto& band : bands_) {
        box.left = std::min(box.left, band.xs.front());
        box.right = std::max(box.right, band.xs.back());
    }
    return box;
}

bool Region::contains(int x, int y) const
{
    auto band = std::upper_bound(bands_.begin(), bands_.end(), y,
                                 [](int value, const Band& b) { return value < b.bottom; });
    if (band == bands_.end() || band->top > y)
        return false;
    // Odd position in the edge list means inside a span.
    const auto edge = std::upper_bound(band->xs.begin(), band->xs.end(), x);
    return ((edge - band->xs.begin()) & 1) != 0;
}

bool Region::intersects(const RECT& rect) const
{
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return false;
    auto band = std::upper_bound(bands_.begin(), bands_.end(), rect.top,
                                 [](int value, const Band& b) { return value < b.bottom; });
    for (; band != bands_.end() && band->top < rect.bottom; ++band)
        for (std::size_t i = 0; i + 1 < band->xs.size(); i += 2)
            if (band->xs[i] < rect.right && band->xs[i + 1] > rect.left)
                return true;
    return false;
}

bool Region::offset(int dx, int dy)
{
    if (bands_.empty())
        return true;
    const RECT box = bounds();
    const auto fits = [](long long v) { return v >= INT_MIN && v <= INT_MAX; };
    if (!fits(static_cast<long long>(box.left) + dx) || !fits(static_cast<long long>(box.right) + dx) ||
        !fits(static_cast<long long>(box.top) + dy) || !fits(static_cast<long long>(box.bottom) + dy))
        return false;
    for (auto& band : bands_) {
        band.top += dy;
        band.bottom += dy;
        for (int& x : band.xs)
            x += dx;
    }
    return true;
}

std::vector<RECT> Region::rects() const
{
    std::vector<RECT> out;
    out.reserve(rectCount());
    for (const auto& band : bands_)
        for (std::size_t i = 0; i + 1 < band.xs.size(); i += 2)
            out.push_back(RECT{band.xs[i], band.top, band.xs[i + 1], band.bottom});
    return out;
}

std::size_t Region::rectCount() const
{
    std::size_t n = 0;
    for (const auto& band : bands_)
        n += band.xs.size() / 2;
    return n;
}

} // namespace gdi
