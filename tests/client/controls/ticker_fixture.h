// A ticker on the headless backend in virtual time: a host window with the
// ticker as its child control 1009, the client's resources (the hand cursor,
// the speed dialog), a recorder in place of the link opener, and pixel
// helpers that read the host's backing store in the ticker's coordinates.
#pragma once

#include "TextDraw.h"
#include "res/resource.h"
#include "res/resources.h"

#include "platform/afx.h"
#include "platform/headless_backend.h"
#include "platform/user_runtime.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TickerTest : public ::testing::Test {
protected:
    static constexpr int kLeft = 10; // the ticker in the host's client area
    static constexpr int kTop = 10;
    static constexpr COLORREF kSentinel = RGB(255, 0, 255);

    void SetUp() override
    {
        auto backend = std::make_unique<platform::HeadlessBackend>();
        headless = backend.get();
        UserSetBackend(std::move(backend));
        UserClearResources();
        RegisterQuillpostResources();
    }

    void TearDown() override
    {
        if (ticker)
            ticker->DestroyWindow();
        if (host)
            host->DestroyWindow();
        ticker.reset();
        host.reset();
        AfxDeleteTempMaps();
        UserSetBackend(std::make_unique<platform::HeadlessBackend>());
        UserClearResources();
    }

    // A ticker `width` x `height` pixels, not yet built or started.
    CTextDraw& Make(int width, int height = 18)
    {
        host = std::make_unique<CWnd>();
        EXPECT_TRUE(host->CreateEx(0, AfxRegisterWndClass(0), "host", WS_POPUP | WS_VISIBLE, 100, 100,
                                   width + 2 * kLeft, height + 2 * kTop, nullptr, nullptr));
        ticker = std::make_unique<CTextDraw>();
        EXPECT_TRUE(ticker->Create("", WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BLACKFRAME,
                                   RECT{kLeft, kTop, kLeft + width, kTop + height}, host.get(), IDC_TICKER));
        ticker->SetUrlOpener([this](LPCSTR address, int show) {
            opened.emplace_back(address, show);
            return 42;
        });
        ticker->SetBkColor(RGB(255, 255, 255));
        ticker->SetTextColor(RGB(128, 64, 64));
        host->UpdateWindow(); // the first paint is over before the test begins
        return *ticker;
    }

    // The host's backing store as it is now.
    struct Store {
        std::vector<std::uint32_t> pixels;
        int width = 0;
        int height = 0;

        // The pixel at (x, y) of the ticker's client area.
        COLORREF At(int x, int y) const
        {
            const std::uint32_t bgrx = pixels.at(static_cast<std::size_t>(kTop + y) * width + kLeft + x);
            return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
        }
    };

    Store Snapshot() const
    {
        Store store;
        EXPECT_TRUE(UserCopyBackingStore(host->m_hWnd, store.pixels, store.width, store.height));
        return store;
    }

    COLORREF At(int x, int y) const { return Snapshot().At(x, y); }

    std::vector<COLORREF> Column(int x) const
    {
        CRect r;
        ticker->GetClientRect(&r);
        const Store store = Snapshot();
        std::vector<COLORREF> column;
        for (int y = 0; y < r.Height(); ++y)
            column.push_back(store.At(x, y));
        return column;
    }

    // Paints the whole ticker area with the sentinel colour, so that what a
    // frame leaves alone can be told apart.
    void FillSentinel()
    {
        CRect r;
        ticker->GetClientRect(&r);
        CClientDC dc(ticker.get());
        dc.FillSolidRect(&r, kSentinel);
    }

    // A screen point of the ticker's client area.
    POINT Screen(int x, int y) const
    {
        POINT p{x, y};
        ticker->ClientToScreen(&p);
        return p;
    }

    int ClientWidth() const
    {
        CRect r;
        ticker->GetClientRect(&r);
        return r.Width();
    }

    // The width of `text` in the ticker's font, ampersands and all.
    int TextWidth(const char* text) const
    {
        CClientDC dc(ticker.get());
        CFont font;
        font.CreateFontIndirect(&ticker->m_logfont);
        const HGDIOBJ old = ::SelectObject(dc.GetSafeHdc(), font.GetSafeHandle());
        const int width = dc.GetTextExtent(text).cx;
        ::SelectObject(dc.GetSafeHdc(), old);
        return width;
    }

    platform::HeadlessBackend* headless = nullptr;
    std::unique_ptr<CWnd> host;
    std::unique_ptr<CTextDraw> ticker;
    std::vector<std::pair<std::string, int>> opened; // what clicks asked the link opener for
};
