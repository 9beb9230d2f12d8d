// Memory DCs: defaults, the stock bitmap, selection rules, compatible
// bitmaps and pixel access.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

using namespace gditest;

namespace {

TEST(MemoryDc, StartsWithTheDocumentedState)
{
    Dc dc(CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc);
    EXPECT_EQ(GetBkColor(dc.get()), RGB(255, 255, 255));
    EXPECT_EQ(GetTextColor(dc.get()), RGB(0, 0, 0));
    EXPECT_EQ(GetBkMode(dc.get()), OPAQUE);
    EXPECT_EQ(GetStretchBltMode(dc.get()), BLACKONWHITE);
    HGDIOBJ stock = GetCurrentObject(dc.get(), OBJ_BITMAP);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(stock, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);
    EXPECT_EQ(bm.bmHeight, 1);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_NE(GetCurrentObject(dc.get(), OBJ_PAL), nullptr);
}

TEST(MemoryDc, SettersReturnThePreviousValueAndRefuseNonsense)
{
    Dc dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(SetBkColor(dc.get(), RGB(1, 2, 3)), RGB(255, 255, 255));
    EXPECT_EQ(SetBkColor(dc.get(), 0), RGB(1, 2, 3));
    EXPECT_EQ(SetTextColor(dc.get(), RGB(9, 9, 9)), RGB(0, 0, 0));
    EXPECT_EQ(GetTextColor(dc.get()), RGB(9, 9, 9));
    EXPECT_EQ(SetBkMode(dc.get(), TRANSPARENT), OPAQUE);
    EXPECT_EQ(SetBkMode(dc.get(), 7), 0);
    EXPECT_EQ(GetBkMode(dc.get()), TRANSPARENT);
    EXPECT_EQ(SetStretchBltMode(dc.get(), COLORONCOLOR), BLACKONWHITE);
    EXPECT_EQ(SetStretchBltMode(dc.get(), 0), 0);
    EXPECT_EQ(SetStretchBltMode(dc.get(), 5), 0);
    EXPECT_EQ(GetStretchBltMode(dc.get()), COLORONCOLOR);
    EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
    EXPECT_EQ(GetTextColor(nullptr), CLR_INVALID);
    EXPECT_EQ(SetStretchBltMode(nullptr, COLORONCOLOR), 0);
}

TEST(MemoryDc, SelectingSwapsBitmapsAndTheStockOneComesBack)
{
    Dc dc(CreateCompatibleDC(nullptr));
    Info info(4, 4, 32);
    DibSection a = makeDib(info);
    DibSection b = makeDib(info);
    HGDIOBJ stock = SelectObject(dc.get(), a.bitmap.get());
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(SelectObject(dc.get(), b.bitmap.get()), a.bitmap.get());
    EXPECT_EQ(SelectObject(dc.get(), stock), b.bitmap.get());
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), stock);
    // The stock bitmap sits in every new DC at once.
    Dc other(CreateCompatibleDC(dc.get()));
    EXPECT_EQ(GetCurrentObject(other.get(), OBJ_BITMAP), stock);
    // Deleting it is harmless and does nothing.
    EXPECT_TRUE(DeleteObject(stock));
    EXPECT_EQ(GetObjectType(stock), OBJ_BITMAP);
}

TEST(MemoryDc, ASelectedBitmapIsNeitherFreedNorShared)
{
    Info info(4, 4, 32);
    HBITMAP bmp = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, nullptr, nullptr, 0);
    Dc dc(CreateCompatibleDC(nullptr));
    HGDIOBJ stock = SelectObject(dc.get(), bmp);
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_EQ(SetPixel(dc.get(), 1, 1, RGB(1, 2, 3)), RGB(1, 2, 3));

    Dc other(CreateCompatibleDC(nullptr));
    EXPECT_EQ(SelectObject(other.get(), bmp), nullptr);
    EXPECT_EQ(GetCurrentObject(other.get(), OBJ_BITMAP), stock);

    // Once released by its DC it may move and be deleted.
    SelectObject(dc.get(), stock);
    EXPECT_EQ(SelectObject(other.get(), bmp), stock);
    other.reset(); // DeleteDC releases it too
    EXPECT_TRUE(DeleteObject(bmp));
}

TEST(MemoryDc, DeletedDcHandleFails)
{
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(CreateCompatibleDC(dc), nullptr);
    EXPECT_EQ(SetPixel(dc, 0, 0, 0), CLR_INVALID);
}

int bitsPixel(HBITMAP bmp)
{
    BITMAP bm{};
    return GetObjectA(bmp, sizeof bm, &bm) != 0 ? bm.bmBitsPixel : -1;
}

TEST(CompatibleBitmap, DepthFollowsTheDc)
{
    Bitmap screen(CreateCompatibleBitmap(nullptr, 3, 2));
    EXPECT_EQ(bitsPixel(screen.get()), 32);

    Dc fresh(CreateCompatibleDC(nullptr)); // holds the monochrome stock bitmap
    Bitmap mono(CreateCompatibleBitmap(fresh.get(), 3, 2));
    EXPECT_EQ(bitsPixel(mono.get()), 1);

    Info info(2, 2, 8);
    DibSection dib = makeDib(info);
    Dc colour = dcWith(dib.bitmap.get());
    Bitmap fromColour(CreateCompatibleBitmap(colour.get(), 3, 2));
    EXPECT_EQ(bitsPixel(fromColour.get()), 32);

    BITMAP bm{};
    ASSERT_NE(GetObjectA(fromColour.get(), sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidth, 3);
    EXPECT_EQ(bm.bmHeight, 2);
    EXPECT_EQ(bm.bmWidthBytes, 12);
    EXPECT_EQ(bm.bmBits, nullptr);

    EXPECT_EQ(CreateCompatibleBitmap(nullptr, -1, 2), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(nullptr, 100000, 100000), nullptr);
}

TEST(CreateBitmap, MonochromeRowsAreWordAligned)
{
    // 10 pixels wide: 2 bytes per row; row 1 starts at byte 2.
    const std::uint8_t bits[] = {0b10100000, 0b01000000, 0b00000000, 0b11000000};
    Bitmap bmp(CreateBitmap(10, 2, 1, 1, bits));
    ASSERT_TRUE(bmp);
    BITMAP bm{};
    ASSERT_NE(GetObjectA(bmp.get(), sizeof bm, &bm), 0);
    EXPECT_EQ(bm.bmWidthBytes, 2);
    Dc dc = dcWith(bmp.get());
    const COLORREF W = RGB(255, 255, 255);
    const COLORREF B = RGB(0, 0, 0);
    const COLORREF row0[10] = {W, B, W, B, B, B, B, B, B, W};
    const COLORREF row1[10] = {B, B, B, B, B, B, B, B, W, W};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(GetPixel(dc.get(), x, 0), row0[x]) << x;
        EXPECT_EQ(GetPixel(dc.get(), x, 1), row1[x]) << x;
    }
}

TEST(CreateBitmap, ColourBitmapsAre32BitAndOtherDepthsFail)
{
    const std::uint32_t bits[] = {0x00112233, 0x00445566};
    Bitmap bmp(CreateBitmap(2, 1, 1, 32, bits));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bitsPixel(bmp.get()), 32);
    Dc dc = dcWith(bmp.get());
    EXPECT_EQ(GetPixel(dc.get(), 1, 0), RGB(0x44, 0x55, 0x66));
    EXPECT_EQ(CreateBitmap(2, 2, 1, 24, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(2, 2, 2, 1, nullptr), nullptr);
    EXPECT_EQ(CreateBitmap(-2, 2, 1, 1, nullptr), nullptr);
    // A zero size is the 1 x 1 stock bitmap.
    Dc fresh(CreateCompatibleDC(nullptr));
    EXPECT_EQ(CreateBitmap(0, 5, 1, 1, nullptr), GetCurrentObject(fresh.get(), OBJ_BITMAP));
}

TEST(DcPixels, SetPixelReturnsTheColourStoredAndOutsideIsInvalid)
{
    Canvas c16(3, 3, 16);
    EXPECT_EQ(SetPixel(c16.dc.get(), 0, 0, RGB(255, 255, 255)), RGB(248, 248, 248));
    EXPECT_EQ(c16.at(0, 0), RGB(248, 248, 248));

    Canvas c8(3, 3, 8, {RGB(0, 0, 0), RGB(200, 0, 0)});
    EXPECT_EQ(SetPixel(c8.dc.get(), 1, 1, RGB(190, 10, 0)), RGB(200, 0, 0));

    for (auto [x, y] : {std::pair{-1, 0}, {3, 0}, {0, 3}, {INT32_MIN, INT32_MAX}}) {
        EXPECT_EQ(GetPixel(c16.dc.get(), x, y), CLR_INVALID);
        EXPECT_EQ(SetPixel(c16.dc.get(), x, y, 0), CLR_INVALID);
    }
}

TEST(DcPixels, ClipRegionLimitsPixelAccess)
{
    Canvas c(4, 4);
    Rgn clip(CreateRectRgn(1, 1, 3, 3));
    EXPECT_EQ(SelectClipRgn(c.dc.get(), clip.get()), SIMPLEREGION);
    EXPECT_EQ(SetPixel(c.dc.get(), 0, 0, RGB(1, 1, 1)), CLR_INVALID);
    EXPECT_EQ(SetPixel(c.dc.get(), 1, 1, RGB(1, 1, 1)), RGB(1, 1, 1));
    EXPECT_EQ(SelectClipRgn(c.dc.get(), nullptr), SIMPLEREGION);
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));
}

} // namespace
