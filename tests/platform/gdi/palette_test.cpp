// Logical palettes: creation limits, entries, nearest colour, selection.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gditest;

namespace {

// A LOGPALETTE with room for `entries`.
std::vector<std::uint8_t> logPalette(std::initializer_list<COLORREF> colors, WORD version = 0x300)
{
    std::vector<std::uint8_t> block(4 + 4 * std::max<std::size_t>(colors.size(), 1));
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = version;
    lp->palNumEntries = static_cast<WORD>(colors.size());
    int i = 0;
    for (COLORREF c : colors)
        lp->palPalEntry[i++] = PALETTEENTRY{GetRValue(c), GetGValue(c), GetBValue(c), 0};
    return block;
}

Palette makePalette(std::initializer_list<COLORREF> colors)
{
    const auto block = logPalette(colors);
    return Palette(CreatePalette(reinterpret_cast<const LOGPALETTE*>(block.data())));
}

TEST(CreatePalette, RefusesWrongVersionNoEntriesAndNull)
{
    const auto wrong = logPalette({RGB(1, 2, 3)}, 0x200);
    EXPECT_EQ(CreatePalette(reinterpret_cast<const LOGPALETTE*>(wrong.data())), nullptr);
    const auto empty = logPalette({});
    EXPECT_EQ(CreatePalette(reinterpret_cast<const LOGPALETTE*>(empty.data())), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST(CreatePalette, AcceptsMoreThan256Entries)
{
    std::vector<std::uint8_t> block(4 + 4 * 300);
    auto* lp = reinterpret_cast<LOGPALETTE*>(block.data());
    lp->palVersion = 0x300;
    lp->palNumEntries = 300;
    lp->palPalEntry[299] = PALETTEENTRY{7, 8, 9, 0};
    Palette pal(CreatePalette(lp));
    ASSERT_TRUE(pal);
    EXPECT_EQ(GetPaletteEntries(pal.get(), 0, 0, nullptr), 300u);
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(7, 8, 9)), 299u);
}

TEST(GetPaletteEntries, CopiesWhatExists)
{
    Palette pal = makePalette({RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)});
    PALETTEENTRY e[4]{};
    EXPECT_EQ(GetPaletteEntries(pal.get(), 0, 0, nullptr), 3u);
    EXPECT_EQ(GetPaletteEntries(pal.get(), 1, 4, e), 2u);
    EXPECT_EQ(e[0].peRed, 4);
    EXPECT_EQ(e[1].peBlue, 9);
    EXPECT_EQ(GetPaletteEntries(pal.get(), 3, 1, e), 0u);
    EXPECT_EQ(GetPaletteEntries(nullptr, 0, 1, e), 0u);
    WORD count = 0;
    EXPECT_EQ(GetObjectA(pal.get(), sizeof count, &count), 2);
    EXPECT_EQ(count, 3);
}

TEST(GetNearestPaletteIndex, NearestBySquaredDistanceLowestOnATie)
{
    Palette pal = makePalette({RGB(0, 0, 0), RGB(100, 0, 0), RGB(0, 100, 0), RGB(100, 0, 0)});
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(90, 0, 0)), 1u);
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(60, 60, 0)), 1u);  // 1 and 2 tie
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(50, 50, 0)), 0u);  // 0, 1 and 2 tie
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(100, 0, 0)), 1u);  // duplicate entry 3
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(40, 40, 40)), 0u); // 4800 against 6800
    EXPECT_EQ(GetNearestPaletteIndex(pal.get(), RGB(10, 60, 0)), 2u);
    EXPECT_EQ(GetNearestPaletteIndex(nullptr, 0), CLR_INVALID);
    Rgn notAPalette(CreateRectRgn(0, 0, 1, 1));
    EXPECT_EQ(GetNearestPaletteIndex(reinterpret_cast<HPALETTE>(notAPalette.get()), 0), CLR_INVALID);
}

TEST(SelectPalette, ReturnsThePreviousAndRealizeReportsTheSize)
{
    Dc dc(CreateCompatibleDC(nullptr));
    HPALETTE stock = static_cast<HPALETTE>(GetCurrentObject(dc.get(), OBJ_PAL));
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(RealizePalette(dc.get()), 20u); // the default palette
    Palette pal = makePalette({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3)});
    EXPECT_EQ(SelectPalette(dc.get(), pal.get(), FALSE), stock);
    EXPECT_EQ(RealizePalette(dc.get()), 3u);
    EXPECT_EQ(SelectPalette(dc.get(), stock, FALSE), pal.get());
    EXPECT_EQ(SelectPalette(dc.get(), nullptr, FALSE), nullptr);
    EXPECT_EQ(RealizePalette(nullptr), GDI_ERROR);
    // Palettes go through SelectPalette, not SelectObject.
    EXPECT_EQ(SelectObject(dc.get(), pal.get()), nullptr);
}

TEST(SelectPalette, DeletingASelectedPaletteFallsBackToTheDefault)
{
    Dc dc(CreateCompatibleDC(nullptr));
    HPALETTE pal = makePalette({RGB(1, 1, 1)}).release();
    HGDIOBJ stock = SelectPalette(dc.get(), pal, FALSE);
    EXPECT_TRUE(DeleteObject(pal));
    EXPECT_EQ(RealizePalette(dc.get()), 20u);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PAL), stock);
    // The stock palette survives DeleteObject.
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetObjectType(stock), OBJ_PAL);
}

} // namespace
