// The skin button's plain logic: the kind a style makes, LoadSkin's limits,
// the picture, edge and caption of every state (with the fallbacks for
// missing bitmaps), the outline runs of a mask and the tiles of mode 2.
#include "SkinButtonState.h"
#include "SkinMask.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace skinbutton;

TEST(SkinButtonKind, ComesFromTheLowByteOfTheStyle)
{
    struct Case {
        std::uint32_t style;
        Kind kind;
    } cases[] = {
        {0x00, Kind::Push},                  // BS_PUSHBUTTON
        {0x01, Kind::Push},                  // BS_DEFPUSHBUTTON
        {0x02, Kind::Push},                  // BS_CHECKBOX: not automatic
        {0x03, Kind::CheckBox},              // BS_AUTOCHECKBOX
        {0x04, Kind::Push},                  // BS_RADIOBUTTON: not automatic
        {0x09, Kind::Radio},                 // BS_AUTORADIOBUTTON
        {0x0B, Kind::CheckBox},              // BS_OWNERDRAW has both low bits
        {0x50010009, Kind::Radio},           // window style bits above the low byte are ignored
        {0x50010100 | 0x03, Kind::CheckBox}, // button flags in the second byte too
        {0x08, Kind::Push},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KindFromStyle(c.style), c.kind) << std::hex << c.style;
}

TEST(SkinButtonLoadSkin, DrawModeAndFocusMarginAreLimited)
{
    struct Case {
        short in;
        DrawMode mode;
    } modes[] = {{-1, DrawMode::Copy}, {-32768, DrawMode::Copy}, {0, DrawMode::Copy}, {1, DrawMode::Stretch},
                 {2, DrawMode::Tile},  {5, DrawMode::Tile},      {32767, DrawMode::Tile}};
    for (const Case& c : modes)
        EXPECT_EQ(ClampDrawMode(c.in), c.mode) << c.in;
    EXPECT_EQ(ClampFocusMargin(-3), 0);
    EXPECT_EQ(ClampFocusMargin(0), 0);
    EXPECT_EQ(ClampFocusMargin(4), 4);
}

PaintState AllBitmaps()
{
    PaintState s;
    s.hasNormal = s.hasDown = s.hasDisabled = s.hasOver = s.hasFocus = true;
    return s;
}

TEST(SkinButtonLook, TheFirstStateThatAppliesDecides)
{
    struct Case {
        const char* name;
        PaintState state;
        Picture picture;
        Edge edge;
        Caption caption;
        bool focusRect;
    };
    std::vector<Case> cases;
    auto add = [&](const char* name, auto change, Picture p, Edge e, Caption c, bool f) {
        PaintState s = AllBitmaps();
        change(s);
        cases.push_back({name, s, p, e, c, f});
    };
    add("idle", [](PaintState&) {}, Picture::Normal, Edge::Raised, Caption::Normal, false);
    add("hover", [](PaintState& s) { s.hover = true; }, Picture::Over, Edge::Raised, Caption::Normal, false);
    add("focused", [](PaintState& s) { s.focused = true; }, Picture::Focus, Edge::Raised, Caption::Normal, true);
    add("hover beats focus", [](PaintState& s) { s.hover = s.focused = true; }, Picture::Over, Edge::Raised,
        Caption::Normal, true);
    add("pressed", [](PaintState& s) { s.selected = s.hover = true; }, Picture::Down, Edge::Sunken,
        Caption::Pressed, false);
    add("checked", [](PaintState& s) { s.checked = true; }, Picture::Down, Edge::Sunken, Caption::Pressed, false);
    add("disabled beats everything",
        [](PaintState& s) { s.disabled = s.selected = s.checked = s.hover = s.focused = true; }, Picture::Disabled,
        Edge::Raised, Caption::Disabled, false);
    add("no over bitmap", [](PaintState& s) { s.hover = true, s.hasOver = false; }, Picture::Normal, Edge::Raised,
        Caption::Normal, false);
    add("no focus bitmap", [](PaintState& s) { s.focused = true, s.hasFocus = false; }, Picture::Normal,
        Edge::Raised, Caption::Normal, true);
    add("no normal bitmap: neither over nor focus shows",
        [](PaintState& s) { s.hover = s.focused = true, s.hasNormal = false; }, Picture::None, Edge::Raised,
        Caption::Normal, true);
    add("pressed without a down bitmap fills", [](PaintState& s) { s.selected = true, s.hasDown = false; },
        Picture::None, Edge::Sunken, Caption::Pressed, false);
    add("disabled without its bitmap fills", [](PaintState& s) { s.disabled = true, s.hasDisabled = false; },
        Picture::None, Edge::Raised, Caption::Disabled, false);
    add("pressed without a normal bitmap still shows down",
        [](PaintState& s) { s.selected = true, s.hasNormal = false; }, Picture::Down, Edge::Sunken,
        Caption::Pressed, false);
    for (const Case& c : cases) {
        const Look look = ChooseLook(c.state);
        EXPECT_EQ(look.picture, c.picture) << c.name;
        EXPECT_EQ(look.edge, c.edge) << c.name;
        EXPECT_EQ(look.caption, c.caption) << c.name;
        EXPECT_EQ(look.focusRect, c.focusRect) << c.name;
    }
}

// A mask drawn as text rows: '#' is outline, '.' is the key.
std::vector<Rect> RunsOf(const std::vector<std::string>& rows)
{
    const int height = static_cast<int>(rows.size());
    const int width = height ? static_cast<int>(rows[0].size()) : 0;
    return MaskRuns(width, height, 0xFFFFFF, [&](int x, int y) -> std::uint32_t {
        return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] == '.' ? 0xFFFFFFu : 0x000000u;
    });
}

bool Same(const std::vector<Rect>& got, const std::vector<Rect>& want)
{
    if (got.size() != want.size())
        return false;
    for (std::size_t i = 0; i < got.size(); ++i)
        if (got[i].left != want[i].left || got[i].top != want[i].top || got[i].right != want[i].right ||
            got[i].bottom != want[i].bottom)
            return false;
    return true;
}

TEST(SkinButtonMask, EachRunOfNonKeyPixelsIsOneRectangle)
{
    EXPECT_TRUE(Same(RunsOf({"#.#"}), {{0, 0, 1, 1}, {2, 0, 3, 1}}));
    EXPECT_TRUE(Same(RunsOf({"...#"}), {{3, 0, 4, 1}})) << "a lone last pixel reaches the right edge";
    EXPECT_TRUE(Same(RunsOf({".##.", "####", "...."}), {{1, 0, 3, 1}, {0, 1, 4, 2}}));
    EXPECT_TRUE(RunsOf({"....", "...."}).empty()) << "an all-white mask has no outline";
    EXPECT_TRUE(RunsOf({}).empty());
}

TEST(SkinButtonMask, OnlyTheExactKeyIsCutAway)
{
    const std::vector<Rect> runs =
        MaskRuns(3, 1, 0xFFFFFF, [](int x, int) -> std::uint32_t { return x == 1 ? 0xFEFFFFu : 0xFFFFFFu; });
    EXPECT_TRUE(Same(runs, {{1, 0, 2, 1}})) << "an almost-white pixel is inside";
}

TEST(SkinButtonTiles, CoverTheButtonAndCutTheLastRowAndColumn)
{
    const std::vector<Tile> tiles = Tiles(25, 12, 10, 8);
    ASSERT_EQ(tiles.size(), 6u);
    // Every pixel covered exactly once, and every tile within the bitmap.
    std::vector<int> cover(25 * 12, 0);
    for (const Tile& t : tiles) {
        EXPECT_LE(t.width, 10);
        EXPECT_LE(t.height, 8);
        for (int y = t.y; y < t.y + t.height; ++y)
            for (int x = t.x; x < t.x + t.width; ++x)
                ++cover.at(static_cast<std::size_t>(y * 25 + x));
    }
    for (int c : cover)
        EXPECT_EQ(c, 1);
    EXPECT_EQ(tiles.back().width, 5);
    EXPECT_EQ(tiles.back().height, 4);
}

TEST(SkinButtonTiles, NothingForAnEmptyBitmapOrButton)
{
    EXPECT_TRUE(Tiles(20, 20, 0, 5).empty()) << "an empty bitmap would otherwise never advance";
    EXPECT_TRUE(Tiles(20, 20, 5, 0).empty());
    EXPECT_TRUE(Tiles(0, 20, 5, 5).empty());
}

} // namespace
