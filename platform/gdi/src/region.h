// Regions as y-x banded rectangles: bands sorted top to bottom, each band a
// sorted list of disjoint, non-touching x spans, empty bands dropped and
// touching bands with the same spans merged.  Every operation returns a
// region in this form, so equal areas have equal representations.
#pragma once

#include "platform/base.h"

#include <span>
#include <vector>

namespace gdi {

class Region {
public:
    enum class Op { And, Or, Xor, Diff };

    struct Band {
        int top = 0;
        int bottom = 0;
        std::vector<int> xs; // left, right, left, right, ... (right exclusive)

        bool operator==(const Band&) const = default;
    };

    Region() = default;
    // An empty rectangle (right <= left or bottom <= top) gives an empty region.
    explicit Region(const RECT& rect);
    // Rectangles in any order, overlapping or not; empty ones are skipped.
    static Region fromRects(std::span<const RECT> rects);
    static Region combine(const Region& a, const Region& b, Op op);

    bool empty() const { return bands_.empty(); }
    // NULLREGION, SIMPLEREGION or COMPLEXREGION.
    int kind() const;
    RECT bounds() const; // all 0 when empty
    bool contains(int x, int y) const;
    bool intersects(const RECT& rect) const;
    // Fails (and leaves the region alone) when a coordinate would overflow.
    bool offset(int dx, int dy);
    // The rectangles in banded order: top to bottom, then left to right.
    std::vector<RECT> rects() const;
    std::size_t rectCount() const;
    const std::vector<Band>& bands() const { return bands_; }

    bool operator==(const Region&) const = default;

private:
    void append(int top, int bottom, std::vector<int>&& xs);

    std::vector<Band> bands_;
};

// Swaps reversed corners, as the region calls do with their arguments.
RECT normalizedRect(int left, int top, int right, int bottom);

} // namespace gdi
