// Median cut over the 6-bit histogram, and the colour cache of the
// conversion to 8 bits.
#include "codecs/colour_cache.h"
#include "codecs/median_cut.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <tuple>

namespace pixkit {
namespace {

// Histograms are 1 MiB: keep them off the stack here too.
std::unique_ptr<ColourHistogram> NewHistogram() { return std::make_unique<ColourHistogram>(); }

// One pixel in every cell of the grid r < rCells, g < gCells, b < bCells.
std::unique_ptr<ColourHistogram> Grid(int rCells, int gCells, int bCells)
{
    auto h = NewHistogram();
    for (int b = 0; b < bCells; ++b)
        for (int g = 0; g < gCells; ++g)
            for (int r = 0; r < rCells; ++r)
                h->Add(RGB(static_cast<BYTE>(r * 4), static_cast<BYTE>(g * 4), static_cast<BYTE>(b * 4)));
    return h;
}

TEST(MedianCut, OneColourGivesOneEntryWithLowBitsCleared)
{
    auto h = NewHistogram();
    for (int i = 0; i < 10; ++i)
        h->Add(RGB(0xFF, 0x81, 0x13));
    const std::vector<ColorBox> leaves = h->MedianCut();
    ASSERT_EQ(leaves.size(), 1u);
    EXPECT_EQ(leaves[0].count, 10);
    EXPECT_EQ(leaves[0].red, 252);
    EXPECT_EQ(leaves[0].green, 128);
    EXPECT_EQ(leaves[0].blue, 16);

    const std::vector<PALETTEENTRY> palette = PaletteFromBoxes(leaves);
    ASSERT_EQ(palette.size(), 1u);
    EXPECT_EQ(std::make_tuple(palette[0].peRed, palette[0].peGreen, palette[0].peBlue, palette[0].peFlags),
              std::make_tuple(252, 128, 16, 0));
}

TEST(MedianCut, BlackAndWhiteInEqualNumbersGiveTwoEntries)
{
    auto h = NewHistogram();
    for (int i = 0; i < 6; ++i) {
        h->Add(RGB(0, 0, 0));
        h->Add(RGB(255, 255, 255));
    }
    const std::vector<ColorBox> leaves = h->MedianCut();
    ASSERT_EQ(leaves.size(), 2u);
    // Equal counts keep the cut's order: the lower box, black, first.
    EXPECT_EQ(std::make_tuple(leaves[0].red, leaves[0].green, leaves[0].blue, leaves[0].count),
              std::make_tuple(0, 0, 0, 6));
    EXPECT_EQ(std::make_tuple(leaves[1].red, leaves[1].green, leaves[1].blue, leaves[1].count),
              std::make_tuple(252, 252, 252, 6));
}

TEST(MedianCut, SmallerLeavesComeFirst)
{
    auto h = NewHistogram();
    for (int i = 0; i < 3; ++i)
        h->Add(RGB(40, 0, 0));
    h->Add(RGB(52, 0, 0));
    const std::vector<ColorBox> leaves = h->MedianCut();
    ASSERT_EQ(leaves.size(), 2u);
    EXPECT_EQ(leaves[0].count, 1);
    EXPECT_EQ(leaves[0].red, 52);
    EXPECT_EQ(leaves[1].count, 3);
    EXPECT_EQ(leaves[1].red, 40);
}

// With more occupied cells than 256 leaves can part, the last split decides
// the shape of every leaf, which shows the axis chosen on equal extents.
TEST(MedianCut, EqualExtentsSplitGreenBeforeRed)
{
    // Red 16 cells, green 32: the cut alternates until boxes of 2 x 2 cells
    // remain at depth 7, whose tie must go to green.
    const std::vector<ColorBox> leaves = Grid(16, 32, 1)->MedianCut();
    ASSERT_EQ(leaves.size(), 256u);
    for (const ColorBox& leaf : leaves) {
        EXPECT_EQ(leaf.rMax - leaf.rMin, 1);
        EXPECT_EQ(leaf.gMax, leaf.gMin);
        EXPECT_EQ(leaf.count, 2);
    }
}

TEST(MedianCut, EqualExtentsSplitRedBeforeBlue)
{
    // Red and green 16 cells, blue 2: boxes of red 2, green 1, blue 2 cells
    // remain at depth 7, and the tie between red and blue goes to red.
    const std::vector<ColorBox> leaves = Grid(16, 16, 2)->MedianCut();
    ASSERT_EQ(leaves.size(), 256u);
    for (const ColorBox& leaf : leaves) {
        EXPECT_EQ(leaf.rMax, leaf.rMin);
        EXPECT_EQ(leaf.bMax - leaf.bMin, 1);
        EXPECT_EQ(leaf.count, 2);
    }
}

TEST(MedianCut, BlueWinsOnlyWhenStrictlyWidest)
{
    // Only blue varies: it is strictly the widest and is cut into single cells.
    const std::vector<ColorBox> leaves = Grid(1, 1, 64)->MedianCut();
    ASSERT_EQ(leaves.size(), 64u);
    std::set<int> blues;
    for (const ColorBox& leaf : leaves) {
        EXPECT_EQ(leaf.bMin, leaf.bMax);
        blues.insert(leaf.blue);
    }
    EXPECT_EQ(blues.size(), 64u);
}

TEST(MedianCut, ManyColoursGiveAtMost256SortedLeavesCoveringEveryPixel)
{
    auto h = NewHistogram();
    std::uint32_t seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        // Skewed: more weight near dark colours, so counts differ.
        const std::uint32_t v = seed >> 8;
        h->Add(RGB(static_cast<BYTE>((v & 0xFF) * ((v >> 8) & 0xFF) / 255), static_cast<BYTE>(v >> 8),
                   static_cast<BYTE>(v >> 16)));
    }
    const std::vector<ColorBox> leaves = h->MedianCut();
    ASSERT_GT(leaves.size(), 128u);
    ASSERT_LE(leaves.size(), 256u);
    std::int64_t total = 0;
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        const ColorBox& leaf = leaves[i];
        total += leaf.count;
        if (i > 0) {
            EXPECT_LE(leaves[i - 1].count, leaf.count) << "sorted by count";
        }
        // The count is exact, and the colour is the count-weighted mean cell
        // times 4.
        std::int64_t inBox = 0;
        std::int64_t sumR = 0;
        std::int64_t sumG = 0;
        std::int64_t sumB = 0;
        for (int b = leaf.bMin; b <= leaf.bMax; ++b)
            for (int g = leaf.gMin; g <= leaf.gMax; ++g)
                for (int r = leaf.rMin; r <= leaf.rMax; ++r) {
                    const std::int64_t n = h->At(r, g, b);
                    inBox += n;
                    sumR += r * n;
                    sumG += g * n;
                    sumB += b * n;
                }
        ASSERT_EQ(inBox, leaf.count);
        EXPECT_EQ(leaf.red, sumR / inBox * 4);
        EXPECT_EQ(leaf.green, sumG / inBox * 4);
        EXPECT_EQ(leaf.blue, sumB / inBox * 4);
    }
    EXPECT_EQ(total, 200000);
}

TEST(MedianCut, NoPixelsGiveNoLeaves)
{
    EXPECT_TRUE(NewHistogram()->MedianCut().empty());
}

TEST(NearestIndexCache, SearchesEachColourOnceExceptIndex255)
{
    auto cache = std::make_unique<NearestIndexCache>();
    ASSERT_TRUE(cache->IsReady());
    int searches = 0;
    auto nearest = [&searches](COLORREF color) -> BYTE {
        ++searches;
        return static_cast<BYTE>(color == RGB(1, 2, 3) ? 255 : color & 0xFF);
    };
    struct Step {
        COLORREF color;
        BYTE index;
        int searchesAfter;
    };
    const Step steps[] = {
        {RGB(7, 0, 0), 7, 1},
        {RGB(7, 0, 0), 7, 1},   // known
        {RGB(0, 9, 9), 0, 2},   // index 0 is stored as 1 and known afterwards
        {RGB(0, 9, 9), 0, 2},
        {RGB(1, 2, 3), 255, 3}, // 255 + 1 wraps to "unknown"
        {RGB(1, 2, 3), 255, 4}, // ... so it is searched again every time
        {RGB(1, 2, 3), 255, 5},
        {RGB(7, 0, 0) | 0xFF000000u, 7, 5}, // only the colour bits count
    };
    for (const Step& s : steps) {
        EXPECT_EQ(cache->Get(s.color, nearest), s.index) << std::hex << s.color;
        EXPECT_EQ(searches, s.searchesAfter) << std::hex << s.color;
    }
}

} // namespace
} // namespace pixkit
