// DCs over caller-owned window memory.
#include "platform/gdi_surface.h"

#include "gdi_test_support.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gditest;

namespace {

struct Window {
    static constexpr int kWidth = 6;
    static constexpr int kHeight = 4;
    static constexpr int kPitch = 32; // wider than the pixels
    std::vector<std::uint32_t> memory = std::vector<std::uint32_t>(kPitch / 4 * kHeight, 0xAAAAAAAAu);
    std::uint32_t at(int x, int y) const { return memory[static_cast<std::size_t>(y) * kPitch / 4 + x]; }
};

TEST(SurfaceDc, BlitLandsInTheCallersMemoryClippedAndOffset)
{
    Window win;
    Rgn clip(CreateRectRgn(1, 0, 6, 2));
    Dc dc(GdiCreateSurfaceDC(win.memory.data(), Window::kWidth, Window::kHeight, Window::kPitch, clip.get(), 2, 1));
    ASSERT_TRUE(dc);
    EXPECT_EQ(GetObjectType(dc.get()), OBJ_DC);
    clip.reset(); // the DC keeps its own copy

    Canvas src(3, 3);
    src.fill(RGB(0x11, 0x22, 0x33));
    // Logical (-1, -1) is memory (1, 0); 3 x 3 covers memory x 1..3, y 0..2,
    // of which the clip keeps y 0..1.
    ASSERT_TRUE(BitBlt(dc.get(), -1, -1, 3, 3, src.dc.get(), 0, 0, SRCCOPY));
    for (int y = 0; y < Window::kHeight; ++y)
        for (int x = 0; x < Window::kWidth; ++x) {
            const bool inside = x >= 1 && x <= 3 && y <= 1;
            EXPECT_EQ(win.at(x, y) & 0xFFFFFFu, inside ? 0x112233u : 0xAAAAAAu) << x << "," << y;
        }
    // Bytes past the row's pixels are never touched.
    EXPECT_EQ(win.memory[Window::kWidth], 0xAAAAAAAAu);
    EXPECT_EQ(GetPixel(dc.get(), -1, -1), RGB(0x11, 0x22, 0x33));
    EXPECT_EQ(GetPixel(dc.get(), -1, 1), CLR_INVALID); // memory (1, 2): clipped away
}

TEST(SurfaceDc, WorksAsABlitSourceAndHasNoBitmapToSwap)
{
    Window win;
    win.memory[1] = 0xFF010203u; // memory (1, 0), alpha byte set
    Dc dc(GdiCreateSurfaceDC(win.memory.data(), Window::kWidth, Window::kHeight, Window::kPitch, nullptr, 1, 0));
    Canvas out(1, 1);
    BitBlt(out.dc.get(), 0, 0, 1, 1, dc.get(), 0, 0, SRCCOPY);
    EXPECT_EQ(out.at(0, 0), RGB(1, 2, 3));
    Info info(1, 1, 32);
    DibSection dib = makeDib(info);
    EXPECT_EQ(SelectObject(dc.get(), dib.bitmap.get()), nullptr);
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BITMAP), nullptr);
}

TEST(SurfaceDc, RefusesBadDescriptions)
{
    Window win;
    EXPECT_EQ(GdiCreateSurfaceDC(nullptr, 2, 2, 8, nullptr, 0, 0), nullptr);
    EXPECT_EQ(GdiCreateSurfaceDC(win.memory.data(), 0, 2, 8, nullptr, 0, 0), nullptr);
    EXPECT_EQ(GdiCreateSurfaceDC(win.memory.data(), 2, -2, 8, nullptr, 0, 0), nullptr);
    EXPECT_EQ(GdiCreateSurfaceDC(win.memory.data(), 3, 2, 8, nullptr, 0, 0), nullptr); // pitch < 12
    HRGN gone = CreateRectRgn(0, 0, 1, 1);
    DeleteObject(gone);
    EXPECT_EQ(GdiCreateSurfaceDC(win.memory.data(), 2, 2, 8, gone, 0, 0), nullptr);
}

} // namespace
