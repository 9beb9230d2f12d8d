// Maps destination columns (or rows) to source columns (or rows) for a
// blit: one to one, or stretched by nearest-neighbour sampling, mirrored
// when the two extents have opposite signs.
#pragma once

#include <cstdint>
#include <vector>

namespace gdi {

struct AxisMap {
    int start = 0;           // first destination coordinate covered
    std::vector<int> source; // per destination coordinate: source coordinate, or -1 for none

    int end() const { return start + static_cast<int>(source.size()); }
};

// The destination span runs from dstPos over dstExtent (negative: leftwards
// of dstPos), the source span likewise.  Only destination coordinates in
// [0, dstLimit) are mapped, and source coordinates outside [0, srcLimit)
// become -1; a negative srcLimit means the operation has no source and every
// coordinate maps to 0.  Extents of any size are safe.
AxisMap mapAxis(std::int64_t dstPos, std::int64_t dstExtent, std::int64_t srcPos, std::int64_t srcExtent,
                int dstLimit, std::int64_t srcLimit);

} // namespace gdi
