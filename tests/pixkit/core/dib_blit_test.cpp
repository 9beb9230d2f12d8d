// Copies of an image onto a device context.
#include "dib_test_support.h"

#include <gtest/gtest.h>

using namespace pixkit_test;

namespace {

constexpr COLORREF kBackground = RGB(9, 9, 9);

COLORREF Pattern(int x, int y) { return RGB(static_cast<BYTE>(20 * x + 5), static_cast<BYTE>(25 * y + 5), 100); }

// A 24-bit picture whose every pixel has its own colour.
void Paint(CDIB& dib, int width, int height)
{
    ASSERT_EQ(dib.Create(width, height, 24, nullptr), 1);
    for (int y = 0; y < dib.GetHeight(); ++y)
        for (int x = 0; x < dib.GetWidth(); ++x)
            dib.SetPixelColor(x, y, Pattern(x, y));
}

// Checks that the canvas shows source pixels (sx + i, sy + j) at
// (x + i * scale, y + j * scale), each as a scale x scale block, and the
// background around them.
void ExpectShown(const Canvas& canvas, int x, int y, int sx, int sy, int w, int h, int scale = 1)
{
    for (int cy = 0; cy < 16; ++cy)
        for (int cx = 0; cx < 16; ++cx) {
            const bool inside = cx >= x && cx < x + w * scale && cy >= y && cy < y + h * scale;
            const COLORREF expected = inside ? Pattern(sx + (cx - x) / scale, sy + (cy - y) / scale) : kBackground;
            ASSERT_EQ(canvas.at(cx, cy), expected) << "at " << cx << "," << cy;
        }
}

TEST(DibBlit, BitBltCopiesTheImageOrASourceRectangle)
{
    for (const int height : {4, -4}) { // top-down and bottom-up storage
        SCOPED_TRACE(height);
        CDIB dib;
        Paint(dib, 5, height);
        {
            Canvas canvas(16, 16, kBackground);
            dib.BitBlt(canvas.dc(), 2, 3, nullptr);
            ExpectShown(canvas, 2, 3, 0, 0, 5, 4);
        }
        {
            Canvas canvas(16, 16, kBackground);
            RECT source{1, 1, 4, 3};
            dib.BitBlt(canvas.dc(), 7, 8, &source);
            ExpectShown(canvas, 7, 8, 1, 1, 3, 2);
        }
    }
}

TEST(DibBlit, BitBltStretchScalesTheSource)
{
    CDIB dib;
    Paint(dib, 5, 4);
    Canvas canvas(16, 16, kBackground);
    SetStretchBltMode(canvas.dc(), COLORONCOLOR);
    RECT source{1, 1, 4, 3};
    dib.BitBltStretch(canvas.dc(), 2, 2, &source, 6, 4);
    ExpectShown(canvas, 2, 2, 1, 1, 3, 2, 2);
}

TEST(DibBlit, BitmapBlitsUseTheBitmapColourTable)
{
    CDIB dib;
    ASSERT_EQ(dib.Create(2, 1, 8, nullptr), 1);
    dib.SetPixel(0, 0, 7);
    dib.SetPixel(1, 0, 8);
    dib.SetIndexColor(7, RGB(255, 0, 0));
    Canvas canvas(4, 4, kBackground);
    dib.BitBlt(canvas.dc(), 0, 0, nullptr);
    EXPECT_EQ(canvas.at(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(canvas.at(1, 0), RGB(8, 8, 8));
}

TEST(DibBlit, TransBltLeavesKeyPixelsAndRestoresTheContext)
{
    constexpr COLORREF kKey = RGB(0, 255, 0);
    CDIB dib;
    ASSERT_EQ(dib.Create(3, 2, 24, nullptr), 1);
    const COLORREF source[2][3] = {{kKey, RGB(200, 10, 10), kKey}, {RGB(9, 9, 9), kKey, RGB(1, 2, 3)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            dib.SetPixelColor(x, y, source[y][x]);

    Canvas canvas(6, 4, kBackground);
    canvas.dib().SetPixelColor(2, 1, kKey); // under a key pixel, the key colour itself
    canvas.dib().SetPixelColor(4, 1, RGB(70, 80, 90));
    SetBkColor(canvas.dc(), RGB(1, 1, 1));
    SetTextColor(canvas.dc(), RGB(2, 2, 2));

    dib.TransBlt(canvas.dc(), 2, 1, kKey, nullptr);

    EXPECT_EQ(canvas.at(2, 1), kKey);
    EXPECT_EQ(canvas.at(3, 1), RGB(200, 10, 10));
    EXPECT_EQ(canvas.at(4, 1), RGB(70, 80, 90));
    EXPECT_EQ(canvas.at(2, 2), RGB(9, 9, 9)); // same colour as the destination, not the key: copied
    EXPECT_EQ(canvas.at(3, 2), kBackground);
    EXPECT_EQ(canvas.at(4, 2), RGB(1, 2, 3));
    EXPECT_EQ(canvas.at(1, 1), kBackground);
    EXPECT_EQ(canvas.at(5, 1), kBackground);
    EXPECT_EQ(GetBkColor(canvas.dc()), RGB(1, 1, 1));
    EXPECT_EQ(GetTextColor(canvas.dc()), RGB(2, 2, 2));

    // With a source rectangle: only its pixels, placed at (x, y).
    Canvas part(6, 4, kBackground);
    RECT rect{1, 0, 3, 2};
    dib.TransBlt(part.dc(), 0, 0, kKey, &rect);
    EXPECT_EQ(part.at(0, 0), RGB(200, 10, 10));
    EXPECT_EQ(part.at(1, 0), kBackground);
    EXPECT_EQ(part.at(0, 1), kBackground);
    EXPECT_EQ(part.at(1, 1), RGB(1, 2, 3));
    EXPECT_EQ(part.at(2, 0), kBackground);
}

TEST(DibBlit, TransBltStretchDrawsNothing)
{
    CDIB dib;
    Paint(dib, 4, 4);
    Canvas canvas(16, 16, kBackground);
    const Bytes before = Storage(canvas.dib());
    dib.TransBltStretch(canvas.dc(), 0, 0, RGB(0, 0, 0), nullptr, 8, 8);
    EXPECT_EQ(Storage(canvas.dib()), before);
}

// The source rectangle (2, 1, 5, 3) of an image 10 rows high is handed over
// with origin (2, 7) counted from the bottom row; either row order shows the
// same pixels.
TEST(DibBlit, ShowDibDrawsTheStorageAndItsSourceRectangle)
{
    for (const int height : {10, -10}) {
        SCOPED_TRACE(height);
        CDIB dib;
        Paint(dib, 6, height);
        {
            Canvas canvas(16, 16, kBackground);
            dib.ShowDIB(canvas.dc(), 1, 2, nullptr);
            ExpectShown(canvas, 1, 2, 0, 0, 6, 10);
        }
        {
            Canvas canvas(16, 16, kBackground);
            RECT source{2, 1, 5, 3};
            dib.ShowDIB(canvas.dc(), 4, 5, &source);
            ExpectShown(canvas, 4, 5, 2, 1, 3, 2);
        }
    }
}

TEST(DibBlit, ShowDibStretchScalesAndLeavesColorOnColor)
{
    for (const int height : {10, -10}) {
        SCOPED_TRACE(height);
        CDIB dib;
        Paint(dib, 6, height);
        Canvas canvas(16, 16, kBackground);
        SetStretchBltMode(canvas.dc(), HALFTONE);
        RECT source{2, 1, 5, 3};
        dib.ShowDIBStretch(canvas.dc(), 3, 4, &source, 9, 6);
        ExpectShown(canvas, 3, 4, 2, 1, 3, 2, 3);
        EXPECT_EQ(GetStretchBltMode(canvas.dc()), COLORONCOLOR);

        Canvas whole(16, 16, kBackground);
        dib.ShowDIBStretch(whole.dc(), 0, 0, nullptr, 6, 10);
        ExpectShown(whole, 0, 0, 0, 0, 6, 10);
    }
}

// ShowDIB draws with the header table, so a SetIndexColor change does not
// show, while BitBlt from the bitmap shows it.
TEST(DibBlit, ShowDibUsesTheHeaderColourTable)
{
    CDIB dib;
    ASSERT_EQ(dib.Create(1, 1, 8, nullptr), 1);
    dib.SetPixel(0, 0, 100);
    dib.SetIndexColor(100, RGB(0, 0, 255));
    Canvas shown(2, 2, kBackground);
    dib.ShowDIB(shown.dc(), 0, 0, nullptr);
    EXPECT_EQ(shown.at(0, 0), RGB(100, 100, 100));
    Canvas blitted(2, 2, kBackground);
    dib.BitBlt(blitted.dc(), 0, 0, nullptr);
    EXPECT_EQ(blitted.at(0, 0), RGB(0, 0, 255));
}

} // namespace
