#include "core/logical_palette.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace pixkit {

namespace {

// LOGPALETTE with room for every entry: the same layout as the declared
// one-entry record, which only names where the entries start.
struct FullLogPalette {
    WORD palVersion;
    WORD palNumEntries;
    PALETTEENTRY palPalEntry[kPaletteSize];
};
static_assert(offsetof(FullLogPalette, palPalEntry) == offsetof(LOGPALETTE, palPalEntry));

} // namespace

HPALETTE MakeLogicalPalette(const PALETTEENTRY* entries, unsigned count)
{
    if (entries == nullptr || count == 0 || count > kPaletteSize)
        return nullptr;
    FullLogPalette block{};
    block.palVersion = 0x300;
    block.palNumEntries = static_cast<WORD>(count);
    for (unsigned i = 0; i < count; ++i) {
        block.palPalEntry[i].peRed = entries[i].peRed;
        block.palPalEntry[i].peGreen = entries[i].peGreen;
        block.palPalEntry[i].peBlue = entries[i].peBlue;
        block.palPalEntry[i].peFlags = 0;
    }
    return ::CreatePalette(reinterpret_cast<const LOGPALETTE*>(&block));
}

unsigned ReadLogicalPalette(HPALETTE palette, PALETTEENTRY* out)
{
    std::memset(out, 0, sizeof(PALETTEENTRY) * kPaletteSize);
    if (palette == nullptr)
        return 0;
    return std::min(GetPaletteEntries(palette, 0, kPaletteSize, out), kPaletteSize);
}

} // namespace pixkit
