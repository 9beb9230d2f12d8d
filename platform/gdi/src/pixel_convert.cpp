#include "pixel_convert.h"

namespace gdi {

namespace {
constexpr std::size_t kCacheSize = 4096;
}

PixelConverter PixelConverter::forBlit(const Surface& source, COLORREF sourceBackground, const Surface& destination,
                                       COLORREF destinationBackground, COLORREF destinationText, bool bitwise)
{
    return make(source, destination, true, bitwise, sourceBackground, destinationBackground, destinationText);
}

PixelConverter PixelConverter::plain(const Surface& source, const Surface& destination)
{
    return make(source, destination, false, false, 0, 0, 0);
}

PixelConverter PixelConverter::make(const Surface& source, const Surface& destination, bool blit, bool bitwise,
                                    COLORREF sourceBackground, COLORREF destinationBackground,
                                    COLORREF destinationText)
{
    const PixelFormat& sf = source.format();
    const PixelFormat& df = destination.format();
    // Outside DC-to-DC blits a monochrome bitmap is just black and white.
    const bool monoSource = blit && source.monochrome();
    const bool monoDestination = blit && destination.monochrome();

    if (monoSource == monoDestination && sf.sameAs(df))
        return PixelConverter(Kind::Identity, &sf, &df);

    const auto expand = [&](COLORREF color) -> std::uint32_t {
        if (bitwise && df.isIndexed()) {
            if (color == RGB(0, 0, 0))
                return 0;
            if (color == RGB(255, 255, 255))
                return df.valueMask();
        }
        return df.fromColor(color);
    };

    if (sf.isIndexed()) {
        PixelConverter c(Kind::Table, &sf, &df);
        const std::uint32_t count = 1u << sf.bpp();
        c.table_.resize(count);
        const std::uint32_t key = monoDestination ? sf.fromColor(sourceBackground) : 0;
        for (std::uint32_t v = 0; v < count; ++v) {
            if (monoDestination)
                c.table_[v] = (v == key) ? 1u : 0u;
            else if (monoSource)
                c.table_[v] = expand(v != 0 ? destinationBackground : destinationText);
            else
                c.table_[v] = df.fromColor(sf.toColor(v));
        }
        return c;
    }

    if (monoDestination) {
        PixelConverter c(Kind::ToMonochrome, &sf, &df);
        c.keyMask_ = sf.valueMask();
        c.key_ = sf.fromColor(sourceBackground) & sf.valueMask();
        return c;
    }

    PixelConverter c(Kind::ThroughColor, &sf, &df);
    if (df.isIndexed())
        c.cache_.resize(kCacheSize);
    return c;
}

std::uint32_t PixelConverter::operator()(std::uint32_t raw) const
{
    switch (kind_) {
    case Kind::Identity:
        return raw;
    case Kind::Table:
        return raw < table_.size() ? table_[raw] : 0;
    case Kind::ToMonochrome:
        return (raw & keyMask_) == key_ ? 1u : 0u;
    case Kind::ThroughColor:
        break;
    }
    if (cache_.empty())
        return destination_->fromColor(source_->toColor(raw));
    CacheSlot& slot = cache_[(raw ^ (raw >> 11) ^ (raw >> 19)) % kCacheSize];
    if (!slot.used || slot.raw != raw)
        slot = CacheSlot{raw, destination_->fromColor(source_->toColor(raw)), true};
    return slot.value;
}

} // namespace gdi
