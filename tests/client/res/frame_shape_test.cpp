// "Frame.bmp" as the window uses it: pure green cuts the outline, which must
// be more than a rectangle; the panes and the ticker find dark openings
// where the dialog's units put them; the skin buttons stand on the window.
#include "artwork_test_support.h"

#include "skin_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>
#include <vector>

using namespace res_test;

namespace {

constexpr COLORREF kGreen = RGB(0, 255, 0);

struct Rect {
    int left, top, right, bottom; // right and bottom exclusive
};

// Dialog units to pixels, in the ways a dialog runtime may round: edges
// truncated, edges rounded to nearest, or width and height converted apart
// from the position.
std::vector<Rect> PixelPlaces(const skin::Box& du, SIZE units)
{
    const auto floorX = [&](int v) { return v * units.cx / 4; };
    const auto floorY = [&](int v) { return v * units.cy / 8; };
    const auto nearX = [&](int v) { return (v * units.cx + 2) / 4; };
    const auto nearY = [&](int v) { return (v * units.cy + 4) / 8; };
    return {
        {floorX(du.x), floorY(du.y), floorX(du.x + du.width), floorY(du.y + du.height)},
        {nearX(du.x), nearY(du.y), nearX(du.x + du.width), nearY(du.y + du.height)},
        {floorX(du.x), floorY(du.y), floorX(du.x) + floorX(du.width), floorY(du.y) + floorY(du.height)},
    };
}

class FrameShape : public testing::Test {
protected:
    void SetUp() override
    {
        m_units = DialogBaseUnits();
        ASSERT_GT(m_units.cx, 0);
        m_frame = LoadArtwork("Frame.bmp");
        ASSERT_TRUE(m_frame->IsValid());
        m_width = m_frame->GetWidth();
        m_height = m_frame->GetHeight();
    }

    bool Key(int x, int y) const { return IsKey(*m_frame, x, y, kGreen); }

    SIZE m_units{};
    std::unique_ptr<CDIB> m_frame;
    int m_width = 0;
    int m_height = 0;
};

TEST_F(FrameShape, OutlineIsMoreThanOneRectangle)
{
    // The runs of window pixels, row by row, as the window's region is built.
    std::set<std::vector<std::pair<int, int>>> rowShapes;
    int left = m_width, top = m_height, right = 0, bottom = 0, inside = 0;
    for (int y = 0; y < m_height; ++y) {
        std::vector<std::pair<int, int>> runs;
        for (int x = 0; x < m_width;) {
            if (Key(x, y)) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < m_width && !Key(x, y))
                ++x;
            runs.emplace_back(start, x);
            inside += x - start;
            left = std::min(left, start);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = y + 1;
        }
        ASSERT_LE(runs.size(), 1u) << "row " << y << " is split: the window would have a hole";
        if (!runs.empty())
            rowShapes.insert(runs);
    }
    EXPECT_GT(rowShapes.size(), 2u);
    EXPECT_LT(inside, (right - left) * (bottom - top)); // not its bounding box
    // The window reaches every edge of the picture, so it is the picture's size.
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 0);
    EXPECT_EQ(right, m_width);
    EXPECT_EQ(bottom, m_height);
    // The corners are cut away.
    for (const auto& [x, y] : {std::pair{0, 0}, {m_width - 1, 0}, {0, m_height - 1}, {m_width - 1, m_height - 1}})
        EXPECT_TRUE(Key(x, y)) << x << ", " << y;
}

TEST_F(FrameShape, EdgesDoNotBleedIntoTheKey)
{
    // A pixel that is nearly the key would show as a green fringe.
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const auto c = static_cast<COLORREF>(m_frame->GetPixelColor(x, y));
            if (c == kGreen)
                continue;
            ASSERT_FALSE(GetGValue(c) > GetRValue(c) + 80 && GetGValue(c) > GetBValue(c) + 80)
                << x << ", " << y << " is greenish";
        }
    }
}

TEST_F(FrameShape, PanesAndTickerFindDarkOpenings)
{
    const std::pair<const char*, skin::Box> controls[] = {
        {"main pane", skin::kBrowserMainDu}, {"banner pane", skin::kBrowserBannerDu}, {"ticker", skin::kTickerDu}};
    for (const auto& [name, du] : controls) {
        for (const Rect& r : PixelPlaces(du, m_units)) {
            ASSERT_GE(r.left, 0) << name;
            ASSERT_LE(r.right, m_width) << name;
            ASSERT_LE(r.bottom, m_height) << name;
            for (int y = r.top; y < r.bottom; ++y) {
                for (int x = r.left; x < r.right; ++x) {
                    ASSERT_FALSE(Key(x, y)) << name << " at " << x << ", " << y << " is cut away";
                    const auto c = static_cast<COLORREF>(m_frame->GetPixelColor(x, y));
                    ASSERT_LT(std::max({GetRValue(c), GetGValue(c), GetBValue(c)}), 48)
                        << name << " at " << x << ", " << y << " is not in its opening";
                }
            }
        }
    }
}

TEST_F(FrameShape, SkinButtonsAndTickerStripStandOnTheWindow)
{
    std::vector<std::pair<int, skin::Box>> places;
    for (const skin::ButtonPlace& b : skin::kSkinButtons)
        places.emplace_back(b.id, b.box);
    places.emplace_back(skin::kTickerButton.id, skin::kTickerButton.box);
    places.emplace_back(IDC_TICKER_FRAME, skin::kTickerFramePlace);
    for (const auto& [id, box] : places) {
        ASSERT_LE(box.x + box.width, m_width) << id;
        ASSERT_LE(box.y + box.height, m_height) << id;
        for (int y = box.y; y < box.y + box.height; ++y)
            for (int x = box.x; x < box.x + box.width; ++x)
                ASSERT_FALSE(Key(x, y)) << "control " << id << " at " << x << ", " << y << " is cut away";
    }
}

} // namespace
