// Ternary raster operations that do not involve a brush, applied to raw
// pixel values of the destination's format.
#pragma once

#include "pixel_format.h"

#include <cstdint>
#include <optional>

namespace gdi {

class RasterOp {
public:
    // Nothing when the code is malformed or its result depends on a pattern
    // (there are no brushes to supply one).
    static std::optional<RasterOp> fromCode(DWORD rop, const PixelFormat& destination);

    bool usesSource() const;
    bool usesDestination() const;
    std::uint32_t apply(std::uint32_t source, std::uint32_t destination) const;

private:
    RasterOp(std::uint8_t index, std::uint32_t mask, std::uint32_t black, std::uint32_t white)
        : index_(index), mask_(mask), black_(black), white_(white)
    {
    }

    std::uint8_t index_; // the truth table: bit (P << 2 | S << 1 | D)
    std::uint32_t mask_;
    std::uint32_t black_;
    std::uint32_t white_;
};

} // namespace gdi
