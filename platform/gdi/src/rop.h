// Ternary raster operations (pattern, source, destination) and the binary
// ones of pen and brush drawing, applied to raw pixel values of the
// destination's format.
#pragma once

#include "pixel_format.h"

#include <cstdint>
#include <optional>

namespace gdi {

class RasterOp {
public:
    // Nothing when the code is malformed.
    static std::optional<RasterOp> fromCode(DWORD rop, const PixelFormat& destination);
    // A binary mix mode (R2_BLACK = 1 .. R2_WHITE = 16) of pen or brush
    // with the destination; nothing outside that range.
    static std::optional<RasterOp> fromMixMode(int mode, const PixelFormat& destination);
    // The brush pattern copied as it is (PATCOPY).
    static RasterOp patternCopy(const PixelFormat& destination);

    bool usesPattern() const;
    bool usesSource() const;
    bool usesDestination() const;
    std::uint32_t apply(std::uint32_t pattern, std::uint32_t source, std::uint32_t destination) const;
    std::uint32_t apply(std::uint32_t source, std::uint32_t destination) const { return apply(0, source, destination); }

private:
    RasterOp(std::uint8_t index, std::uint32_t mask, std::uint32_t black, std::uint32_t white)
        : index_(index), mask_(mask), black_(black), white_(white)
    {
    }
    static RasterOp make(std::uint8_t index, const PixelFormat& destination);

    std::uint8_t index_; // the truth table: bit (P << 2 | S << 1 | D)
    std::uint32_t mask_;
    std::uint32_t black_;
    std::uint32_t white_;
};

} // namespace gdi
