// Median cut over a histogram of 6-bit-per-channel colour cells.
//
// Colours are counted in 64 x 64 x 64 cells (each channel divided by 4).  The
// box around every occupied cell is split in two at the median of its widest
// channel, eight levels deep, giving at most 256 leaves; each leaf's colour is
// the count-weighted mean of its cells.
#pragma once

#include "platform/base.h"

#include <cstdint>
#include <vector>

namespace pixkit {

// One box of cells, ranges inclusive, with its colour and its exact count.
struct ColorBox {
    std::int32_t rMin, rMax;
    std::int32_t gMin, gMax;
    std::int32_t bMin, bMax;
    BYTE blue, green, red;
    std::int32_t count;
};

class ColourHistogram {
public:
    static constexpr int kSide = 64;
    static constexpr int kCells = kSide * kSide * kSide;

    ColourHistogram();

    // Counts one pixel of this COLORREF.
    void Add(COLORREF color)
    {
        ++m_cells[Cell(GetRValue(color) >> 2, GetGValue(color) >> 2, GetBValue(color) >> 2)];
        ++m_total;
    }
    std::int64_t Total() const { return m_total; }
    std::int32_t At(int r, int g, int b) const { return m_cells[Cell(r, g, b)]; }

    // The leaves of the cut, sorted by count, smallest first; leaves of equal
    // count keep the order in which the cut found them (lower box first).
    // Empty when no pixel was counted.
    std::vector<ColorBox> MedianCut() const;

private:
    static int Cell(int r, int g, int b) { return (b << 12) | (g << 6) | r; }

    void Split(const ColorBox& box, int depth, std::vector<ColorBox>& leaves) const;
    std::int64_t PlaneSum(const ColorBox& box, int axis, int plane) const;
    void SetLeafColour(ColorBox& box) const;

    // 1 MiB: it lives on the heap, never on the stack.
    std::vector<std::int32_t> m_cells;
    std::int64_t m_total = 0;
};

// The palette entries of the leaves, in their order.
std::vector<PALETTEENTRY> PaletteFromBoxes(const std::vector<ColorBox>& boxes);

} // namespace pixkit
