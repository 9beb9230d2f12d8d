// A rectangle of pixels in memory: the one representation behind DIB
// sections, device-dependent bitmaps, the DIB memory blocks handed to the
// DIB transfer calls and caller-owned window memory.
#pragma once

#include "pixel_format.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace gdi {

class Surface {
public:
    struct Geometry {
        int width = 0;
        int height = 0;
        int pitch = 0;      // bytes from one stored row to the next
        bool topDown = true; // false: the first stored row is the bottom row
    };

    // Zero-filled storage owned by the surface.  Throws std::bad_alloc.
    static Surface allocate(Geometry geometry, PixelFormat format);
    // Caller-owned storage, which must outlive the surface.
    static Surface wrap(std::uint8_t* bits, Geometry geometry, PixelFormat format);
    static Surface wrapReadOnly(const std::uint8_t* bits, Geometry geometry, PixelFormat format);
    // A deep copy with storage of its own.
    Surface clone() const;

    Surface(Surface&&) noexcept = default;
    Surface& operator=(Surface&&) noexcept = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return geometry_.width; }
    int height() const { return geometry_.height; }
    int pitch() const { return geometry_.pitch; }
    bool topDown() const { return geometry_.topDown; }
    int bpp() const { return format_.bpp(); }
    const Geometry& geometry() const { return geometry_; }
    PixelFormat& format() { return format_; }
    const PixelFormat& format() const { return format_; }

    // A 1-bit device-dependent bitmap: blits between it and colour surfaces
    // translate through the DCs' background and text colours.
    bool monochrome() const { return monochrome_; }
    void setMonochrome(bool value) { monochrome_ = value; }

    std::uint8_t* bits() { return writable_; }
    const std::uint8_t* bits() const { return readable_; }
    std::size_t storageSize() const
    {
        return static_cast<std::size_t>(geometry_.pitch) * static_cast<std::size_t>(geometry_.height);
    }
    bool writable() const { return writable_ != nullptr; }

    bool contains(long long x, long long y) const
    {
        return x >= 0 && y >= 0 && x < geometry_.width && y < geometry_.height;
    }

    // y counts from the top row whatever the storage order.  Reads outside
    // give 0; writes outside, or to read-only storage, are dropped.
    std::uint32_t raw(int x, int y) const;
    void setRaw(int x, int y, std::uint32_t value);
    COLORREF color(int x, int y) const { return format_.toColor(raw(x, y)); }
    void setColor(int x, int y, COLORREF color) { setRaw(x, y, format_.fromColor(color)); }

    const std::uint8_t* row(int y) const;
    std::uint8_t* writableRow(int y);

private:
    Surface(Geometry geometry, PixelFormat format) : geometry_(geometry), format_(std::move(format)) {}

    Geometry geometry_;
    PixelFormat format_;
    bool monochrome_ = false;
    struct FreeStorage {
        void operator()(std::uint8_t* p) const { std::free(p); }
    };
    // From calloc: large blocks come as fresh zero pages, so a bitmap that a
    // loader fills at once is written once, not cleared first.
    std::unique_ptr<std::uint8_t[], FreeStorage> owned_;
    std::uint8_t* writable_ = nullptr;
    const std::uint8_t* readable_ = nullptr;
};

} // namespace gdi
