// SetDIBitsToDevice, StretchDIBits, GetDIBits and SetDIBits: the source
// origin counted from the DIB's bottom row, bands of scan lines, and
// conversion between the caller's layout and the bitmap's.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gditest;

namespace {

// An 8-bit image 3 wide and 4 high whose row r (from the top) is all index
// r + 1; colour i is red 10 * i.
struct RowImage {
    static constexpr int kWidth = 3;
    static constexpr int kHeight = 4;
    Info info;
    std::vector<std::uint8_t> bits;

    explicit RowImage(bool topDown)
        : info(kWidth, topDown ? -kHeight : kHeight, 8,
               {RGB(0, 0, 0), RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0), RGB(40, 0, 0)}),
          bits(4 * kHeight)
    {
        for (int r = 0; r < kHeight; ++r) {
            const int stored = topDown ? r : kHeight - 1 - r;
            for (int x = 0; x < kWidth; ++x)
                bits[stored * 4 + x] = static_cast<std::uint8_t>(r + 1);
        }
    }
    // Only scan lines [start, start + count), bottom-up numbering, stored in
    // the image's own row order.
    std::vector<std::uint8_t> band(bool topDown, int start, int count) const
    {
        std::vector<std::uint8_t> out;
        for (int k = 0; k < count; ++k) {
            const int scan = topDown ? start + count - 1 - k : start + k;
            const int r = kHeight - 1 - scan;
            const int stored = topDown ? r : kHeight - 1 - r;
            out.insert(out.end(), bits.begin() + stored * 4, bits.begin() + stored * 4 + 4);
        }
        return out;
    }
};

// Which image row (1-based index value) each destination row shows; 0 for untouched.
std::vector<int> rowsOf(const Canvas& c)
{
    std::vector<int> out;
    for (int y = 0; y < c.height; ++y)
        out.push_back(GetRValue(c.at(0, y)) / 10);
    return out;
}

class BottomUpOrigin : public testing::TestWithParam<bool> {};

TEST_P(BottomUpOrigin, SetDIBitsToDeviceCountsSourceYFromTheBottom)
{
    RowImage img(GetParam());
    Canvas dst(3, 4);
    // Source rows 1 and 2 (top 1, bottom 3) of a 4-row image: srcY = 4 - 3.
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.get(), 0, 1, 3, 2, 0, 1, 0, 4, img.bits.data(), img.info.get(),
                                DIB_RGB_COLORS),
              4);
    EXPECT_EQ(rowsOf(dst), (std::vector<int>{0, 2, 3, 0}));

    Canvas whole(3, 4);
    SetDIBitsToDevice(whole.dc.get(), 0, 0, 3, 4, 0, 0, 0, 4, img.bits.data(), img.info.get(), DIB_RGB_COLORS);
    EXPECT_EQ(rowsOf(whole), (std::vector<int>{1, 2, 3, 4}));
}

TEST_P(BottomUpOrigin, SetDIBitsToDeviceDrawsOnlyTheBandGiven)
{
    const bool topDown = GetParam();
    RowImage img(topDown);
    const std::vector<std::uint8_t> band = img.band(topDown, 1, 2); // scan lines 1, 2 = rows 2, 1
    Canvas dst(3, 4);
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.get(), 0, 0, 3, 4, 0, 0, 1, 2, band.data(), img.info.get(), DIB_RGB_COLORS),
              2);
    EXPECT_EQ(rowsOf(dst), (std::vector<int>{0, 2, 3, 0}));
    // A band beyond the image draws nothing.
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.get(), 0, 0, 3, 4, 0, 0, 4, 1, band.data(), img.info.get(), DIB_RGB_COLORS),
              0);
}

TEST_P(BottomUpOrigin, StretchDIBitsUsesTheSameOriginAndStretches)
{
    RowImage img(GetParam());
    Canvas dst(3, 4);
    // Rows 1 and 2 again, doubled in height.
    EXPECT_EQ(StretchDIBits(dst.dc.get(), 0, 0, 3, 4, 0, 1, 3, 2, img.bits.data(), img.info.get(), DIB_RGB_COLORS,
                            SRCCOPY),
              4);
    EXPECT_EQ(rowsOf(dst), (std::vector<int>{2, 2, 3, 3}));
    // Negative destination height turns the picture upside down.
    Canvas flipped(3, 4);
    StretchDIBits(flipped.dc.get(), 0, 4, 3, -4, 0, 0, 3, 4, img.bits.data(), img.info.get(), DIB_RGB_COLORS,
                  SRCCOPY);
    EXPECT_EQ(rowsOf(flipped), (std::vector<int>{4, 3, 2, 1}));
}

INSTANTIATE_TEST_SUITE_P(RowOrders, BottomUpOrigin, testing::Values(false, true),
                         [](const auto& info) { return info.param ? "TopDown" : "BottomUp"; });

TEST(DibTransfer, RefusesBadHeadersAndHandles)
{
    RowImage img(false);
    Canvas dst(3, 4);
    Info rle(3, 4, 8);
    rle.header().biCompression = BI_RLE8;
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.get(), 0, 0, 3, 4, 0, 0, 0, 4, img.bits.data(), rle.get(), DIB_RGB_COLORS), 0);
    EXPECT_EQ(SetDIBitsToDevice(dst.dc.get(), 0, 0, 3, 4, 0, 0, 0, 4, nullptr, img.info.get(), DIB_RGB_COLORS), 0);
    EXPECT_EQ(SetDIBitsToDevice(nullptr, 0, 0, 3, 4, 0, 0, 0, 4, img.bits.data(), img.info.get(), DIB_RGB_COLORS), 0);
    EXPECT_EQ(StretchDIBits(dst.dc.get(), 0, 0, 3, 4, 0, 0, 3, 4, img.bits.data(), rle.get(), DIB_RGB_COLORS,
                            SRCCOPY),
              0);
    EXPECT_EQ(StretchDIBits(dst.dc.get(), 0, 0, 3, 4, 0, 0, 3, 4, img.bits.data(), img.info.get(), DIB_PAL_COLORS,
                            SRCCOPY),
              0);
    EXPECT_EQ(rowsOf(dst), (std::vector<int>{0, 0, 0, 0}));
}

TEST(DibTransfer, HostileDestinationAndSourceRectanglesAreSafe)
{
    RowImage img(false);
    Canvas dst(3, 4);
    SetDIBitsToDevice(dst.dc.get(), -100, -100, 0xFFFFFFFFu, 0xFFFFFFFFu, INT32_MIN, INT32_MAX, 0, 4,
                      img.bits.data(), img.info.get(), DIB_RGB_COLORS);
    StretchDIBits(dst.dc.get(), 0, 0, 3, 4, INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX, img.bits.data(),
                  img.info.get(), DIB_RGB_COLORS, SRCCOPY);
    SetDIBitsToDevice(dst.dc.get(), 1, 1, 3, 4, -1, -1, 0, 0xFFFFFFFFu, img.bits.data(), img.info.get(),
                      DIB_RGB_COLORS);
    // Only the last call reaches the image: its bottom edge lies one row
    // below the image, so destination row 1 shows image row 1; column -1
    // does not exist, so (1, 1) is untouched and (2, 1) shows column 0.
    EXPECT_EQ(rowsOf(dst), (std::vector<int>{0, 0, 0, 0}));
    EXPECT_EQ(GetRValue(dst.at(2, 1)) / 10, 2);
    EXPECT_EQ(GetRValue(dst.at(2, 3)) / 10, 4);
}

TEST(DibBits, RoundTripThroughADeviceBitmap)
{
    // 2 x 3, 24-bit bottom-up, distinct colours.
    const COLORREF colours[3][2] = {{RGB(1, 2, 3), RGB(4, 5, 6)},
                                    {RGB(7, 8, 9), RGB(10, 11, 12)},
                                    {RGB(13, 14, 15), RGB(16, 17, 18)}};
    Info info(2, 3, 24);
    std::vector<std::uint8_t> in(8 * 3);
    for (int r = 0; r < 3; ++r)
        for (int x = 0; x < 2; ++x) {
            std::uint8_t* p = in.data() + (2 - r) * 8 + 3 * x;
            p[0] = GetBValue(colours[r][x]);
            p[1] = GetGValue(colours[r][x]);
            p[2] = GetRValue(colours[r][x]);
        }
    Bitmap ddb(CreateCompatibleBitmap(nullptr, 2, 3));
    EXPECT_EQ(SetDIBits(nullptr, ddb.get(), 0, 3, in.data(), info.get(), DIB_RGB_COLORS), 3);
    {
        Dc dc = dcWith(ddb.get());
        for (int r = 0; r < 3; ++r)
            for (int x = 0; x < 2; ++x)
                EXPECT_EQ(GetPixel(dc.get(), x, r), colours[r][x]);
    }

    std::vector<std::uint8_t> out(in.size(), 0xEE);
    EXPECT_EQ(GetDIBits(nullptr, ddb.get(), 0, 3, out.data(), info.get(), DIB_RGB_COLORS), 3);
    for (int r = 0; r < 3; ++r)
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(out[r * 8 + i], in[r * 8 + i]) << r << ":" << i;

    // The same picture read top-down.
    Info topDown(2, -3, 24);
    std::vector<std::uint8_t> flipped(in.size());
    EXPECT_EQ(GetDIBits(nullptr, ddb.get(), 0, 3, flipped.data(), topDown.get(), DIB_RGB_COLORS), 3);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(flipped[i], in[2 * 8 + i]) << i;
}

TEST(DibBits, CopiesOnlyTheRequestedScanLines)
{
    Bitmap ddb(CreateCompatibleBitmap(nullptr, 1, 3));
    Info info(1, 3, 32);
    const std::uint32_t in[3] = {0x000001, 0x000002, 0x000003}; // scan lines 0 (bottom), 1, 2
    // Scan line 1 only: the middle row.
    EXPECT_EQ(SetDIBits(nullptr, ddb.get(), 1, 1, &in[1], info.get(), DIB_RGB_COLORS), 1);
    Dc dc = dcWith(ddb.get());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc.get(), 0, 1), RGB(0, 0, 2));
    EXPECT_EQ(GetPixel(dc.get(), 0, 2), RGB(0, 0, 0));
    // Lines beyond the DIB are not counted.
    EXPECT_EQ(SetDIBits(nullptr, ddb.get(), 2, 5, &in[2], info.get(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(0, 0, 3));
    EXPECT_EQ(SetDIBits(nullptr, ddb.get(), 3, 1, in, info.get(), DIB_RGB_COLORS), 0);
}

TEST(DibBits, ConvertsToAPaletteOfTheCallersChoosing)
{
    Canvas src(2, 1);
    SetPixel(src.dc.get(), 0, 0, RGB(250, 0, 0));
    SetPixel(src.dc.get(), 1, 0, RGB(0, 0, 240));
    Info info(2, 1, 8, {RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0)});
    std::uint8_t out[4] = {};
    HBITMAP bmp = static_cast<HBITMAP>(GetCurrentObject(src.dc.get(), OBJ_BITMAP));
    EXPECT_EQ(GetDIBits(src.dc.get(), bmp, 0, 1, out, info.get(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(out[0], 2);
    EXPECT_EQ(out[1], 1);
    EXPECT_EQ(info.get()->bmiColors[1].rgbBlue, 255); // the table is read, not replaced
}

TEST(DibBits, MonochromeBitmapsReadAsBlackAndWhite)
{
    const std::uint8_t bits[2] = {0b01000000, 0};
    Bitmap mono(CreateBitmap(2, 1, 1, 1, bits));
    Info info(2, 1, 32);
    std::uint32_t out[2] = {};
    EXPECT_EQ(GetDIBits(nullptr, mono.get(), 0, 1, out, info.get(), DIB_RGB_COLORS), 1);
    EXPECT_EQ(out[0], 0x000000u);
    EXPECT_EQ(out[1], 0xFFFFFFu);
}

TEST(DibBits, NullBitsDescribeTheBitmap)
{
    Bitmap ddb(CreateCompatibleBitmap(nullptr, 5, 3));
    BITMAPINFOHEADER h{};
    h.biSize = sizeof h;
    EXPECT_NE(GetDIBits(nullptr, ddb.get(), 0, 3, nullptr, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS), 0);
    EXPECT_EQ(h.biWidth, 5);
    EXPECT_EQ(h.biHeight, 3);
    EXPECT_EQ(h.biBitCount, 32);
    EXPECT_EQ(h.biPlanes, 1);
    EXPECT_EQ(h.biCompression, BI_RGB);
    EXPECT_EQ(h.biSizeImage, 60u);

    Info info(6, -2, 4);
    DibSection dib = makeDib(info);
    BITMAPINFOHEADER d{};
    d.biSize = sizeof d;
    GetDIBits(nullptr, dib.bitmap.get(), 0, 2, nullptr, reinterpret_cast<BITMAPINFO*>(&d), DIB_RGB_COLORS);
    EXPECT_EQ(d.biBitCount, 4);
    EXPECT_EQ(d.biHeight, -2);
    EXPECT_EQ(d.biSizeImage, 8u);

    BITMAPINFOHEADER unset{};
    EXPECT_EQ(GetDIBits(nullptr, ddb.get(), 0, 3, nullptr, reinterpret_cast<BITMAPINFO*>(&unset), DIB_RGB_COLORS), 0);
    EXPECT_EQ(GetDIBits(nullptr, nullptr, 0, 3, nullptr, reinterpret_cast<BITMAPINFO*>(&h), DIB_RGB_COLORS), 0);
}

} // namespace
