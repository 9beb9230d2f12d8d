// A skin button on the headless backend in virtual time: a host window that
// records the commands it hears, a button of any style bound to a
// CxSkinButton the way a dialog binds its items, test faces of solid
// colours registered as bitmap resources, and pixel helpers that read the
// host's backing store in the button's coordinates.
#pragma once

#include "res/resource.h"
#include "res/resources.h"
#include "xSkinButton.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Bitmap resources of the tests: solid faces and a mask.
inline constexpr UINT kFaceNormal = 9001;
inline constexpr UINT kFaceDown = 9002;
inline constexpr UINT kFaceOver = 9003;
inline constexpr UINT kFaceDisabled = 9004;
inline constexpr UINT kFaceFocus = 9005;
inline constexpr UINT kMaskLeftHalf = 9006; // black left half, white right half
inline constexpr UINT kMaskWhite = 9007;
inline constexpr UINT kFaceSmall = 9008;    // 8 x 6, for copying and tiling

inline constexpr COLORREF kNormal = RGB(200, 0, 0);
inline constexpr COLORREF kDown = RGB(0, 150, 0);
inline constexpr COLORREF kOver = RGB(0, 0, 200);
inline constexpr COLORREF kDisabled = RGB(90, 90, 90);
inline constexpr COLORREF kFocus = RGB(200, 200, 0);
inline constexpr COLORREF kSmall = RGB(0, 200, 200);

inline constexpr int kFaceWidth = 20;
inline constexpr int kFaceHeight = 16;

// A 24-bit BMP file, pixels from `color(x, y)` with y from the top.
inline std::vector<std::uint8_t> MakeBmp(int width, int height, const std::function<COLORREF(int, int)>& color)
{
    const int stride = (width * 3 + 3) & ~3;
    const std::uint32_t dataSize = static_cast<std::uint32_t>(stride * height);
    std::vector<std::uint8_t> file(54 + dataSize, 0);
    auto put32 = [&](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    file[26] = 1;
    file[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = file.data() + 54 + static_cast<std::size_t>((height - 1 - y) * stride);
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            row[x * 3 + 0] = GetBValue(c);
            row[x * 3 + 1] = GetGValue(c);
            row[x * 3 + 2] = GetRValue(c);
        }
    }
    return file;
}

inline void RegisterBitmap(UINT id, int width, int height, const std::function<COLORREF(int, int)>& color)
{
    const std::vector<std::uint8_t> file = MakeBmp(width, height, color);
    UserRegisterBitmapResource(static_cast<WORD>(id), file.data(), file.size());
}

// Hears the buttons' notifications.
class CommandHost : public CWnd {
public:
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override
    {
        if (HIWORD(wParam) == BN_CLICKED)
            clicks.push_back(LOWORD(wParam));
        return CWnd::OnCommand(wParam, lParam);
    }
    std::vector<UINT> clicks;
};

class SkinButtonTest : public ::testing::Test {
protected:
    static constexpr int kLeft = 10; // the first button in the host's client area
    static constexpr int kTop = 10;
    static constexpr UINT kId = 1002;
    static constexpr COLORREF kHostColor = RGB(255, 255, 255);

    void SetUp() override
    {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        RegisterQuillpostResources();
        const auto solid = [](COLORREF c) { return [c](int, int) { return c; }; };
        RegisterBitmap(kFaceNormal, kFaceWidth, kFaceHeight, solid(kNormal));
        RegisterBitmap(kFaceDown, kFaceWidth, kFaceHeight, solid(kDown));
        RegisterBitmap(kFaceOver, kFaceWidth, kFaceHeight, solid(kOver));
        RegisterBitmap(kFaceDisabled, kFaceWidth, kFaceHeight, solid(kDisabled));
        RegisterBitmap(kFaceFocus, kFaceWidth, kFaceHeight, solid(kFocus));
        RegisterBitmap(kMaskLeftHalf, kFaceWidth, kFaceHeight,
                       [](int x, int) { return x < kFaceWidth / 2 ? RGB(0, 0, 0) : RGB(255, 255, 255); });
        RegisterBitmap(kMaskWhite, kFaceWidth, kFaceHeight, solid(RGB(255, 255, 255)));
        RegisterBitmap(kFaceSmall, 8, 6, solid(kSmall));

        host = std::make_unique<CommandHost>();
        ASSERT_TRUE(host->CreateEx(0, AfxRegisterWndClass(0, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)),
                                   "host", WS_POPUP | WS_VISIBLE, 100, 100, 200, 100, nullptr, nullptr));
    }

    void TearDown() override
    {
        for (auto& b : buttons)
            if (b->GetSafeHwnd())
                b->DestroyWindow();
        buttons.clear();
        if (host)
            host->DestroyWindow();
        host.reset();
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    // A button window of `style` at (x, y) of the host, bound to a new
    // CxSkinButton as a dialog item is.
    CxSkinButton& Make(DWORD style = BS_PUSHBUTTON, UINT id = kId, int x = kLeft, int y = kTop,
                       int width = kFaceWidth, int height = kFaceHeight)
    {
        HWND hwnd = ::CreateWindowExA(0, WC_BUTTON, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                                      host->m_hWnd, reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)),
                                      nullptr, nullptr);
        EXPECT_NE(hwnd, nullptr);
        buttons.push_back(std::make_unique<CxSkinButton>());
        EXPECT_TRUE(buttons.back()->SubclassWindow(hwnd));
        return *buttons.back();
    }

    // The usual skin: every face its own colour.
    static void SkinAll(CxSkinButton& b, short drawMode = 0)
    {
        b.LoadSkin(kFaceNormal, kFaceDown, kFaceOver, kFaceDisabled, kFaceFocus, 0, drawMode, 0, 0);
    }

    // Without a focus face: a button that took the focus from a click shows
    // its normal face again.
    static void SkinNoFocus(CxSkinButton& b)
    {
        b.LoadSkin(kFaceNormal, kFaceDown, kFaceOver, kFaceDisabled, 0, 0, 0, 0, 0);
    }

    // Paints what is pending.
    void Settle() { headless->Pump(); }

    // The pixel at (x, y) of a button's client area, from the backing store.
    COLORREF At(const CxSkinButton& b, int x, int y) const
    {
        std::vector<std::uint32_t> pixels;
        int width = 0, height = 0;
        EXPECT_TRUE(UserCopyBackingStore(host->m_hWnd, pixels, width, height));
        POINT p{x, y};
        ::ClientToScreen(b.m_hWnd, &p);
        ::ScreenToClient(host->m_hWnd, &p);
        const std::uint32_t bgrx = pixels.at(static_cast<std::size_t>(p.y) * width + p.x);
        return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
    }

    // The button's middle pixel.
    COLORREF Face(const CxSkinButton& b) const
    {
        RECT r{};
        ::GetClientRect(b.m_hWnd, &r);
        return At(b, r.right / 2, r.bottom / 2);
    }

    // A screen point of a button's client area.
    static POINT Screen(const CxSkinButton& b, int x, int y)
    {
        POINT p{x, y};
        ::ClientToScreen(b.m_hWnd, &p);
        return p;
    }
    static POINT Middle(const CxSkinButton& b)
    {
        RECT r{};
        ::GetClientRect(b.m_hWnd, &r);
        return Screen(b, r.right / 2, r.bottom / 2);
    }
    // A point of the host well away from every button.
    POINT Away() const
    {
        POINT p{190, 90};
        ::ClientToScreen(host->m_hWnd, &p);
        return p;
    }

    platform::HeadlessBackend* headless = nullptr;
    std::unique_ptr<CommandHost> host;
    std::vector<std::unique_ptr<CxSkinButton>> buttons;
};
