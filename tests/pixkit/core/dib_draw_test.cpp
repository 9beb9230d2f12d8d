// Lines, rectangles and fills.
#include "dib_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

using namespace pixkit_test;

namespace {

using Points = std::set<std::pair<int, int>>;

constexpr COLORREF kInk = RGB(10, 200, 30);

// A black 24-bit image of 8 x 8 that a drawing call paints; the points it
// painted come back.
template <typename Draw>
Points Painted(Draw draw)
{
    CDIB dib;
    EXPECT_EQ(dib.Create(8, 8, 24, nullptr), 1);
    std::memset(dib.GetBits(), 0, dib.GetBitsSize());
    draw(dib);
    Points points;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if (dib.GetPixelColor(x, y) != 0) {
                EXPECT_EQ(dib.GetPixelColor(x, y), kInk);
                points.insert({x, y});
            }
    return points;
}

TEST(DibDraw, LineIsAFixedPointDdaThatStopsShortOfItsEnd)
{
    struct Case {
        int x1, y1, x2, y2;
        Points drawn;
    } const cases[] = {
        {0, 0, 3, 0, {{0, 0}, {1, 0}, {2, 0}}},
        {0, 0, 3, 1, {{0, 0}, {1, 0}, {2, 1}}}, // y runs 127, 212, 297
        {3, 0, 0, 0, {{3, 0}, {2, 0}, {1, 0}}},
        {5, 5, 5, 5, {}},
        {0, 0, 0, 3, {{0, 0}, {0, 1}, {0, 2}}},
        {0, 0, 7, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 2}}},
        {2, 6, 5, 3, {{2, 6}, {3, 5}, {4, 4}}},
        // Shifts round towards minus infinity: x = -129 is column -1, off
        // the image, not column 0.
        {0, 0, -3, 3, {{0, 0}}},
        // Lines may reach beyond the image; only the part inside is drawn.
        {-3, 1, 3, 1, {{0, 1}, {1, 1}, {2, 1}}},
        {6, 7, 12, 7, {{6, 7}, {7, 7}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Painted([&c](CDIB& d) { d.Line(c.x1, c.y1, c.x2, c.y2, kInk); }), c.drawn)
            << "Line(" << c.x1 << ", " << c.y1 << ", " << c.x2 << ", " << c.y2 << ")";
    }
}

TEST(DibDraw, RectangleAndFillRectTakeInclusiveCorners)
{
    struct Case {
        const char* name;
        bool filled;
        int left, top, right, bottom;
        Points drawn;
    } const cases[] = {
        {"outline", false, 1, 1, 3, 2, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}}},
        {"outline 4 x 4", false, 2, 2, 5, 5,
         {{2, 2}, {3, 2}, {4, 2}, {5, 2}, {2, 5}, {3, 5}, {4, 5}, {5, 5}, {2, 3}, {2, 4}, {5, 3}, {5, 4}}},
        // left > right: no top and bottom edges, the two side edges remain.
        {"outline reversed", false, 3, 1, 1, 2, {{3, 1}, {3, 2}, {1, 1}, {1, 2}}},
        {"outline off the image", false, -2, -2, 1, 1, {{0, 1}, {1, 1}, {1, 0}}},
        {"fill", true, 1, 2, 2, 3, {{1, 2}, {2, 2}, {1, 3}, {2, 3}}},
        {"fill empty", true, 2, 2, 1, 1, {}},
        {"fill off the image", true, -5, -5, 1, 1, {{0, 0}, {1, 0}, {0, 1}, {1, 1}}},
        {"fill single pixel", true, 7, 7, 7, 7, {{7, 7}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Painted([&c](CDIB& d) {
                      if (c.filled)
                          d.FillRect(c.left, c.top, c.right, c.bottom, kInk);
                      else
                          d.Rectangle(c.left, c.top, c.right, c.bottom, kInk);
                  }),
                  c.drawn)
            << c.name;
    }
}

TEST(DibDraw, HugeShapesCoverTheImageWithoutWalkingTheirWholeRange)
{
    Points all;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            all.insert({x, y});
    EXPECT_EQ(Painted([](CDIB& d) { d.FillRect(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, kInk); }), all);
    EXPECT_EQ(Painted([](CDIB& d) { d.Rectangle(INT32_MIN, 3, INT32_MAX, INT32_MAX, kInk); }),
              (Points{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}, {7, 3}}));
}

TEST(DibDraw, FillPaintsEveryPixelAtEveryDepth)
{
    struct Case {
        int bits;
        COLORREF color;
        unsigned long raw;
    } const cases[] = {
        {8, RGB(12, 12, 12), 12}, // the grey ramp of an image made without a palette
        {16, RGB(255, 255, 255), 0x7FFF},
        {24, RGB(1, 2, 3), 0x010203},
        {32, RGB(1, 2, 3), 0x010203},
    };
    for (const Case& c : cases) {
        CDIB dib;
        ASSERT_EQ(dib.Create(5, 3, c.bits, nullptr), 1);
        std::memset(dib.GetBits(), 0x77, dib.GetBitsSize());
        dib.Fill(c.color);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(dib.GetPixel(x, y), c.raw) << c.bits << " bits at " << x << "," << y;
    }
}

TEST(DibDraw, IndexedDrawingWritesTheNearestPaletteIndex)
{
    const auto palette = DistinctPalette();
    CDIB dib;
    ASSERT_EQ(dib.Create(6, 4, 8, const_cast<PALETTEENTRY*>(palette.data())), 1);
    // Near entry 40 (40, 215, 24) and far from every other.
    dib.Fill(RGB(41, 214, 25));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(dib.GetPixel(x, y), 40u);
    dib.Line(0, 0, 6, 0, ColorOf(palette[3]));
    EXPECT_EQ(dib.GetPixel(5, 0), 3u);
    EXPECT_EQ(dib.GetPixel(5, 1), 40u);
}

} // namespace
