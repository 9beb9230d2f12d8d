// The colour-to-index cache of the conversion to 8 bits.
//
// One byte for each of the 2^24 colours holds the palette index found for it
// plus 1, modulo 256; 0 means "not yet known".  Index 255 therefore wraps to
// 0 and is looked up afresh every time it occurs: a known cost that keeps the
// table at one byte per colour.
#pragma once

#include "platform/base.h"

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace pixkit {

class NearestIndexCache {
public:
    // calloc: the zero pages cost nothing until a colour lands in them, so a
    // small image does not pay for clearing 16 MiB.
    NearestIndexCache() : m_table(static_cast<std::uint8_t*>(std::calloc(kSize, 1))) {}

    // False when the memory could not be had; Get must not be used then.
    bool IsReady() const { return m_table != nullptr; }

    // The palette index of color; nearest(color) is asked only when the
    // cache does not know it.
    template <class Lookup>
    BYTE Get(COLORREF color, Lookup&& nearest)
    {
        std::uint8_t& slot = m_table[color & 0xFFFFFFu];
        if (slot != 0)
            return static_cast<BYTE>(slot - 1);
        const BYTE index = static_cast<BYTE>(nearest(color));
        slot = static_cast<std::uint8_t>(index + 1);
        return index;
    }

private:
    static constexpr std::size_t kSize = std::size_t{1} << 24;
    struct Free {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    std::unique_ptr<std::uint8_t[], Free> m_table;
};

} // namespace pixkit
