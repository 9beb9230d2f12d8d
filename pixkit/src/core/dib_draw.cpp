// Lines, rectangles and fills written pixel by pixel into the image.
#include "pixkit.h"

#include "platform/gdi.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// Writes one colour: at 8 bits or less the nearest palette index is found
// once and stored raw, at other depths the colour goes through
// SetPixelColor.  Positions outside the image are skipped by the pixel calls.
class Pen {
public:
    Pen(CDIB& dib, unsigned long color) : m_dib(dib), m_color(color), m_indexed(dib.GetBitCount() <= 8)
    {
        if (m_indexed) {
            const UINT index = dib.GetPalette() != nullptr ? GetNearestPaletteIndex(dib.GetPalette(), color) : 0;
            m_color = index == CLR_INVALID ? 0 : index;
        }
    }

    void Plot(std::int64_t x, std::int64_t y) const
    {
        if (x < 0 || y < 0 || x >= m_dib.GetWidth() || y >= m_dib.GetHeight())
            return;
        if (m_indexed)
            m_dib.SetPixel(static_cast<int>(x), static_cast<int>(y), m_color);
        else
            m_dib.SetPixelColor(static_cast<int>(x), static_cast<int>(y), m_color);
    }

    // An inclusive range cut to [0, size - 1]: the same pixels as the whole
    // range, without walking millions of off-image positions.
    static void Clip(std::int64_t& from, std::int64_t& to, int size)
    {
        from = std::max<std::int64_t>(from, 0);
        to = std::min<std::int64_t>(to, std::int64_t{size} - 1);
    }

private:
    CDIB& m_dib;
    unsigned long m_color;
    bool m_indexed;
};

// Arithmetic shift right by 8: division by 256 towards minus infinity.
std::int64_t FloorDiv256(std::int64_t v) { return v >= 0 ? v / 256 : -((-v + 255) / 256); }

} // namespace

// A digital differential analyser with 8 fraction bits.  It plots n pixels
// from (x1, y1) on and stops one step short of (x2, y2).  64-bit arithmetic
// keeps the fixed-point values exact for any int coordinates.
void CDIB::Line(int x1, int y1, int x2, int y2, unsigned long color)
{
    const std::int64_t dx = std::int64_t{x2} - x1;
    const std::int64_t dy = std::int64_t{y2} - y1;
    const std::int64_t n = std::max(std::llabs(dx), std::llabs(dy));
    if (n == 0)
        return;
    const Pen pen(*this, color);
    const std::int64_t sx = dx * 256 / n;
    const std::int64_t sy = dy * 256 / n;
    std::int64_t x = std::int64_t{x1} * 256 + 127;
    std::int64_t y = std::int64_t{y1} * 256 + 127;
    for (std::int64_t i = 0; i < n; ++i) {
        pen.Plot(FloorDiv256(x), FloorDiv256(y));
        x += sx;
        y += sy;
    }
}

void CDIB::Rectangle(int left, int top, int right, int bottom, unsigned long color)
{
    const Pen pen(*this, color);
    std::int64_t x0 = left;
    std::int64_t x1 = right;
    Pen::Clip(x0, x1, m_nWidth);
    for (std::int64_t x = x0; x <= x1; ++x)
        pen.Plot(x, top);
    for (std::int64_t x = x0; x <= x1; ++x)
        pen.Plot(x, bottom);
    std::int64_t y0 = top;
    std::int64_t y1 = bottom;
    Pen::Clip(y0, y1, m_nHeight);
    for (std::int64_t y = y0; y <= y1; ++y)
        pen.Plot(left, y);
    for (std::int64_t y = y0; y <= y1; ++y)
        pen.Plot(right, y);
}

void CDIB::FillRect(int left, int top, int right, int bottom, unsigned long color)
{
    const Pen pen(*this, color);
    std::int64_t x0 = left;
    std::int64_t x1 = right;
    std::int64_t y0 = top;
    std::int64_t y1 = bottom;
    Pen::Clip(x0, x1, m_nWidth);
    Pen::Clip(y0, y1, m_nHeight);
    for (std::int64_t y = y0; y <= y1; ++y)
        for (std::int64_t x = x0; x <= x1; ++x)
            pen.Plot(x, y);
}

// Column `width` and row `height` lie outside and are skipped.
void CDIB::Fill(unsigned long color) { FillRect(0, 0, m_nWidth, m_nHeight, color); }
