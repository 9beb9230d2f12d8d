// Regions: construction, the combination table, canonical banded form,
// queries, region data, and building a large region from runs.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace gditest;

namespace {

std::vector<RECT> rectsOf(HRGN rgn)
{
    const DWORD size = GetRegionData(rgn, 0, nullptr);
    std::vector<std::uint8_t> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size == 0 || GetRegionData(rgn, size, data) != size)
        return {};
    std::vector<RECT> out(data->rdh.nCount);
    std::memcpy(out.data(), data->Buffer, out.size() * sizeof(RECT));
    return out;
}

bool sameRects(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const RECT& p, const RECT& q) {
               return p.left == q.left && p.top == q.top && p.right == q.right && p.bottom == q.bottom;
           });
}

std::vector<std::uint8_t> regionData(const std::vector<RECT>& rects)
{
    std::vector<std::uint8_t> block(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATAHEADER h{};
    h.dwSize = sizeof h;
    h.iType = RDH_RECTANGLES;
    h.nCount = static_cast<DWORD>(rects.size());
    h.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    std::memcpy(block.data(), &h, sizeof h);
    std::memcpy(block.data() + sizeof h, rects.data(), rects.size() * sizeof(RECT));
    return block;
}

Rgn fromData(const std::vector<RECT>& rects)
{
    const auto block = regionData(rects);
    return Rgn(ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), reinterpret_cast<const RGNDATA*>(block.data())));
}

TEST(CreateRectRgn, NormalisesCornersAndMayBeEmpty)
{
    RECT box{};
    Rgn swapped(CreateRectRgn(10, 20, 0, 5));
    EXPECT_EQ(GetRgnBox(swapped.get(), &box), SIMPLEREGION);
    EXPECT_TRUE(sameRects({box}, {RECT{0, 5, 10, 20}}));
    Rgn flat(CreateRectRgn(3, 3, 3, 9));
    EXPECT_EQ(GetRgnBox(flat.get(), &box), NULLREGION);
    EXPECT_TRUE(sameRects({box}, {RECT{0, 0, 0, 0}}));
    const RECT r{1, 2, 3, 4};
    Rgn indirect(CreateRectRgnIndirect(&r));
    EXPECT_EQ(GetRgnBox(indirect.get(), &box), SIMPLEREGION);
    EXPECT_EQ(CreateRectRgnIndirect(nullptr), nullptr);
}

struct CombineCase {
    const char* name;
    int mode;
    int kind;
    std::vector<RECT> rects;
};

TEST(CombineRgn, EachModeGivesTheCanonicalBands)
{
    // a = [0,10) x [0,10), b = [5,15) x [5,15)
    const CombineCase cases[] = {
        {"AND", RGN_AND, SIMPLEREGION, {{5, 5, 10, 10}}},
        {"OR", RGN_OR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 15, 10}, {5, 10, 15, 15}}},
        {"XOR", RGN_XOR, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}, {10, 5, 15, 10}, {5, 10, 15, 15}}},
        {"DIFF", RGN_DIFF, COMPLEXREGION, {{0, 0, 10, 5}, {0, 5, 5, 10}}},
        {"COPY", RGN_COPY, SIMPLEREGION, {{0, 0, 10, 10}}},
    };
    for (const CombineCase& c : cases) {
        Rgn a(CreateRectRgn(0, 0, 10, 10));
        Rgn b(CreateRectRgn(5, 5, 15, 15));
        Rgn out(CreateRectRgn(0, 0, 0, 0));
        EXPECT_EQ(CombineRgn(out.get(), a.get(), b.get(), c.mode), c.kind) << c.name;
        EXPECT_TRUE(sameRects(rectsOf(out.get()), c.rects)) << c.name;
    }
}

TEST(CombineRgn, DestinationMayBeASourceAndResultsCanBeEmpty)
{
    Rgn a(CreateRectRgn(0, 0, 4, 4));
    Rgn b(CreateRectRgn(4, 0, 8, 4));
    // Touching rectangles merge into one span.
    EXPECT_EQ(CombineRgn(a.get(), a.get(), b.get(), RGN_OR), SIMPLEREGION);
    EXPECT_TRUE(sameRects(rectsOf(a.get()), {RECT{0, 0, 8, 4}}));
    EXPECT_EQ(CombineRgn(a.get(), a.get(), a.get(), RGN_DIFF), NULLREGION);
    EXPECT_EQ(CombineRgn(b.get(), b.get(), a.get(), RGN_XOR), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(b.get(), b.get(), nullptr, RGN_OR), ERROR);
    EXPECT_EQ(CombineRgn(b.get(), b.get(), b.get(), 99), ERROR);
    EXPECT_EQ(CombineRgn(nullptr, b.get(), b.get(), RGN_OR), ERROR);
    // COPY ignores the second source.
    EXPECT_EQ(CombineRgn(a.get(), b.get(), nullptr, RGN_COPY), SIMPLEREGION);
}

TEST(Regions, SameAreaBuiltDifferentlyIsEqual)
{
    // An L shape three ways: two overlapping rectangles, three pieces,
    // and a square minus a corner.
    Rgn one = fromData({{0, 0, 10, 5}, {0, 0, 5, 10}});
    Rgn two = fromData({{0, 5, 5, 10}, {5, 0, 10, 5}, {0, 0, 5, 5}});
    Rgn square(CreateRectRgn(0, 0, 10, 10));
    Rgn corner(CreateRectRgn(5, 5, 10, 10));
    Rgn three(CreateRectRgn(0, 0, 0, 0));
    CombineRgn(three.get(), square.get(), corner.get(), RGN_DIFF);
    EXPECT_TRUE(EqualRgn(one.get(), two.get()));
    EXPECT_TRUE(EqualRgn(one.get(), three.get()));
    EXPECT_TRUE(sameRects(rectsOf(one.get()), {RECT{0, 0, 10, 5}, RECT{0, 5, 5, 10}}));
    EXPECT_FALSE(EqualRgn(one.get(), square.get()));
    EXPECT_FALSE(EqualRgn(one.get(), nullptr));
}

TEST(Regions, StackedRowsWithTheSameSpansMergeIntoOneBand)
{
    std::vector<RECT> rows;
    for (int y = 0; y < 6; ++y)
        rows.push_back(RECT{2, y, 7, y + 1});
    rows.push_back(RECT{0, 6, 3, 7});
    rows.push_back(RECT{5, 6, 9, 7});
    Rgn rgn = fromData(rows);
    EXPECT_TRUE(sameRects(rectsOf(rgn.get()), {RECT{2, 0, 7, 6}, RECT{0, 6, 3, 7}, RECT{5, 6, 9, 7}}));
}

TEST(Regions, PointAndRectangleQueries)
{
    Rgn rgn = fromData({{0, 0, 4, 2}, {6, 0, 8, 2}, {0, 5, 2, 6}});
    EXPECT_TRUE(PtInRegion(rgn.get(), 0, 0));
    EXPECT_TRUE(PtInRegion(rgn.get(), 7, 1));
    EXPECT_FALSE(PtInRegion(rgn.get(), 4, 0)); // right edge excluded
    EXPECT_FALSE(PtInRegion(rgn.get(), 5, 1)); // the gap
    EXPECT_FALSE(PtInRegion(rgn.get(), 0, 2)); // bottom edge excluded
    EXPECT_TRUE(PtInRegion(rgn.get(), 1, 5));
    EXPECT_FALSE(PtInRegion(rgn.get(), -1, 0));
    const RECT gap{4, 0, 6, 5};
    const RECT touching{3, 1, 5, 3};
    const RECT reversed{5, 3, 3, 1};
    EXPECT_FALSE(RectInRegion(rgn.get(), &gap));
    EXPECT_TRUE(RectInRegion(rgn.get(), &touching));
    EXPECT_TRUE(RectInRegion(rgn.get(), &reversed));
    RECT box{};
    EXPECT_EQ(GetRgnBox(rgn.get(), &box), COMPLEXREGION);
    EXPECT_TRUE(sameRects({box}, {RECT{0, 0, 8, 6}}));
    EXPECT_FALSE(PtInRegion(nullptr, 0, 0));
}

TEST(Regions, OffsetAndSetRectRgn)
{
    Rgn rgn(CreateRectRgn(0, 0, 2, 2));
    EXPECT_EQ(OffsetRgn(rgn.get(), 3, -1), SIMPLEREGION);
    EXPECT_TRUE(sameRects(rectsOf(rgn.get()), {RECT{3, -1, 5, 1}}));
    EXPECT_EQ(OffsetRgn(rgn.get(), INT_MAX, 0), ERROR); // would overflow: unchanged
    EXPECT_TRUE(sameRects(rectsOf(rgn.get()), {RECT{3, -1, 5, 1}}));
    EXPECT_TRUE(SetRectRgn(rgn.get(), 9, 9, 1, 1));
    EXPECT_TRUE(sameRects(rectsOf(rgn.get()), {RECT{1, 1, 9, 9}}));
    EXPECT_TRUE(SetRectRgn(rgn.get(), 1, 1, 1, 1));
    EXPECT_EQ(OffsetRgn(rgn.get(), 1, 1), NULLREGION);
    EXPECT_FALSE(SetRectRgn(nullptr, 0, 0, 1, 1));
}

TEST(GetRegionData, ReportsTheSizeNeededAndFillsTheHeader)
{
    Rgn rgn = fromData({{0, 0, 2, 1}, {3, 0, 4, 1}});
    const DWORD needed = sizeof(RGNDATAHEADER) + 2 * sizeof(RECT);
    EXPECT_EQ(GetRegionData(rgn.get(), 0, nullptr), needed);
    std::vector<std::uint8_t> buffer(needed);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    EXPECT_EQ(GetRegionData(rgn.get(), needed - 1, data), needed);
    EXPECT_EQ(data->rdh.dwSize, 0u); // too small: nothing written
    EXPECT_EQ(GetRegionData(rgn.get(), needed, data), needed);
    EXPECT_EQ(data->rdh.dwSize, sizeof(RGNDATAHEADER));
    EXPECT_EQ(data->rdh.iType, RDH_RECTANGLES);
    EXPECT_EQ(data->rdh.nCount, 2u);
    EXPECT_EQ(data->rdh.nRgnSize, 2 * sizeof(RECT));
    EXPECT_TRUE(sameRects({data->rdh.rcBound}, {RECT{0, 0, 4, 1}}));
    EXPECT_EQ(GetRegionData(nullptr, 0, nullptr), 0u);

    Rgn empty(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetRegionData(empty.get(), 0, nullptr), sizeof(RGNDATAHEADER));
}

TEST(ExtCreateRegion, ValidatesTheDataAgainstItsSize)
{
    auto block = regionData({{0, 0, 1, 1}, {2, 2, 3, 3}});
    const auto* data = reinterpret_cast<const RGNDATA*>(block.data());
    const auto size = static_cast<DWORD>(block.size());
    EXPECT_EQ(ExtCreateRegion(nullptr, size - 1, data), nullptr);              // count short of nCount rects
    EXPECT_EQ(ExtCreateRegion(nullptr, sizeof(RGNDATAHEADER) - 1, data), nullptr);
    EXPECT_EQ(ExtCreateRegion(nullptr, size, nullptr), nullptr);
    int xform = 0;
    EXPECT_EQ(ExtCreateRegion(reinterpret_cast<const XFORM*>(&xform), size, data), nullptr);

    auto* header = reinterpret_cast<RGNDATAHEADER*>(block.data());
    header->nCount = 0xFFFFFFFFu; // a count that would overflow a size computation
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
    header->nCount = 2;
    header->iType = 2;
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
    header->iType = RDH_RECTANGLES;
    header->dwSize = 16;
    EXPECT_EQ(ExtCreateRegion(nullptr, size, data), nullptr);
    header->dwSize = sizeof(RGNDATAHEADER);
    Rgn ok(ExtCreateRegion(nullptr, size, data));
    EXPECT_EQ(rectsOf(ok.get()).size(), 2u);

    // Empty and inverted rectangles add nothing.
    Rgn none = fromData({{5, 5, 5, 9}, {9, 9, 1, 1}});
    RECT box{};
    EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
}

TEST(ExtCreateRegion, BuildsAWindowOutlineFromThousandsOfRuns)
{
    // A window shape cut from a bitmap: 1500 rows of three one-row runs each,
    // with jagged edges so that no two neighbouring rows merge; 4500 runs
    // passed in blocks of at most 2000 and united with OR.
    std::vector<RECT> runs;
    for (int y = 0; y < 1500; ++y) {
        runs.push_back(RECT{(y * 7) % 13, y, 100, y + 1});
        runs.push_back(RECT{150, y, 200 + y % 5, y + 1});
        runs.push_back(RECT{250, y, 300 - (y * 5) % 11, y + 1});
    }
    Rgn total(CreateRectRgn(0, 0, 0, 0));
    for (std::size_t first = 0; first < runs.size(); first += 2000) {
        const std::size_t n = std::min<std::size_t>(2000, runs.size() - first);
        Rgn block = fromData(std::vector<RECT>(runs.begin() + first, runs.begin() + first + n));
        ASSERT_TRUE(block);
        ASSERT_NE(CombineRgn(total.get(), total.get(), block.get(), RGN_OR), ERROR);
    }
    EXPECT_TRUE(sameRects(rectsOf(total.get()), runs));
    // Given in another order, at once, the result is the same canonical region.
    std::vector<RECT> shuffled(runs.rbegin(), runs.rend());
    Rgn once = fromData(shuffled);
    EXPECT_TRUE(EqualRgn(total.get(), once.get()));
    EXPECT_TRUE(PtInRegion(total.get(), 50, 700));
    EXPECT_FALSE(PtInRegion(total.get(), 120, 700));
    RECT box{};
    EXPECT_EQ(GetRgnBox(total.get(), &box), COMPLEXREGION);
    EXPECT_TRUE(sameRects({box}, {RECT{0, 0, 300, 1500}}));
}

TEST(Regions, StaleHandlesFail)
{
    HRGN rgn = CreateRectRgn(0, 0, 1, 1);
    EXPECT_TRUE(DeleteObject(rgn));
    RECT box{};
    EXPECT_EQ(GetRgnBox(rgn, &box), ERROR);
    EXPECT_EQ(OffsetRgn(rgn, 1, 1), ERROR);
    EXPECT_EQ(GetRegionData(rgn, 0, nullptr), 0u);
    Rgn live(CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(CombineRgn(live.get(), rgn, live.get(), RGN_OR), ERROR);
}

} // namespace
