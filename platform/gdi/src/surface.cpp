#include "surface.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace gdi {

Surface Surface::allocate(Geometry geometry, PixelFormat format)
{
    Surface s(geometry, std::move(format));
    // One byte at least, so that even an empty surface owns distinct storage.
    s.owned_.reset(static_cast<std::uint8_t*>(std::calloc(std::max<std::size_t>(s.storageSize(), 1), 1)));
    if (!s.owned_)
        throw std::bad_alloc();
    s.writable_ = s.owned_.get();
    s.readable_ = s.owned_.get();
    return s;
}

Surface Surface::wrap(std::uint8_t* bits, Geometry geometry, PixelFormat format)
{
    Surface s(geometry, std::move(format));
    s.writable_ = bits;
    s.readable_ = bits;
    return s;
}

Surface Surface::wrapReadOnly(const std::uint8_t* bits, Geometry geometry, PixelFormat format)
{
    Surface s(geometry, std::move(format));
    s.readable_ = bits;
    return s;
}

Surface Surface::clone() const
{
    Surface s = allocate(geometry_, format_);
    s.monochrome_ = monochrome_;
    if (readable_ != nullptr)
        std::memcpy(s.owned_.get(), readable_, storageSize());
    return s;
}

const std::uint8_t* Surface::row(int y) const
{
    const int stored = geometry_.topDown ? y : geometry_.height - 1 - y;
    return readable_ + static_cast<std::size_t>(stored) * static_cast<std::size_t>(geometry_.pitch);
}

std::uint8_t* Surface::writableRow(int y)
{
    if (writable_ == nullptr)
        return nullptr;
    const int stored = geometry_.topDown ? y : geometry_.height - 1 - y;
    return writable_ + static_cast<std::size_t>(stored) * static_cast<std::size_t>(geometry_.pitch);
}

std::uint32_t Surface::raw(int x, int y) const
{
    if (!contains(x, y) || readable_ == nullptr)
        return 0;
    const std::uint8_t* p = row(y);
    switch (format_.bpp()) {
    case 1:
        return (p[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
        return (x & 1) ? p[x >> 1] & 0x0Fu : p[x >> 1] >> 4;
    case 8:
        return p[x];
    case 16:
        p += 2 * x;
        return p[0] | (std::uint32_t{p[1]} << 8);
    case 24:
        p += 3 * x;
        return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
    case 32:
        p += 4 * x;
        return p[0] | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[3]} << 24);
    default:
        return 0;
    }
}

void Surface::setRaw(int x, int y, std::uint32_t value)
{
    if (!contains(x, y) || writable_ == nullptr)
        return;
    std::uint8_t* p = writableRow(y);
    switch (format_.bpp()) {
    case 1: {
        const auto bit = static_cast<std::uint8_t>(0x80u >> (x & 7));
        p[x >> 3] = static_cast<std::uint8_t>((value & 1u) ? (p[x >> 3] | bit) : (p[x >> 3] & ~bit));
        break;
    }
    case 4: {
        std::uint8_t& b = p[x >> 1];
        b = (x & 1) ? static_cast<std::uint8_t>((b & 0xF0u) | (value & 0x0Fu))
                    : static_cast<std::uint8_t>((b & 0x0Fu) | ((value & 0x0Fu) << 4));
        break;
    }
    case 8:
        p[x] = static_cast<std::uint8_t>(value);
        break;
    case 16:
        p += 2 * x;
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        break;
    case 24:
        p += 3 * x;
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value >> 16);
        break;
    case 32:
        p += 4 * x;
        p[0] = static_cast<std::uint8_t>(value);
        p[1] = static_cast<std::uint8_t>(value >> 8);
        p[2] = static_cast<std::uint8_t>(value >> 16);
        p[3] = static_cast<std::uint8_t>(value >> 24);
        break;
    default:
        break;
    }
}

} // namespace gdi
