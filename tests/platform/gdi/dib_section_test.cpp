// CreateDIBSection: which headers are accepted, the storage laid out, and
// what GetObjectA reports of it.
#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace gditest;

namespace {

struct HeaderCase {
    const char* name;
    std::function<void(Info&)> change;
    bool accepted;
};

TEST(CreateDIBSection, AcceptsWhatCanBeDrawnAndRefusesTheRest)
{
    const auto set = [](auto field, auto value) {
        return [field, value](Info& i) { i.header().*field = value; };
    };
    const HeaderCase cases[] = {
        {"plain 8 bit", [](Info&) {}, true},
        {"1 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{1}), true},
        {"4 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{4}), true},
        {"16 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{16}), true},
        {"24 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{24}), true},
        {"32 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{32}), true},
        {"top-down", set(&BITMAPINFOHEADER::biHeight, LONG{-4}), true},
        {"version 5 header size", set(&BITMAPINFOHEADER::biSize, DWORD{124}), true},
        {"2 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{2}), false},
        {"0 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{0}), false},
        {"64 bit", set(&BITMAPINFOHEADER::biBitCount, WORD{64}), false},
        {"RLE8", set(&BITMAPINFOHEADER::biCompression, BI_RLE8), false},
        {"RLE4", set(&BITMAPINFOHEADER::biCompression, BI_RLE4), false},
        {"unknown compression", set(&BITMAPINFOHEADER::biCompression, DWORD{7}), false},
        {"bit fields at 8 bits", set(&BITMAPINFOHEADER::biCompression, BI_BITFIELDS), false},
        {"zero width", set(&BITMAPINFOHEADER::biWidth, LONG{0}), false},
        {"negative width", set(&BITMAPINFOHEADER::biWidth, LONG{-3}), false},
        {"zero height", set(&BITMAPINFOHEADER::biHeight, LONG{0}), false},
        {"most negative height", set(&BITMAPINFOHEADER::biHeight, LONG{INT_MIN}), false},
        {"two planes", set(&BITMAPINFOHEADER::biPlanes, WORD{2}), false},
        {"zero planes", set(&BITMAPINFOHEADER::biPlanes, WORD{0}), false},
        {"too many colours", set(&BITMAPINFOHEADER::biClrUsed, DWORD{257}), false},
        {"core header size", set(&BITMAPINFOHEADER::biSize, DWORD{12}), false},
        {"header size 39", set(&BITMAPINFOHEADER::biSize, DWORD{39}), false},
        {"absurd header size", set(&BITMAPINFOHEADER::biSize, DWORD{100000}), false},
        {"storage over the cap",
         [](Info& i) {
             i.header().biWidth = 32768;
             i.header().biHeight = 32769;
         },
         false},
        {"storage size overflows 32 bits",
         [](Info& i) {
             i.header().biBitCount = 32;
             i.header().biWidth = INT_MAX;
             i.header().biHeight = INT_MAX;
         },
         false},
        {"4 bits with 17 colours",
         [](Info& i) {
             i.header().biBitCount = 4;
             i.header().biClrUsed = 17;
         },
         false},
        {"bit fields at 16 bits",
         [](Info& i) {
             i.header().biBitCount = 16;
             i.header().biCompression = BI_BITFIELDS;
         },
         true},
        {"bit fields at 24 bits",
         [](Info& i) {
             i.header().biBitCount = 24;
             i.header().biCompression = BI_BITFIELDS;
         },
         false},
    };
    for (const HeaderCase& c : cases) {
        Info info(5, 4, 8);
        c.change(info);
        void* bits = reinterpret_cast<void*>(1);
        Bitmap bmp(CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, nullptr, 0));
        EXPECT_EQ(bmp != nullptr, c.accepted) << c.name;
        EXPECT_EQ(bits != nullptr, c.accepted) << c.name;
    }
}

TEST(CreateDIBSection, RefusesNullHeaderPaletteIndicesAndFileSections)
{
    Info info(4, 4, 8);
    void* bits = nullptr;
    EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
    EXPECT_EQ(CreateDIBSection(nullptr, info.get(), DIB_PAL_COLORS, &bits, nullptr, 0), nullptr);
    int section = 0;
    EXPECT_EQ(CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, &bits, &section, 0), nullptr);
    EXPECT_EQ(bits, nullptr);
}

struct LayoutCase {
    int bpp;
    int width;
    int pitch;
};

TEST(CreateDIBSection, PitchIsRoundedToFourBytesAndStorageIsZero)
{
    for (const LayoutCase& c : {LayoutCase{1, 1, 4}, LayoutCase{1, 33, 8}, LayoutCase{4, 9, 8}, LayoutCase{8, 5, 8},
                                LayoutCase{16, 3, 8}, LayoutCase{24, 3, 12}, LayoutCase{24, 4, 12},
                                LayoutCase{32, 3, 12}}) {
        Info info(c.width, -7, c.bpp);
        DibSection dib = makeDib(info);
        ASSERT_TRUE(dib.bitmap) << c.bpp;
        BITMAP bm{};
        ASSERT_EQ(GetObjectA(dib.bitmap.get(), sizeof bm, &bm), static_cast<int>(sizeof bm));
        EXPECT_EQ(bm.bmWidthBytes, c.pitch) << c.bpp << "x" << c.width;
        EXPECT_EQ(bm.bmHeight, 7);
        EXPECT_EQ(bm.bmBitsPixel, c.bpp);
        EXPECT_EQ(bm.bmBits, dib.bits);
        for (int i = 0; i < c.pitch * 7; ++i)
            ASSERT_EQ(dib.bits[i], 0) << i;
    }
}

TEST(CreateDIBSection, RowOrderFollowsTheSignOfTheHeight)
{
    for (int sign : {1, -1}) {
        Info info(2, 3 * sign, 32);
        DibSection dib = makeDib(info);
        Dc dc = dcWith(dib.bitmap.get());
        SetPixel(dc.get(), 1, 0, RGB(0x11, 0x22, 0x33)); // top row
        // Top-down: the top row is stored first; bottom-up: last.
        const std::uint8_t* pixel = dib.bits + (sign < 0 ? 0 : 2 * 8) + 4;
        EXPECT_EQ(pixel[0], 0x33);
        EXPECT_EQ(pixel[1], 0x22);
        EXPECT_EQ(pixel[2], 0x11);
    }
}

struct MaskCase {
    const char* name;
    Info info;
    DWORD masks[3];
};

TEST(GetObjectA, ReportsTheMasksInEffect)
{
    MaskCase cases[] = {
        {"16 bit RGB", Info(2, 2, 16), {0x7C00, 0x03E0, 0x001F}},
        {"24 bit", Info(2, 2, 24), {0xFF0000, 0xFF00, 0xFF}},
        {"32 bit RGB", Info(2, 2, 32), {0xFF0000, 0xFF00, 0xFF}},
        {"8 bit", Info(2, 2, 8), {0, 0, 0}},
        {"1 bit", Info(2, 2, 1), {0, 0, 0}},
        {"16 bit 5-6-5", Info::bitFields(2, 2, 16, 0xF800, 0x07E0, 0x001F), {0xF800, 0x07E0, 0x001F}},
        {"32 bit fields", Info::bitFields(2, 2, 32, 0xFF, 0xFF00, 0xFF0000), {0xFF, 0xFF00, 0xFF0000}},
    };
    for (MaskCase& c : cases) {
        DibSection dib = makeDib(c.info);
        ASSERT_TRUE(dib.bitmap) << c.name;
        DIBSECTION ds{};
        ASSERT_EQ(GetObjectA(dib.bitmap.get(), sizeof ds, &ds), static_cast<int>(sizeof ds)) << c.name;
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ds.dsBitfields[i], c.masks[i]) << c.name << " mask " << i;
    }
}

TEST(GetObjectA, FillsTheDibSectionRecord)
{
    Info info(3, -2, 24);
    info.header().biXPelsPerMeter = 2835;
    DibSection dib = makeDib(info);
    DIBSECTION ds{};
    ASSERT_EQ(GetObjectA(dib.bitmap.get(), sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmWidth, 3);
    EXPECT_EQ(ds.dsBm.bmHeight, 2);
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 12);
    EXPECT_EQ(ds.dsBm.bmPlanes, 1);
    EXPECT_EQ(ds.dsBm.bmBits, dib.bits);
    EXPECT_EQ(ds.dsBmih.biHeight, -2);
    EXPECT_EQ(ds.dsBmih.biBitCount, 24);
    EXPECT_EQ(ds.dsBmih.biXPelsPerMeter, 2835);
    EXPECT_EQ(ds.dsBmih.biSizeImage, 24u);
    EXPECT_EQ(ds.dshSection, nullptr);

    // With room for a BITMAP only, only that is written.
    std::uint8_t buffer[sizeof(DIBSECTION)];
    std::memset(buffer, 0xAB, sizeof buffer);
    EXPECT_EQ(GetObjectA(dib.bitmap.get(), sizeof(BITMAP), buffer), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(buffer[sizeof(BITMAP)], 0xAB);
    EXPECT_EQ(GetObjectA(dib.bitmap.get(), sizeof(BITMAP) - 1, buffer), 0);
}

TEST(DibColorTable, IsACopyOfTheHeaderTable)
{
    Info info(2, 2, 8, {RGB(10, 20, 30), RGB(40, 50, 60)});
    DibSection dib = makeDib(info);
    // Changing the caller's header afterwards does not reach the bitmap.
    info.setColor(0, RGB(1, 1, 1));
    Dc dc = dcWith(dib.bitmap.get());
    RGBQUAD q[3]{};
    ASSERT_EQ(GetDIBColorTable(dc.get(), 0, 3, q), 2u); // biClrUsed entries
    EXPECT_EQ(q[0].rgbRed, 10);
    EXPECT_EQ(q[1].rgbBlue, 60);

    // ... and writing the bitmap's table leaves the caller's header alone.
    const RGBQUAD red{0, 0, 255, 0};
    EXPECT_EQ(SetDIBColorTable(dc.get(), 1, 1, &red), 1u);
    EXPECT_EQ(info.get()->bmiColors[1].rgbRed, 40);
    EXPECT_EQ(GetDIBColorTable(dc.get(), 1, 1, q), 1u);
    EXPECT_EQ(q[0].rgbRed, 255);
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(10, 20, 30));
}

TEST(DibColorTable, CountsOnlyEntriesThatExist)
{
    Info info(2, 2, 4);
    DibSection dib = makeDib(info);
    Dc dc = dcWith(dib.bitmap.get());
    RGBQUAD q[20]{};
    EXPECT_EQ(GetDIBColorTable(dc.get(), 0, 20, q), 16u);
    EXPECT_EQ(GetDIBColorTable(dc.get(), 14, 20, q), 2u);
    EXPECT_EQ(GetDIBColorTable(dc.get(), 16, 1, q), 0u);
    EXPECT_EQ(SetDIBColorTable(dc.get(), 15, 5, q), 1u);
    EXPECT_EQ(GetDIBColorTable(dc.get(), 0, 1, nullptr), 0u);

    // No colour table: a 24-bit section, a device bitmap, no DC at all.
    Info deep(2, 2, 24);
    DibSection dib24 = makeDib(deep);
    Dc dc24 = dcWith(dib24.bitmap.get());
    EXPECT_EQ(GetDIBColorTable(dc24.get(), 0, 1, q), 0u);
    Dc fresh(CreateCompatibleDC(nullptr));
    EXPECT_EQ(GetDIBColorTable(fresh.get(), 0, 1, q), 0u);
    EXPECT_EQ(SetDIBColorTable(nullptr, 0, 1, q), 0u);
}

TEST(Handles, StaleAndWrongKindHandlesFailCleanly)
{
    Info info(2, 2, 8);
    HBITMAP bmp = CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, nullptr, nullptr, 0);
    ASSERT_NE(bmp, nullptr);
    EXPECT_EQ(GetObjectType(bmp), OBJ_BITMAP);
    EXPECT_TRUE(DeleteObject(bmp));
    BITMAP bm{};
    EXPECT_EQ(GetObjectA(bmp, sizeof bm, &bm), 0);
    EXPECT_FALSE(DeleteObject(bmp));
    EXPECT_EQ(GetObjectType(bmp), 0u);

    // A new object never takes over the old handle.
    Bitmap again(CreateDIBSection(nullptr, info.get(), DIB_RGB_COLORS, nullptr, nullptr, 0));
    EXPECT_NE(again.get(), bmp);

    // A region handle where a bitmap is wanted, a made-up value, null.
    Rgn rgn(CreateRectRgn(0, 0, 1, 1));
    Dc dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(SelectObject(dc.get(), reinterpret_cast<HGDIOBJ>(0x1234)), nullptr);
    EXPECT_EQ(GetObjectA(rgn.get(), sizeof bm, &bm), 0);
    EXPECT_EQ(GetObjectA(nullptr, sizeof bm, &bm), 0);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(0x1234)), 0u);
    EXPECT_FALSE(DeleteObject(dc.get()));
    EXPECT_EQ(GetPixel(reinterpret_cast<HDC>(rgn.get()), 0, 0), CLR_INVALID);
}

TEST(Handles, ObjectTypes)
{
    Dc dc(CreateCompatibleDC(nullptr));
    Rgn rgn(CreateRectRgn(0, 0, 1, 1));
    LOGPALETTE lp{0x300, 1, {{1, 2, 3, 0}}};
    Palette pal(CreatePalette(&lp));
    EXPECT_EQ(GetObjectType(dc.get()), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(rgn.get()), OBJ_REGION);
    EXPECT_EQ(GetObjectType(pal.get()), OBJ_PAL);
}

} // namespace
