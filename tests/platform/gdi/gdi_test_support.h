// Helpers shared by the GDI tests: owning wrappers for handles and builders
// of BITMAPINFO blocks.
#pragma once

#include "platform/gdi.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <vector>

namespace gditest {

struct ObjectDeleter {
    void operator()(void* h) const { DeleteObject(h); }
};
struct DcDeleter {
    void operator()(HDC__* h) const { DeleteDC(h); }
};
using Bitmap = std::unique_ptr<HBITMAP__, ObjectDeleter>;
using Palette = std::unique_ptr<HPALETTE__, ObjectDeleter>;
using Rgn = std::unique_ptr<HRGN__, ObjectDeleter>;
using Dc = std::unique_ptr<HDC__, DcDeleter>;

// A header block: BITMAPINFOHEADER, then masks or colour entries.
class Info {
public:
    Info(int width, int height, int bpp, std::initializer_list<COLORREF> colors = {}, DWORD compression = BI_RGB)
    {
        BITMAPINFOHEADER h{};
        h.biSize = sizeof h;
        h.biWidth = width;
        h.biHeight = height;
        h.biPlanes = 1;
        h.biBitCount = static_cast<WORD>(bpp);
        h.biCompression = compression;
        h.biClrUsed = static_cast<DWORD>(colors.size());
        // Room for a version 5 header size as well as a full table.
        bytes_.resize(128 + 4 * 256);
        std::memcpy(bytes_.data(), &h, sizeof h);
        int i = 0;
        for (COLORREF c : colors)
            setColor(i++, c);
    }
    static Info bitFields(int width, int height, int bpp, DWORD r, DWORD g, DWORD b)
    {
        Info info(width, height, bpp, {}, BI_BITFIELDS);
        const DWORD masks[3] = {r, g, b};
        std::memcpy(info.bytes_.data() + sizeof(BITMAPINFOHEADER), masks, sizeof masks);
        return info;
    }
    void setColor(int i, COLORREF c)
    {
        RGBQUAD q{GetBValue(c), GetGValue(c), GetRValue(c), 0};
        std::memcpy(bytes_.data() + header().biSize + 4 * i, &q, sizeof q);
    }
    BITMAPINFOHEADER& header() { return *reinterpret_cast<BITMAPINFOHEADER*>(bytes_.data()); }
    BITMAPINFO* get() { return reinterpret_cast<BITMAPINFO*>(bytes_.data()); }
    int pitch() const
    {
        const auto& h = *reinterpret_cast<const BITMAPINFOHEADER*>(bytes_.data());
        return ((h.biBitCount * h.biWidth + 31) / 32) * 4;
    }

private:
    std::vector<std::uint8_t> bytes_;
};

struct DibSection {
    Bitmap bitmap;
    std::uint8_t* bits = nullptr;
};

inline DibSection makeDib(Info& info)
{
    void* bits = nullptr;
    HBITMAP h = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0);
    return {Bitmap(h), static_cast<std::uint8_t*>(bits)};
}

// A memory DC with the bitmap selected.
inline Dc dcWith(HBITMAP bitmap)
{
    Dc dc(CreateCompatibleDC(nullptr));
    if (bitmap != nullptr)
        SelectObject(dc.get(), bitmap);
    return dc;
}

// A 32-bit top-down DIB section of the given size in a DC, filled with `fill`.
struct Canvas {
    DibSection dib;
    Dc dc;
    int width;
    int height;

    Canvas(int w, int h, int bpp = 32, std::initializer_list<COLORREF> colors = {})
        : width(w), height(h)
    {
        Info info(w, -h, bpp, colors);
        dib = makeDib(info);
        dc = dcWith(dib.bitmap.get());
    }
    void fill(COLORREF c)
    {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                SetPixel(dc.get(), x, y, c);
    }
    COLORREF at(int x, int y) const { return GetPixel(dc.get(), x, y); }
};

} // namespace gditest
