#include "codecs/median_cut.h"

#include <algorithm>

namespace pixkit {
namespace {

constexpr int kMaxDepth = 8;
enum Axis { kRed, kGreen, kBlue };

} // namespace

ColourHistogram::ColourHistogram() : m_cells(kCells, 0) {}

std::vector<ColorBox> ColourHistogram::MedianCut() const
{
    ColorBox root{63, 0, 63, 0, 63, 0, 0, 0, 0, 0};
    for (int b = 0; b < kSide; ++b) {
        for (int g = 0; g < kSide; ++g) {
            const std::int32_t* row = &m_cells[Cell(0, g, b)];
            for (int r = 0; r < kSide; ++r) {
                if (row[r] <= 0)
                    continue;
                root.rMin = std::min(root.rMin, r);
                root.rMax = std::max(root.rMax, r);
                root.gMin = std::min(root.gMin, g);
                root.gMax = std::max(root.gMax, g);
                root.bMin = std::min(root.bMin, b);
                root.bMax = std::max(root.bMax, b);
            }
        }
    }
    root.count = static_cast<std::int32_t>(m_total);

    std::vector<ColorBox> leaves;
    leaves.reserve(256);
    Split(root, 0, leaves);
    for (ColorBox& leaf : leaves)
        SetLeafColour(leaf);
    std::stable_sort(leaves.begin(), leaves.end(),
                     [](const ColorBox& a, const ColorBox& b) { return a.count < b.count; });
    return leaves;
}

void ColourHistogram::Split(const ColorBox& box, int depth, std::vector<ColorBox>& leaves) const
{
    if (box.count == 0)
        return;
    if (depth == kMaxDepth || (box.rMin == box.rMax && box.gMin == box.gMax && box.bMin == box.bMax)) {
        leaves.push_back(box);
        return;
    }

    const int dr = box.rMax - box.rMin;
    const int dg = box.gMax - box.gMin;
    const int db = box.bMax - box.bMin;
    // Equal extents go to green before red and to red before blue.
    Axis axis = kGreen;
    if (db > dr && db > dg)
        axis = kBlue;
    else if (dr > dg)
        axis = kRed;

    int lo = 0;
    int hi = 0;
    switch (axis) {
    case kRed:
        lo = box.rMin;
        hi = box.rMax;
        break;
    case kGreen:
        lo = box.gMin;
        hi = box.gMax;
        break;
    case kBlue:
        lo = box.bMin;
        hi = box.bMax;
        break;
    }

    const std::int64_t half = box.count / 2;
    std::int64_t sum = 0;
    int i = lo;
    for (;;) {
        sum += PlaneSum(box, axis, i);
        if (sum >= half || i == hi - 1)
            break;
        ++i;
    }

    ColorBox lower = box;
    ColorBox upper = box;
    switch (axis) {
    case kRed:
        lower.rMax = i;
        upper.rMin = i + 1;
        break;
    case kGreen:
        lower.gMax = i;
        upper.gMin = i + 1;
        break;
    case kBlue:
        lower.bMax = i;
        upper.bMin = i + 1;
        break;
    }
    lower.count = static_cast<std::int32_t>(sum);
    upper.count = static_cast<std::int32_t>(box.count - sum);
    Split(lower, depth + 1, leaves);
    Split(upper, depth + 1, leaves);
}

std::int64_t ColourHistogram::PlaneSum(const ColorBox& box, int axis, int plane) const
{
    std::int64_t sum = 0;
    const int rLo = axis == kRed ? plane : box.rMin;
    const int rHi = axis == kRed ? plane : box.rMax;
    const int gLo = axis == kGreen ? plane : box.gMin;
    const int gHi = axis == kGreen ? plane : box.gMax;
    const int bLo = axis == kBlue ? plane : box.bMin;
    const int bHi = axis == kBlue ? plane : box.bMax;
    for (int b = bLo; b <= bHi; ++b)
        for (int g = gLo; g <= gHi; ++g) {
            const std::int32_t* row = &m_cells[Cell(0, g, b)];
            for (int r = rLo; r <= rHi; ++r)
                sum += row[r];
        }
    return sum;
}

void ColourHistogram::SetLeafColour(ColorBox& box) const
{
    std::int64_t sumR = 0;
    std::int64_t sumG = 0;
    std::int64_t sumB = 0;
    for (int b = box.bMin; b <= box.bMax; ++b)
        for (int g = box.gMin; g <= box.gMax; ++g) {
            const std::int32_t* row = &m_cells[Cell(0, g, b)];
            for (int r = box.rMin; r <= box.rMax; ++r) {
                const std::int64_t n = row[r];
                sumR += r * n;
                sumG += g * n;
                sumB += b * n;
            }
        }
    // count is never 0 here: empty boxes are dropped before they become leaves.
    box.red = static_cast<BYTE>(sumR / box.count * 4);
    box.green = static_cast<BYTE>(sumG / box.count * 4);
    box.blue = static_cast<BYTE>(sumB / box.count * 4);
}

std::vector<PALETTEENTRY> PaletteFromBoxes(const std::vector<ColorBox>& boxes)
{
    std::vector<PALETTEENTRY> entries;
    entries.reserve(boxes.size());
    for (const ColorBox& box : boxes)
        entries.push_back(PALETTEENTRY{box.red, box.green, box.blue, 0});
    return entries;
}

} // namespace pixkit
