// The main window's skin buttons on the headless backend: each shows its
// normal bitmap, its lit bitmap while the pointer is over it and the normal
// one again after the pointer leaves, its tip after the hover delay, and the
// hand cursor; the ticker button shows bitmap 150.
#include "main_window_fixture.h"

#include "QuillpostDlg.h"
#include "res/resource.h"
#include "res/skin_layout.h"
#include "xSkinButton.h"

#include <functional>
#include <string>
#include <vector>

namespace {

class SkinButtons : public MainWindowTest {
protected:
    // How many pixels of the button at `place` differ from bitmap `id`
    // (copied at its natural size from the button's top-left corner).
    static int Mismatches(const CQuillpostDlg& dlg, const skin::ButtonPlace& place, UINT id)
    {
        std::vector<std::uint32_t> pixels;
        int width = 0, height = 0;
        EXPECT_TRUE(UserCopyBackingStore(dlg.m_hWnd, pixels, width, height));
        HBITMAP bitmap = ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
        EXPECT_NE(bitmap, nullptr) << id;
        if (bitmap == nullptr)
            return -1;
        BITMAP info{};
        ::GetObjectA(bitmap, sizeof info, &info);
        HDC mem = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(mem, bitmap);
        int wrong = 0;
        for (int y = 0; y < std::min<int>(info.bmHeight, place.box.height); ++y)
            for (int x = 0; x < std::min<int>(info.bmWidth, place.box.width); ++x) {
                const std::uint32_t bgrx =
                    pixels.at(static_cast<std::size_t>(place.box.y + y) * width + place.box.x + x);
                const COLORREF shown = RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
                if (shown != ::GetPixel(mem, x, y))
                    ++wrong;
            }
        ::SelectObject(mem, old);
        ::DeleteDC(mem);
        ::DeleteObject(bitmap);
        return wrong;
    }

    static CxSkinButton* Button(const CQuillpostDlg& dlg, int id)
    {
        return dynamic_cast<CxSkinButton*>(CWnd::FromHandlePermanent(::GetDlgItem(dlg.m_hWnd, id)));
    }

    static POINT MiddleOf(const CQuillpostDlg& dlg, const skin::ButtonPlace& place)
    {
        POINT p{place.box.x + place.box.width / 2, place.box.y + place.box.height / 2};
        ::ClientToScreen(dlg.m_hWnd, &p);
        return p;
    }

    // A point of the window's own surface, away from every control.
    static POINT Surface(const CQuillpostDlg& dlg)
    {
        POINT p{skin::kTickerButton.box.x - 10, skin::kTickerButton.box.y + 5};
        ::ClientToScreen(dlg.m_hWnd, &p);
        return p;
    }

    static std::string TipText(const CxSkinButton& b)
    {
        HWND tip = b.m_tooltip.GetSafeHwnd();
        if (tip == nullptr || !::IsWindowVisible(tip))
            return {};
        char text[256] = {};
        ::GetWindowTextA(tip, text, sizeof text);
        return text;
    }

    bool CursorIsTheHand(const CQuillpostDlg& dlg) const
    {
        const auto state = headless->State(UserGetNativeWindow(dlg.m_hWnd));
        return state && state->cursor.width == 32 && state->cursor.hotSpot.x == 5 && state->cursor.hotSpot.y == 0 &&
               !state->cursor.argb.empty();
    }
};

TEST_F(SkinButtons, EachLightsUnderThePointerShowsItsTipAndTheHand)
{
    for (const skin::ButtonPlace& place : skin::kSkinButtons) {
        CQuillpostDlg dlg;
        Run(dlg, {
            [&](CQuillpostDlg& d) {
                CxSkinButton* b = Button(d, place.id);
                ASSERT_NE(b, nullptr) << place.id << " is a skin button";
                EXPECT_EQ(b->GetStyle() & BS_TYPEMASK, BS_OWNERDRAW) << place.id;
                EXPECT_EQ(Mismatches(d, place, place.normal), 0) << place.id << ": the normal face";
                headless->MoveMouse(MiddleOf(d, place));
            },
            [&](CQuillpostDlg& d) {
                EXPECT_EQ(Mismatches(d, place, place.over), 0) << place.id << ": the lit face";
                EXPECT_NE(Mismatches(d, place, place.normal), 0) << place.id << ": the faces differ";
                EXPECT_TRUE(CursorIsTheHand(d)) << place.id;
                EXPECT_EQ(TipText(*Button(d, place.id)), "") << place.id << ": no tip yet";
                headless->RunFor(800);
                EXPECT_EQ(TipText(*Button(d, place.id)), place.tip) << place.id;
                headless->MoveMouse(Surface(d));
            },
            [&](CQuillpostDlg& d) {
                EXPECT_EQ(Mismatches(d, place, place.normal), 0) << place.id << ": normal after leaving";
                EXPECT_EQ(TipText(*Button(d, place.id)), "") << place.id << ": the tip went";
                d.PostMessage(WM_CLOSE);
            },
        });
    }
}

TEST_F(SkinButtons, TheTickerButtonShowsItsBitmapAndTheHandButNoTip)
{
    CQuillpostDlg dlg;
    const skin::ButtonPlace& place = skin::kTickerButton;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            CxSkinButton* b = Button(d, place.id);
            ASSERT_NE(b, nullptr);
            EXPECT_EQ(Mismatches(d, place, place.normal), 0);
            EXPECT_EQ(b->m_tooltip.GetSafeHwnd(), nullptr);
            headless->MoveMouse(MiddleOf(d, place));
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(Button(d, place.id)->m_bHover);
            EXPECT_EQ(Mismatches(d, place, place.normal), 0) << "no lit face: it stays as it is";
            EXPECT_TRUE(CursorIsTheHand(d));
            d.PostMessage(WM_CLOSE);
        },
    });
}

} // namespace
