// Icons and cursors: which image of a file is chosen and at what size, the
// sharing rules, the system's icons, drawing onto a DC with transparency,
// files and damaged data, and the window icon handed to the desktop.
#include "user_test_support.h"

#include "platform/icon_file.h"
#include "platform/user_dialog.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using usertest::RuntimeTest;

constexpr std::uint32_t kRed = 0xFFFF0000;
constexpr std::uint32_t kBlue = 0xFF0000FF;

// A square 32-bit image of one colour whose top-left pixel is transparent.
iconfile::IconImage Square(int size, std::uint32_t argb)
{
    iconfile::IconImage image;
    image.width = image.height = size;
    image.bitCount = 32;
    image.color.assign(static_cast<std::size_t>(size) * size, argb);
    image.color[0] = 0x00000000;
    image.mask.assign(static_cast<std::size_t>(size) * size, 0);
    image.mask[0] = 1;
    return image;
}

// An icon file holding a red 16-pixel image and a blue 48-pixel one.
std::vector<std::uint8_t> TwoSizeIcon()
{
    iconfile::IconFile file;
    file.images = {Square(16, kRed), Square(48, kBlue)};
    const iconfile::IconWriteResult written = iconfile::WriteIconFile(file);
    EXPECT_EQ(written.error, iconfile::IconError::None);
    return written.bytes;
}

platform::CursorImage ImageOf(HANDLE icon)
{
    platform::CursorImage image;
    EXPECT_TRUE(UserGetIconImage(static_cast<HICON>(icon), image));
    return image;
}

class Icons : public RuntimeTest {
protected:
    void SetUp() override
    {
        RuntimeTest::SetUp();
        UserClearResources();
        const std::vector<std::uint8_t> bytes = TwoSizeIcon();
        UserRegisterIconResource(kIcon, bytes.data(), bytes.size());
    }
    void TearDown() override
    {
        UserClearResources();
        RuntimeTest::TearDown();
    }

    static constexpr WORD kIcon = 200;
    const HINSTANCE program = ::GetModuleHandleA(nullptr);
};

TEST_F(Icons, TheImageNearestTheWantedSizeIsChosenAndScaled)
{
    struct Case {
        const char* what;
        int cx, cy;
        UINT flags;
        int width, height;
        std::uint32_t colour;
    } cases[] = {
        {"own size: the image nearest the system size", 0, 0, 0, 48, 48, kBlue},
        {"the system size", 0, 0, LR_DEFAULTSIZE, 32, 32, kBlue},
        {"an exact image", 16, 16, 0, 16, 16, kRed},
        {"between the two, nearer the small one", 24, 24, 0, 24, 24, kRed},
        {"larger than both", 64, 64, 0, 64, 64, kBlue},
        {"width only: the height is the image's", 16, 0, 0, 16, 16, kRed},
    };
    for (const Case& c : cases) {
        const HANDLE icon = ::LoadImageA(program, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, c.cx, c.cy, c.flags);
        ASSERT_NE(icon, nullptr) << c.what;
        const platform::CursorImage image = ImageOf(icon);
        EXPECT_EQ(image.width, c.width) << c.what;
        EXPECT_EQ(image.height, c.height) << c.what;
        EXPECT_EQ(image.argb[image.argb.size() - 1], c.colour) << c.what;
        EXPECT_EQ(image.argb[0] >> 24, 0u) << c.what << ": the transparent corner stays transparent";
        EXPECT_TRUE(::DestroyIcon(static_cast<HICON>(icon))) << c.what;
    }
}

TEST_F(Icons, SharedIconsAreLoadedOnceAndNeverDestroyed)
{
    const HICON first = ::LoadIconA(program, MAKEINTRESOURCEA(kIcon));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(::LoadIconA(program, MAKEINTRESOURCEA(kIcon)), first);
    EXPECT_EQ(ImageOf(first).width, 32) << "LoadIcon gives the system size";
    EXPECT_FALSE(::DestroyIcon(first));
    EXPECT_EQ(ImageOf(first).width, 32) << "still usable";

    const HANDLE own = ::LoadImageA(program, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 0, 0, 0);
    const HANDLE other = ::LoadImageA(program, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 0, 0, 0);
    EXPECT_NE(own, other) << "without LR_SHARED each load is a new icon";
    EXPECT_TRUE(::DestroyIcon(static_cast<HICON>(own)));
    EXPECT_FALSE(::DestroyIcon(static_cast<HICON>(own))) << "a stale handle";
    platform::CursorImage image;
    EXPECT_FALSE(UserGetIconImage(static_cast<HICON>(own), image));
    EXPECT_TRUE(::DestroyIcon(static_cast<HICON>(other)));

    // Registered anew, the resource is read anew; the old handle stays.
    const std::vector<std::uint8_t> small = [] {
        iconfile::IconFile file;
        file.images = {Square(8, kBlue)};
        return iconfile::WriteIconFile(file).bytes;
    }();
    UserClearResources();
    UserRegisterIconResource(kIcon, small.data(), small.size());
    const HICON second = ::LoadIconA(program, MAKEINTRESOURCEA(kIcon));
    EXPECT_NE(second, first);
    EXPECT_EQ(ImageOf(second).argb.back(), kBlue);
    EXPECT_EQ(ImageOf(first).argb.back(), kBlue) << "the 48-pixel image scaled, as loaded before";
}

TEST_F(Icons, WhatCannotBeLoadedGivesNull)
{
    const std::vector<std::uint8_t> good = TwoSizeIcon();
    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<long>(good.size() / 2));
    UserRegisterIconResource(201, truncated.data(), truncated.size());
    UserRegisterIconResource(202, nullptr, 0);
    struct Case {
        const char* what;
        HINSTANCE instance;
        LPCSTR name;
        UINT type;
        int cx;
    } cases[] = {
        {"a truncated file", program, MAKEINTRESOURCEA(201), IMAGE_ICON, 0},
        {"an empty resource", program, MAKEINTRESOURCEA(202), IMAGE_ICON, 0},
        {"no such resource", program, MAKEINTRESOURCEA(999), IMAGE_ICON, 0},
        {"no such cursor", program, MAKEINTRESOURCEA(kIcon), IMAGE_CURSOR, 0},
        {"no such system icon", nullptr, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 0},
        {"a string name", program, "NAMED", IMAGE_ICON, 0},
        {"an unknown kind", program, MAKEINTRESOURCEA(kIcon), 7, 0},
        {"an absurd size", program, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 100000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(::LoadImageA(c.instance, c.name, c.type, c.cx, c.cx, 0), nullptr) << c.what;
}

TEST_F(Icons, TheSystemIconsAreDrawnAtTheSizeAsked)
{
    for (const LPCSTR name : {IDI_APPLICATION, IDI_ERROR, IDI_QUESTION, IDI_WARNING, IDI_INFORMATION, IDI_WINLOGO,
                              IDI_SHIELD}) {
        const HICON icon = ::LoadIconA(nullptr, name);
        ASSERT_NE(icon, nullptr);
        const platform::CursorImage image = ImageOf(icon);
        EXPECT_EQ(image.width, 32);
        EXPECT_EQ(image.argb[0] >> 24, 0u) << "the corner is transparent";
        const auto opaque = std::count_if(image.argb.begin(), image.argb.end(),
                                          [](std::uint32_t argb) { return argb >> 24 == 0xFF; });
        EXPECT_GT(opaque, 32 * 32 / 3) << "a picture, not a speck";
        EXPECT_EQ(::LoadIconA(nullptr, name), icon);
    }
    const HANDLE small = ::LoadImageA(nullptr, IDI_ERROR, IMAGE_ICON, 16, 16, 0);
    EXPECT_EQ(ImageOf(small).width, 16);
    ::DestroyIcon(static_cast<HICON>(small));
}

// A 32-bit memory DC filled with grey.
struct Canvas {
    explicit Canvas(int size)
    {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = size;
        info.bmiHeader.biHeight = -size;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        dc = ::CreateCompatibleDC(nullptr);
        old = ::SelectObject(dc, bitmap);
        usertest::FillColor(dc, RECT{0, 0, size, size}, RGB(128, 128, 128));
    }
    ~Canvas()
    {
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
    }
    HBITMAP bitmap = nullptr;
    HDC dc = nullptr;
    HGDIOBJ old = nullptr;
};

TEST_F(Icons, DrawingBlendsByTransparencyAndKeepsToTheClip)
{
    iconfile::IconFile file;
    iconfile::IconImage image = Square(4, kRed);
    image.color[1] = 0x800000FF; // half-transparent blue
    file.images = {image};
    const std::vector<std::uint8_t> bytes = iconfile::WriteIconFile(file).bytes;
    UserRegisterIconResource(203, bytes.data(), bytes.size());
    const auto icon = static_cast<HICON>(::LoadImageA(program, MAKEINTRESOURCEA(203), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);

    Canvas canvas(16);
    ASSERT_TRUE(::DrawIcon(canvas.dc, 2, 2, icon));
    EXPECT_EQ(::GetPixel(canvas.dc, 2, 2), RGB(128, 128, 128)) << "transparent: the background shows";
    const COLORREF mixed = ::GetPixel(canvas.dc, 3, 2);
    EXPECT_NEAR(GetRValue(mixed), 64, 1);
    EXPECT_NEAR(GetGValue(mixed), 64, 1);
    EXPECT_NEAR(GetBValue(mixed), 192, 1);
    EXPECT_EQ(::GetPixel(canvas.dc, 5, 5), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(canvas.dc, 6, 6), RGB(128, 128, 128)) << "nothing beyond the icon";

    // Scaled to 8 by 8, with only the mask.
    ASSERT_TRUE(::DrawIconEx(canvas.dc, 8, 8, icon, 8, 8, 0, nullptr, DI_MASK));
    EXPECT_EQ(::GetPixel(canvas.dc, 9, 9), RGB(255, 255, 255)) << "transparent: white in the mask";
    EXPECT_EQ(::GetPixel(canvas.dc, 15, 15), RGB(0, 0, 0)) << "opaque: black";

    // Clipped, and partly off the bitmap: only what lies inside changes.
    Canvas clipped(16);
    ::IntersectClipRect(clipped.dc, 0, 0, 8, 16);
    ASSERT_TRUE(::DrawIconEx(clipped.dc, 6, 14, icon, 4, 4, 0, nullptr, DI_NORMAL));
    ::SelectClipRgn(clipped.dc, nullptr);
    EXPECT_EQ(::GetPixel(clipped.dc, 7, 15), RGB(255, 0, 0));
    EXPECT_EQ(::GetPixel(clipped.dc, 8, 15), RGB(128, 128, 128)) << "outside the clip";
    EXPECT_FALSE(::DrawIconEx(clipped.dc, 0, 0, icon, 0, 0, 0, nullptr, 0)) << "nothing asked for";
    ::DestroyIcon(icon);
    EXPECT_FALSE(::DrawIcon(clipped.dc, 0, 0, icon)) << "a stale handle";
}

TEST_F(Icons, CursorsAndBitmapsLoadFromFilesAndResources)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("qp_icon_test_" + std::to_string(::getpid()));
    fs::create_directories(dir);

    iconfile::IconFile cursorFile;
    cursorFile.kind = iconfile::Kind::Cursor;
    cursorFile.images = {Square(32, kRed)};
    cursorFile.images[0].hotspotX = 3;
    cursorFile.images[0].hotspotY = 7;
    const std::vector<std::uint8_t> cursorBytes = iconfile::WriteIconFile(cursorFile).bytes;
    UserRegisterCursorResource(300, cursorBytes.data(), cursorBytes.size());
    {
        std::ofstream out(dir / "arrow.cur", std::ios::binary);
        out.write(reinterpret_cast<const char*>(cursorBytes.data()), static_cast<std::streamsize>(cursorBytes.size()));
    }
    const HCURSOR fromResource = ::LoadCursorA(program, MAKEINTRESOURCEA(300));
    ASSERT_NE(fromResource, nullptr);
    EXPECT_NE(::LoadCursorA(nullptr, MAKEINTRESOURCEA(300)), fromResource) << "no module: the system's shapes only";
    const auto fromFile = static_cast<HCURSOR>(
        ::LoadImageA(nullptr, (dir / "arrow.cur").string().c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(::LoadImageA(nullptr, (dir / "missing.cur").string().c_str(), IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE),
              nullptr);

    const HWND window = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40});
    headless->MoveMouse(POINT{5, 5});
    Pump();
    for (const HCURSOR cursor : {fromResource, fromFile}) {
        ::SetCursor(cursor);
        const auto state = headless->State(Native(window));
        ASSERT_TRUE(state.has_value());
        EXPECT_EQ(state->cursor.width, 32);
        EXPECT_EQ(state->cursor.hotSpot.x, 3);
        EXPECT_EQ(state->cursor.hotSpot.y, 7);
    }
    EXPECT_FALSE(::DestroyCursor(fromResource)) << "shared";
    EXPECT_TRUE(::DestroyCursor(fromFile));

    // A bitmap file at its own size and stretched.
    Canvas canvas(4);
    {
        BITMAPFILEHEADER fh{};
        BITMAPINFOHEADER ih{};
        ih.biSize = sizeof ih;
        ih.biWidth = 2;
        ih.biHeight = 2;
        ih.biPlanes = 1;
        ih.biBitCount = 32;
        const std::uint32_t pixels[4] = {0x00FF0000, 0x00FF0000, 0x0000FF00, 0x0000FF00}; // bottom row red
        fh.bfType = 0x4D42;
        fh.bfOffBits = sizeof fh + sizeof ih;
        fh.bfSize = fh.bfOffBits + sizeof pixels;
        std::ofstream out(dir / "two.bmp", std::ios::binary);
        out.write(reinterpret_cast<const char*>(&fh), sizeof fh);
        out.write(reinterpret_cast<const char*>(&ih), sizeof ih);
        out.write(reinterpret_cast<const char*>(pixels), sizeof pixels);
    }
    const std::string bmp = (dir / "two.bmp").string();
    for (const int size : {0, 6}) {
        const auto bitmap =
            static_cast<HBITMAP>(::LoadImageA(nullptr, bmp.c_str(), IMAGE_BITMAP, size, size, LR_LOADFROMFILE));
        ASSERT_NE(bitmap, nullptr) << size;
        BITMAP info{};
        ::GetObjectA(bitmap, sizeof info, &info);
        const int expected = size == 0 ? 2 : size;
        EXPECT_EQ(info.bmWidth, expected);
        EXPECT_EQ(std::abs(info.bmHeight), expected);
        const HDC dc = ::CreateCompatibleDC(nullptr);
        const HGDIOBJ old = ::SelectObject(dc, bitmap);
        EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(0, 255, 0)) << size << ": the top row is the file's last";
        EXPECT_EQ(::GetPixel(dc, 0, expected - 1), RGB(255, 0, 0)) << size;
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::DeleteObject(bitmap);
    }
    EXPECT_EQ(::LoadImageA(nullptr, (dir / "arrow.cur").string().c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
              nullptr)
        << "a cursor file is no bitmap";
    fs::remove_all(dir);
}

TEST_F(Icons, TheWindowIconReachesTheDesktop)
{
    const HWND window = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 40, 40});
    const HICON big = ::LoadIconA(program, MAKEINTRESOURCEA(kIcon));
    const auto small = static_cast<HICON>(::LoadImageA(program, MAKEINTRESOURCEA(kIcon), IMAGE_ICON, 16, 16, 0));
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    EXPECT_EQ(headless->State(Native(window))->icon.width, 16) << "the small icon while there is no big one";
    ::SendMessageA(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    EXPECT_EQ(headless->State(Native(window))->icon.width, 32);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), small);
    ::SendMessageA(window, WM_SETICON, ICON_BIG, 0);
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, 0);
    EXPECT_TRUE(headless->State(Native(window))->icon.argb.empty()) << "no icon left";
    ::DestroyIcon(small);
}

} // namespace
