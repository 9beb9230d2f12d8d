// Screenshots of top-level windows written as BMP files and read back.
#include "user_test_support.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

namespace usertest {
namespace {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels; // top row first
    COLORREF At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A plain reader of uncompressed 24-bit BMP files, checking sizes first.
bool ReadBmp(const std::string& path, Image& image)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    std::uint32_t offset;
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bits;
    std::uint32_t compression;
    std::memcpy(&offset, &bytes[10], 4);
    std::memcpy(&width, &bytes[18], 4);
    std::memcpy(&height, &bytes[22], 4);
    std::memcpy(&bits, &bytes[28], 2);
    std::memcpy(&compression, &bytes[30], 4);
    if (bits != 24 || compression != 0 || width <= 0 || width > 10000 || height == 0 || height < -10000 ||
        height > 10000)
        return false;
    const bool bottomUp = height > 0;
    const int rows = bottomUp ? height : -height;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
    if (offset > bytes.size() || bytes.size() - offset < stride * rows)
        return false;
    image.width = width;
    image.height = rows;
    image.pixels.resize(static_cast<std::size_t>(width) * rows);
    for (int y = 0; y < rows; ++y) {
        const std::uint8_t* row = &bytes[offset + stride * (bottomUp ? rows - 1 - y : y)];
        for (int x = 0; x < width; ++x)
            image.pixels[static_cast<std::size_t>(y) * width + x] = RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    }
    return true;
}

class Screenshots : public RuntimeTest {};

TEST_F(Screenshots, AWindowIsWrittenAndReadsBackPixelForPixel)
{
    // Width 13 makes rows that need padding.
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{5, 5, 18, 12}, nullptr,
                        [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
                            if (m != WM_PAINT)
                                return std::nullopt;
                            PAINTSTRUCT ps;
                            const HDC dc = BeginPaint(h, &ps);
                            FillColor(dc, RECT{0, 0, 13, 7}, RGB(10, 20, 30));
                            FillColor(dc, RECT{0, 0, 1, 1}, RGB(255, 0, 0));      // top left
                            FillColor(dc, RECT{12, 6, 13, 7}, RGB(0, 0, 255));    // bottom right
                            FillColor(dc, RECT{3, 2, 9, 4}, RGB(200, 100, 50));
                            EndPaint(h, &ps);
                            return 0;
                        });
    Make(WS_CHILD | WS_VISIBLE, RECT{10, 0, 12, 2}, w, PaintWith(RGB(0, 255, 0)), 1);
    Pump();
    const std::string path = "user_screenshot_test.bmp";
    ASSERT_TRUE(headless->SaveScreenshot(Native(w), path));
    Image image;
    ASSERT_TRUE(ReadBmp(path, image));
    ASSERT_EQ(image.width, 13);
    ASSERT_EQ(image.height, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(image.At(x, y), *Shown(w, x, y)) << x << "," << y;
    EXPECT_EQ(image.At(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(image.At(12, 6), RGB(0, 0, 255));
    EXPECT_EQ(image.At(5, 3), RGB(200, 100, 50));
    EXPECT_EQ(image.At(11, 1), RGB(0, 255, 0));
    EXPECT_EQ(image.At(1, 5), RGB(10, 20, 30));
    std::remove(path.c_str());
}

TEST_F(Screenshots, NothingPresentedOrNoWindowWritesNoFile)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}); // never shown, never painted
    const std::string path = "user_screenshot_none.bmp";
    std::remove(path.c_str());
    EXPECT_FALSE(headless->SaveScreenshot(Native(w), path));
    EXPECT_FALSE(headless->SaveScreenshot(9999, path));
    EXPECT_FALSE(std::ifstream(path).good());
    // The backing store itself is there all the same.
    std::vector<std::uint32_t> pixels;
    int width = 0;
    int height = 0;
    EXPECT_TRUE(UserCopyBackingStore(w, pixels, width, height));
    EXPECT_EQ(width, 10);
    EXPECT_EQ(pixels.size(), 100u);
}

} // namespace
} // namespace usertest
