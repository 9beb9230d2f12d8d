// Calls that move pixels between caller memory laid out as a DIB and a DC
// or a bitmap.  Scan lines are numbered from the DIB's bottom row, whatever
// its row order; a band of `lines` scan lines from `start` is stored in the
// DIB's own row order.
#include "platform/gdi.h"

#include "blit.h"
#include "brush_object.h"
#include "dc_access.h"
#include "dib_header.h"
#include "paint_ops.h"

#include <algorithm>

using namespace gdi;

namespace {

// The scan lines [start, start + count) of a DIB of `height` rows, cut to
// the DIB; the band's top row is image row height - start - lines.
struct Band {
    int lines = 0;
    int top = 0;
};

Band scanBand(int height, UINT start, UINT count)
{
    if (start >= static_cast<UINT>(height))
        return {};
    const int lines = static_cast<int>(std::min<long long>(count, static_cast<long long>(height) - start));
    return {lines, height - static_cast<int>(start) - lines};
}

RasterOp sourceCopy(const Surface& destination)
{
    return *RasterOp::fromCode(SRCCOPY, destination.format());
}

int countMapped(const AxisMap& map)
{
    return static_cast<int>(std::count_if(map.source.begin(), map.source.end(), [](int s) { return s >= 0; }));
}

} // namespace

extern "C" {

int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int srcX, int srcY, UINT startScan,
                      UINT scanLines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    return gdiCall(0, [&](HandleTable& table) -> int {
        DcObject* target = table.get<DcObject>(dc);
        Surface* destination = target ? dcSurface(table, *target) : nullptr;
        const auto layout = readDibHeader(info, usage);
        if (destination == nullptr || bits == nullptr || !layout)
            return 0;
        const Band band = scanBand(layout->height, startScan, scanLines);
        if (band.lines == 0)
            return 0;
        const Surface source = Surface::wrapReadOnly(static_cast<const std::uint8_t*>(bits),
                                                     layout->geometry(band.lines), layout->format);
        // srcY is the bottom edge counted from the bottom row.
        const long long sourceTop = static_cast<long long>(layout->height) - srcY - height - band.top;
        const AxisMap columns = mapAxis(static_cast<long long>(x) + target->origin.x, width, srcX, width,
                                        destination->width(), source.width());
        const AxisMap rows = mapAxis(static_cast<long long>(y) + target->origin.y, height, sourceTop, height,
                                     destination->height(), source.height());
        const PixelConverter convert = PixelConverter::plain(source, *destination);
        runBlit(*destination, dcClipRects(*target, *destination), columns, rows, &source, &convert,
                sourceCopy(*destination));
        return band.lines;
    });
}

int StretchDIBits(HDC dc, int x, int y, int width, int height, int srcX, int srcY, int srcWidth, int srcHeight,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD ropCode)
{
    return gdiCall(0, [&](HandleTable& table) -> int {
        DcObject* target = table.get<DcObject>(dc);
        Surface* destination = target ? dcSurface(table, *target) : nullptr;
        const auto layout = readDibHeader(info, usage);
        if (destination == nullptr || bits == nullptr || !layout)
            return 0;
        const auto rop = RasterOp::fromCode(ropCode, destination->format());
        if (!rop)
            return 0;
        std::uint32_t pattern = 0;
        if (rop->usesPattern()) {
            const BrushObject& brush = dcBrush(table, *target);
            if (brush.style == BS_NULL)
                return layout->height;
            pattern = solidPattern(destination->format(), brush.color, true);
        }
        const Surface source = Surface::wrapReadOnly(static_cast<const std::uint8_t*>(bits),
                                                     layout->geometry(layout->height), layout->format);
        const long long sourceTop = static_cast<long long>(layout->height) - srcY - srcHeight;
        const AxisMap columns = mapAxis(static_cast<long long>(x) + target->origin.x, width, srcX, srcWidth,
                                        destination->width(), source.width());
        const AxisMap rows = mapAxis(static_cast<long long>(y) + target->origin.y, height, sourceTop, srcHeight,
                                     destination->height(), source.height());
        const PixelConverter convert = PixelConverter::plain(source, *destination);
        runBlit(*destination, dcClipRects(*target, *destination), columns, rows, &source, &convert, *rop,
                pattern);
        return layout->height;
    });
}

int GetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage)
{
    return gdiCall(0, [&](HandleTable& table) -> int {
        BitmapObject* object = table.get<BitmapObject>(bitmap);
        if (object == nullptr || info == nullptr)
            return 0;
        const Surface& from = object->surface;

        if (bits == nullptr) {
            // Describe the bitmap; only the 40-byte header is written.
            BITMAPINFOHEADER& h = info->bmiHeader;
            if (h.biSize < sizeof(BITMAPINFOHEADER))
                return 0;
            const bool dib = object->kind == BitmapObject::Kind::DibSection;
            h.biWidth = from.width();
            h.biHeight = dib ? object->header.biHeight : from.height();
            h.biPlanes = 1;
            h.biBitCount = static_cast<WORD>(from.bpp());
            h.biCompression = dib ? object->header.biCompression : BI_RGB;
            h.biSizeImage = static_cast<DWORD>(*dibPitch(from.bpp(), from.width())) * static_cast<DWORD>(from.height());
            h.biXPelsPerMeter = 0;
            h.biYPelsPerMeter = 0;
            h.biClrUsed = 0;
            h.biClrImportant = 0;
            return from.height();
        }

        // The caller's colour table is the target palette; it is read, not
        // overwritten.
        const auto layout = readDibHeader(info, usage);
        if (!layout)
            return 0;
        const Band band = scanBand(layout->height, start, lines);
        if (band.lines == 0)
            return 0;
        Surface buffer =
            Surface::wrap(static_cast<std::uint8_t*>(bits), layout->geometry(band.lines), layout->format);
        // Scan line s of the DIB is row height - 1 - s of the bitmap.
        const long long bitmapTop = static_cast<long long>(from.height()) - start - band.lines;
        const AxisMap columns = mapAxis(0, buffer.width(), 0, buffer.width(), buffer.width(), from.width());
        const AxisMap rows = mapAxis(0, band.lines, bitmapTop, band.lines, band.lines, from.height());
        const RECT all{0, 0, buffer.width(), buffer.height()};
        const PixelConverter convert = PixelConverter::plain(from, buffer);
        runBlit(buffer, {&all, 1}, columns, rows, &from, &convert, sourceCopy(buffer));
        return countMapped(rows);
    });
}

int SetDIBits(HDC, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info, UINT usage)
{
    return gdiCall(0, [&](HandleTable& table) -> int {
        BitmapObject* object = table.get<BitmapObject>(bitmap);
        const auto layout = readDibHeader(info, usage);
        if (object == nullptr || bits == nullptr || !layout)
            return 0;
        Surface& to = object->surface;
        const Band band = scanBand(layout->height, start, lines);
        if (band.lines == 0)
            return 0;
        const Surface buffer = Surface::wrapReadOnly(static_cast<const std::uint8_t*>(bits),
                                                     layout->geometry(band.lines), layout->format);
        const long long bitmapTop = static_cast<long long>(to.height()) - start - band.lines;
        const AxisMap columns = mapAxis(0, buffer.width(), 0, buffer.width(), to.width(), buffer.width());
        const AxisMap rows = mapAxis(bitmapTop, band.lines, 0, band.lines, to.height(), band.lines);
        const RECT all{0, 0, to.width(), to.height()};
        const PixelConverter convert = PixelConverter::plain(buffer, to);
        runBlit(to, {&all, 1}, columns, rows, &buffer, &convert, sourceCopy(to));
        return countMapped(rows);
    });
}

} // extern "C"
