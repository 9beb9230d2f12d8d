// The window's outline from its frame bitmap: runs of non-key pixels, the
// blocks they are gathered in, and the united region.
#include "FrameRegion.h"

#include "pixkit.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr COLORREF kKey = 0x00FF00;
constexpr COLORREF kOther = 0x123456;

// Rows of an image: '.' is the key colour, anything else another colour.
frame_region::PixelSource FromRows(const std::vector<std::string>& rows)
{
    return [rows](int x, int y) { return rows[y][x] == '.' ? kKey : kOther; };
}

std::vector<RECT> Runs(const std::vector<std::string>& rows)
{
    std::vector<RECT> runs;
    frame_region::ForEachRun(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), FromRows(rows), kKey,
                             [&](const RECT& r) { runs.push_back(r); });
    return runs;
}

bool Same(const std::vector<RECT>& a, const std::vector<RECT>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].left != b[i].left || a[i].top != b[i].top || a[i].right != b[i].right || a[i].bottom != b[i].bottom)
            return false;
    return true;
}

std::string Describe(const std::vector<RECT>& runs)
{
    std::string s;
    for (const RECT& r : runs)
        s += "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
             std::to_string(r.bottom) + ")";
    return s;
}

} // namespace

TEST(FrameRegionRuns, EachHorizontalRunOfNonKeyPixelsIsOneRectangle)
{
    struct Case {
        const char* name;
        std::vector<std::string> rows;
        std::vector<RECT> runs;
    } cases[] = {
        {"other, key, other", {"x.x"}, {{0, 0, 1, 1}, {2, 0, 3, 1}}},
        {"a run reaching the last column ends at the width", {"..xx"}, {{2, 0, 4, 1}}},
        {"a whole row", {"xxx"}, {{0, 0, 3, 1}}},
        {"every pixel the key", {"...", "..."}, {}},
        {"runs after several key pixels", {"x..xx.x"}, {{0, 0, 1, 1}, {3, 0, 5, 1}, {6, 0, 7, 1}}},
        {"rows keep their own y", {".x.", "xx.", "..x"}, {{1, 0, 2, 1}, {0, 1, 2, 2}, {2, 2, 3, 3}}},
    };
    for (const auto& c : cases) {
        const auto runs = Runs(c.rows);
        EXPECT_TRUE(Same(runs, c.runs)) << c.name << ": got " << Describe(runs) << ", want " << Describe(c.runs);
    }
}

TEST(FrameRegionBlocks, TheRoomGrowsInStepsAndTheBoundsFollowTheRectangles)
{
    frame_region::RunBlock block;
    EXPECT_EQ(block.Room(), frame_region::kRoomStep);
    for (int i = 0; i < 101; ++i)
        block.Add(RECT{i, i + 3, i + 2, i + 4});
    EXPECT_EQ(block.Count(), 101u);
    EXPECT_EQ(block.Room(), 2 * frame_region::kRoomStep);
    EXPECT_EQ(block.DataSize(), 32u + 200u * 16u) << "the header and the whole room";
    const RECT bounds = block.Bounds();
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 3);
    EXPECT_EQ(bounds.right, 102);
    EXPECT_EQ(bounds.bottom, 104);
    EXPECT_EQ(block.Data()->rdh.nCount, 101u);
    EXPECT_EQ(block.Data()->rdh.iType, RDH_RECTANGLES);

    block.Reset();
    EXPECT_EQ(block.Count(), 0u);
    EXPECT_EQ(block.Room(), 2 * frame_region::kRoomStep) << "the room is kept";
    block.Add(RECT{50, 60, 51, 61});
    EXPECT_EQ(block.Bounds().left, 50) << "the bounds started afresh";
    EXPECT_EQ(block.Bounds().right, 51);
}

TEST(FrameRegionBlocks, ManyRunsAreHandedOverInBlocksOfAtMostTwoThousand)
{
    std::vector<DWORD> counts;
    std::vector<RECT> firstOfEach;
    frame_region::RunCollector collector([&](const frame_region::RunBlock& block) {
        counts.push_back(block.Count());
        const RECT* rects = reinterpret_cast<const RECT*>(block.Data()->Buffer);
        if (block.Count() > 0)
            firstOfEach.push_back(rects[0]);
        EXPECT_GE(block.DataSize(), 32u + block.Count() * 16u);
    });
    for (int i = 0; i < 4500; ++i)
        collector.Add(RECT{2 * (i % 50), i / 50, 2 * (i % 50) + 1, i / 50 + 1});
    collector.Finish();
    EXPECT_EQ(counts, (std::vector<DWORD>{2000, 2000, 500}));
    ASSERT_EQ(firstOfEach.size(), 3u);
    EXPECT_EQ(firstOfEach[1].top, 40) << "the second block starts with run 2000";
    EXPECT_EQ(firstOfEach[2].top, 80) << "the third block starts with run 4000";

    counts.clear();
    frame_region::RunCollector exact([&](const frame_region::RunBlock& block) { counts.push_back(block.Count()); });
    for (int i = 0; i < 2000; ++i)
        exact.Add(RECT{0, i, 1, i + 1});
    exact.Finish();
    EXPECT_EQ(counts, (std::vector<DWORD>{2000, 0})) << "the last hand-over may be empty";
}

TEST(FrameRegionBitmap, FourThousandFiveHundredRunsUniteIntoTheWholeShape)
{
    // 100 x 90: every other column is the key, so each row has 50 runs.
    CDIB image;
    ASSERT_TRUE(image.Create(100, 90, 24, nullptr));
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 100; ++x)
            image.SetPixelColor(x, y, x % 2 ? kKey : kOther);
    HRGN region = MakeRegionFromBitmap(&image, kKey);
    ASSERT_NE(region, nullptr);
    int wrong = 0;
    for (int y = 0; y < 90; ++y)
        for (int x = 0; x < 100; ++x)
            if ((PtInRegion(region, x, y) != FALSE) != (x % 2 == 0))
                ++wrong;
    EXPECT_EQ(wrong, 0) << "pixels in the region exactly where the image is not the key";
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, 99);
    EXPECT_EQ(box.bottom, 90) << "rows of all three blocks are in it";
    DeleteObject(region);
}

TEST(FrameRegionBitmap, NoImageGivesNoRegionAndAnAllKeyImageAnEmptyOne)
{
    CDIB invalid;
    EXPECT_EQ(MakeRegionFromBitmap(&invalid, kKey), nullptr);
    EXPECT_EQ(MakeRegionFromBitmap(nullptr, kKey), nullptr);

    CDIB green;
    ASSERT_TRUE(green.Create(4, 3, 24, nullptr));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            green.SetPixelColor(x, y, kKey);
    HRGN region = MakeRegionFromBitmap(&green, kKey);
    ASSERT_NE(region, nullptr);
    RECT box{};
    EXPECT_EQ(GetRgnBox(region, &box), NULLREGION);
    DeleteObject(region);
}
