// The two clips of a DC (the owner's system clip and the program's clip),
// GetClipBox, and SaveDC / RestoreDC.
#include "platform/gdi_surface.h"

#include "gdi_test_support.h"
#include "picture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gditest;

namespace {

bool sameRect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom)
{
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

// An 8 x 6 window store whose DC has logical (0, 0) at memory (1, 1) and a
// system clip of memory (2, 1)-(7, 5), like a window DC.
struct WindowDc : ::testing::Test {
    static constexpr int kWidth = 8;
    static constexpr int kHeight = 6;
    std::vector<std::uint32_t> memory = std::vector<std::uint32_t>(kWidth * kHeight, 0);
    Dc dc;

    void SetUp() override
    {
        Rgn visible(CreateRectRgn(2, 1, 7, 5));
        dc.reset(GdiCreateSurfaceDC(memory.data(), kWidth, kHeight, kWidth * 4, visible.get(), 1, 1));
        ASSERT_TRUE(dc);
        SelectObject(dc.get(), GetStockObject(WHITE_BRUSH));
    }
    // Memory as text: '#' where the brush landed.
    std::string painted() const
    {
        std::string out;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x)
                out += (memory[static_cast<std::size_t>(y * kWidth + x)] & 0xFFFFFFu) != 0 ? '#' : '.';
            out += '\n';
        }
        return out;
    }
    void paintAll() { PatBlt(dc.get(), -1, -1, kWidth, kHeight, PATCOPY); }
};

TEST_F(WindowDc, DrawingLandsWhereBothClipsAllow)
{
    // Logical (0, 0)-(3, 3) is memory (1, 1)-(4, 4).
    EXPECT_EQ(IntersectClipRect(dc.get(), 0, 0, 3, 3), SIMPLEREGION);
    paintAll();
    EXPECT_EQ(painted(), rows("........", "..##....", "..##....", "..##....", "........", "........"));
    RECT box{};
    EXPECT_EQ(GetClipBox(dc.get(), &box), SIMPLEREGION);
    EXPECT_TRUE(sameRect(box, 1, 0, 3, 3));
}

TEST_F(WindowDc, RemovingTheProgramClipLeavesTheSystemClip)
{
    Rgn logical(CreateRectRgn(0, 0, 2, 2));
    EXPECT_EQ(SelectClipRgn(dc.get(), logical.get()), SIMPLEREGION);
    EXPECT_EQ(SelectClipRgn(dc.get(), nullptr), SIMPLEREGION);
    paintAll();
    EXPECT_EQ(painted(), rows("........", "..#####.", "..#####.", "..#####.", "..#####.", "........"));
    RECT box{};
    EXPECT_EQ(GetClipBox(dc.get(), &box), SIMPLEREGION);
    EXPECT_TRUE(sameRect(box, 1, 0, 6, 4));
    EXPECT_EQ(GetClipRgn(dc.get(), logical.get()), 0);
}

TEST_F(WindowDc, SelectedRegionsAreInLogicalCoordinatesAndCopied)
{
    Rgn logical(CreateRectRgn(0, 0, 2, 2));
    ASSERT_EQ(SelectObject(dc.get(), logical.get()), reinterpret_cast<HGDIOBJ>(SIMPLEREGION));
    SetRectRgn(logical.get(), 0, 0, 6, 6); // the DC keeps its own copy
    paintAll();
    EXPECT_EQ(painted(), rows("........", "..#.....", "..#.....", "........", "........", "........"));

    Rgn back(CreateRectRgn(0, 0, 0, 0));
    ASSERT_EQ(GetClipRgn(dc.get(), back.get()), 1);
    RECT box{};
    GetRgnBox(back.get(), &box);
    EXPECT_TRUE(sameRect(box, 0, 0, 2, 2));
}

TEST_F(WindowDc, ExcludingAndEmptyingReportTheirKinds)
{
    EXPECT_EQ(ExcludeClipRect(dc.get(), 2, 1, 3, 2), COMPLEXREGION);
    paintAll();
    EXPECT_EQ(painted(), rows("........", "..#####.", "..#.###.", "..#####.", "..#####.", "........"));
    EXPECT_EQ(PtVisible(dc.get(), 2, 1), FALSE);
    EXPECT_EQ(PtVisible(dc.get(), 1, 1), TRUE);
    EXPECT_EQ(PtVisible(dc.get(), 0, 0), FALSE); // outside the system clip

    EXPECT_EQ(IntersectClipRect(dc.get(), 100, 100, 101, 101), NULLREGION);
    RECT box{1, 1, 1, 1};
    EXPECT_EQ(GetClipBox(dc.get(), &box), NULLREGION);
    EXPECT_TRUE(sameRect(box, 0, 0, 0, 0));
    const RECT r{-1, -1, 7, 5};
    EXPECT_FALSE(RectVisible(dc.get(), &r));
}

TEST_F(WindowDc, TextAndPensHonourBothClips)
{
    IntersectClipRect(dc.get(), 0, 0, 3, 3);
    SelectObject(dc.get(), GetStockObject(WHITE_PEN));
    MoveToEx(dc.get(), -1, 1, nullptr);
    LineTo(dc.get(), 7, 1); // memory row 2
    EXPECT_EQ(painted(), rows("........", "........", "..##....", "........", "........", "........"));
    RECT box{};
    SetTextColor(dc.get(), RGB(255, 255, 255));
    SetBkMode(dc.get(), OPAQUE);
    SetBkColor(dc.get(), RGB(255, 255, 255));
    TextOutA(dc.get(), -1, -1, "WWWW", 4);
    EXPECT_EQ(painted(), rows("........", "..##....", "..##....", "..##....", "........", "........"));
    EXPECT_EQ(GetClipBox(dc.get(), &box), SIMPLEREGION);
}

TEST(ExtSelectClipRgn, CombinesWithTheProgramClip)
{
    const struct {
        int mode;
        int kind;
        RECT box;
    } cases[] = {
        {RGN_AND, SIMPLEREGION, {1, 1, 2, 2}},  {RGN_OR, COMPLEXREGION, {0, 0, 3, 3}},
        {RGN_XOR, COMPLEXREGION, {0, 0, 3, 3}}, {RGN_DIFF, COMPLEXREGION, {0, 0, 2, 2}},
        {RGN_COPY, SIMPLEREGION, {1, 1, 3, 3}},
    };
    Rgn start(CreateRectRgn(0, 0, 2, 2));
    Rgn given(CreateRectRgn(1, 1, 3, 3));
    for (const auto& c : cases) {
        Canvas canvas(4, 4);
        SelectClipRgn(canvas.dc.get(), start.get());
        EXPECT_EQ(ExtSelectClipRgn(canvas.dc.get(), given.get(), c.mode), c.kind) << c.mode;
        RECT box{};
        EXPECT_EQ(GetClipBox(canvas.dc.get(), &box), c.kind) << c.mode;
        EXPECT_TRUE(sameRect(box, c.box.left, c.box.top, c.box.right, c.box.bottom)) << c.mode;
    }
    // Without a program clip the whole surface takes part.
    Canvas canvas(4, 4);
    EXPECT_EQ(ExtSelectClipRgn(canvas.dc.get(), given.get(), RGN_DIFF), COMPLEXREGION);
    EXPECT_EQ(ExtSelectClipRgn(canvas.dc.get(), nullptr, RGN_AND), ERROR);
    EXPECT_EQ(ExtSelectClipRgn(canvas.dc.get(), given.get(), 99), ERROR);
    EXPECT_EQ(ExtSelectClipRgn(canvas.dc.get(), nullptr, RGN_COPY), SIMPLEREGION);
}

TEST(SaveDc, RestoresObjectsColoursModesClipAndPosition)
{
    Canvas c(4, 4);
    Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    Pen blue(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
    const HDC dc = c.dc.get();

    EXPECT_EQ(SaveDC(dc), 1);
    SelectObject(dc, red.get());
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, TRANSPARENT);
    SetROP2(dc, R2_XORPEN);
    IntersectClipRect(dc, 0, 0, 2, 2);
    MoveToEx(dc, 3, 3, nullptr);
    EXPECT_EQ(SaveDC(dc), 2);
    SelectObject(dc, blue.get());
    SetTextColor(dc, RGB(4, 5, 6));
    SelectClipRgn(dc, nullptr);

    ASSERT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), red.get());
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    RECT box{};
    GetClipBox(dc, &box);
    EXPECT_TRUE(sameRect(box, 0, 0, 2, 2));

    ASSERT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    GetClipBox(dc, &box);
    EXPECT_TRUE(sameRect(box, 0, 0, 4, 4));
    POINT at{};
    GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(at.x, 0);

    // Nothing saved any more; level 0 never names a save.
    EXPECT_FALSE(RestoreDC(dc, 1));
    EXPECT_FALSE(RestoreDC(dc, -1));
    EXPECT_EQ(SaveDC(dc), 1);
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_FALSE(RestoreDC(dc, 2));
    EXPECT_FALSE(RestoreDC(dc, -2));
    EXPECT_TRUE(RestoreDC(dc, 1));
}

TEST(SaveDc, RestoringABitmapFreesTheOneSelectedSince)
{
    Canvas c(2, 2);
    Info info(2, 2, 32);
    DibSection other = makeDib(info);
    const HDC dc = c.dc.get();
    ASSERT_EQ(SaveDC(dc), 1);
    ASSERT_EQ(SelectObject(dc, other.bitmap.get()), c.dib.bitmap.get());
    ASSERT_TRUE(RestoreDC(dc, 1));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), c.dib.bitmap.get());
    // The other bitmap is free again: another DC may take it.
    Dc second(CreateCompatibleDC(nullptr));
    EXPECT_NE(SelectObject(second.get(), other.bitmap.get()), nullptr);
}

} // namespace
