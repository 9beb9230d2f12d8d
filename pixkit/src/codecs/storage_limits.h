// The size limit that every loader checks before it makes an image.
#pragma once

#include "core/dib_header.h"

#include <cstdint>

namespace pixkit {

// No file may make the library allocate more pixel storage than this.
inline constexpr std::uint64_t kMaxStorageBytes = std::uint64_t{1} << 30;

// True when an image of this size and depth may be made at all.
constexpr bool StorageFits(int bitCount, std::int64_t width, std::int64_t height)
{
    if (width <= 0 || height <= 0 || bitCount <= 0 || width > (1 << 30) || height > (1 << 30))
        return false;
    return static_cast<std::uint64_t>(DibPitch(bitCount, width)) * static_cast<std::uint64_t>(height) <=
           kMaxStorageBytes;
}

} // namespace pixkit
