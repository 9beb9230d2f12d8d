// Turns raw source pixels into raw pixels of the destination's format.
#pragma once

#include "surface.h"

#include <array>
#include <cstdint>
#include <vector>

namespace gdi {

class PixelConverter {
public:
    // The rules of a blit between two DCs: colour to monochrome gives 1
    // where the source pixel equals the source DC's background colour (in
    // the source's own format) and 0 elsewhere; monochrome to colour gives
    // the destination DC's background colour for 1 and its text colour for 0.
    // When the raster operation mixes source and destination bits and the
    // destination has a palette, black and white expand to index 0 and the
    // all-ones index (the only values that mean "none" and "all" to AND, OR
    // and XOR on indices), so masking works whatever the table's order.
    static PixelConverter forBlit(const Surface& source, COLORREF sourceBackground, const Surface& destination,
                                  COLORREF destinationBackground, COLORREF destinationText, bool bitwise);
    // Plain colour conversion, each format through its own colour table.
    static PixelConverter plain(const Surface& source, const Surface& destination);

    std::uint32_t operator()(std::uint32_t raw) const;

private:
    enum class Kind { Identity, Table, ToMonochrome, ThroughColor };

    static PixelConverter make(const Surface& source, const Surface& destination, bool blit, bool bitwise,
                               COLORREF sourceBackground, COLORREF destinationBackground, COLORREF destinationText);

    PixelConverter(Kind kind, const PixelFormat* source, const PixelFormat* destination)
        : kind_(kind), source_(source), destination_(destination)
    {
    }

    Kind kind_;
    const PixelFormat* source_;
    const PixelFormat* destination_;
    std::vector<std::uint32_t> table_; // by source index
    std::uint32_t key_ = 0;            // ToMonochrome: the raw background value
    std::uint32_t keyMask_ = 0;

    // Nearest-entry searches are slow; remember recent answers per blit.
    struct CacheSlot {
        std::uint32_t raw = 0;
        std::uint32_t value = 0;
        bool used = false;
    };
    mutable std::vector<CacheSlot> cache_;
};

} // namespace gdi
