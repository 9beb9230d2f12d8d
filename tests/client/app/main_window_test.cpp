// The main window on the headless backend: its shape and skin, the keys,
// the show-state buttons, dragging, closing from every source, and its
// icon.  Each test runs the window step by step (main_window_fixture.h).
#include "main_window_fixture.h"

#include "QuillpostDlg.h"
#include "res/resource.h"
#include "res/skin_layout.h"

#include <functional>
#include <optional>
#include <vector>

namespace {

class MainWindow : public MainWindowTest {
protected:
    platform::NativeWindowId Native(const CQuillpostDlg& dlg) const { return UserGetNativeWindow(dlg.m_hWnd); }

    platform::HeadlessBackend::WindowState State(const CQuillpostDlg& dlg) const
    {
        auto state = headless->State(Native(dlg));
        EXPECT_TRUE(state.has_value());
        return state.value_or(platform::HeadlessBackend::WindowState{});
    }

    static RECT WindowRect(const CQuillpostDlg& dlg)
    {
        RECT r{};
        ::GetWindowRect(dlg.m_hWnd, &r);
        return r;
    }

    // Rectangles of the visible child windows, in the window's coordinates.
    static std::vector<RECT> ChildRects(const CQuillpostDlg& dlg)
    {
        std::vector<RECT> rects;
        for (HWND c = ::GetWindow(dlg.m_hWnd, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
            if (!::IsWindowVisible(c))
                continue;
            RECT r{};
            ::GetWindowRect(c, &r);
            POINT tl{r.left, r.top}, br{r.right, r.bottom};
            ::ScreenToClient(dlg.m_hWnd, &tl);
            ::ScreenToClient(dlg.m_hWnd, &br);
            rects.push_back(RECT{tl.x, tl.y, br.x, br.y});
        }
        return rects;
    }

    static bool InAny(const std::vector<RECT>& rects, int x, int y)
    {
        for (const RECT& r : rects)
            if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
                return true;
        return false;
    }

    static Step Close()
    {
        return [](CQuillpostDlg& dlg) { dlg.PostMessage(WM_CLOSE); };
    }
};

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

} // namespace

TEST_F(MainWindow, IsShapedByTheFrameAndShowsTheSkinWhereNoControlCoversIt)
{
    CQuillpostDlg dlg;
    int checkedFrame = 0, checkedTitle = 0, wrong = 0;
    const INT_PTR result = Run(dlg, {
        [&](CQuillpostDlg& d) {
            ASSERT_TRUE(d.m_dibFrame.IsValid());
            ASSERT_TRUE(d.m_dibTitle.IsValid());
            const auto state = State(d);
            EXPECT_TRUE(state.shaped);
            EXPECT_GT(state.shape.size(), 1u) << "the outline is more than one rectangle";
            EXPECT_EQ(state.title, "Quillpost");
            EXPECT_TRUE(::GetWindowLongA(d.m_hWnd, GWL_STYLE) & WS_SYSMENU);

            const std::vector<RECT> children = ChildRects(d);
            const int titleW = d.m_dibTitle.GetWidth(), titleH = d.m_dibTitle.GetHeight();
            for (int y = 0; y < d.m_dibFrame.GetHeight(); ++y)
                for (int x = 0; x < d.m_dibFrame.GetWidth(); ++x) {
                    const COLORREF frame = static_cast<COLORREF>(d.m_dibFrame.GetPixelColor(x, y));
                    if (frame == kFrameKeyColor || InAny(children, x, y))
                        continue;
                    const bool inTitle = x >= skin::kTitleX && x < skin::kTitleX + titleW && y >= skin::kTitleY &&
                                         y < skin::kTitleY + titleH;
                    const COLORREF want =
                        inTitle ? static_cast<COLORREF>(d.m_dibTitle.GetPixelColor(x - skin::kTitleX, y - skin::kTitleY))
                                : frame;
                    ++(inTitle ? checkedTitle : checkedFrame);
                    if (headless->PixelAt(Native(d), x, y) != std::optional<COLORREF>(want))
                        ++wrong;
                }
            d.PostMessage(WM_CLOSE);
        },
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_GT(checkedFrame, 1000);
    EXPECT_GT(checkedTitle, 100);
    EXPECT_EQ(wrong, 0) << "pixels that are neither the frame's nor the title's";
}

TEST_F(MainWindow, EscapeHidesTheWindowAndOpenShowsItAgainWhereItWas)
{
    CQuillpostDlg dlg;
    RECT before{};
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            before = WindowRect(d);
            EXPECT_TRUE(d.IsWindowVisible());
            headless->KeyPress(VK_ESCAPE);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_FALSE(d.IsWindowVisible());
            EXPECT_EQ(State(d).state, platform::ShowState::Hidden);
            EXPECT_TRUE(SameRect(WindowRect(d), before));
            d.SendMessage(WM_COMMAND, ID_TRAY_OPEN); // the tray menu's "열기"
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_TRUE(SameRect(WindowRect(d), before)) << "shown again at the place it had";
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(MainWindow, EnterDoesNothing)
{
    CQuillpostDlg dlg;
    RECT before{};
    const INT_PTR result = Run(dlg, {
        [&](CQuillpostDlg& d) {
            before = WindowRect(d);
            headless->KeyPress(VK_RETURN);
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(::IsWindow(d.m_hWnd));
            EXPECT_TRUE(d.IsWindowVisible());
            EXPECT_FALSE(d.IsIconic());
            EXPECT_TRUE(SameRect(WindowRect(d), before));
            d.PostMessage(WM_CLOSE);
        },
    });
    EXPECT_EQ(result, IDCANCEL) << "the window ended by the close, not by Enter";
}

TEST_F(MainWindow, TheSmallButtonsMinimiseAndHideAndTheCommandsShowItAgain)
{
    struct Case {
        const char* name;
        int button;
        platform::ShowState after;
        UINT restore; // command that shows the window again
    } cases[] = {
        {"minimise", IDC_BTN_MINIMIZE, platform::ShowState::Minimized, ID_TRAY_OPEN},
        {"close button hides", IDC_BTN_CLOSE, platform::ShowState::Hidden, ID_TRAY_OPEN},
    };
    for (const auto& c : cases) {
        CQuillpostDlg dlg;
        RECT before{};
        Run(dlg, {
            [&](CQuillpostDlg& d) {
                before = WindowRect(d);
                d.m_bNewsAlert = TRUE;
                HWND button = ::GetDlgItem(d.m_hWnd, c.button);
                ASSERT_NE(button, nullptr) << c.name;
                RECT r{};
                ::GetWindowRect(button, &r);
                headless->Click(POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2});
            },
            [&](CQuillpostDlg& d) {
                EXPECT_EQ(State(d).state, c.after) << c.name;
                EXPECT_FALSE(d.m_bNewsAlert) << c.name << ": the news alert stops";
                d.SendMessage(WM_NOTIFIER_CLICKED);
                EXPECT_EQ(State(d).state, platform::ShowState::Normal) << c.name;
                EXPECT_TRUE(SameRect(WindowRect(d), before)) << c.name;
                d.PostMessage(WM_CLOSE);
            },
        });
    }
}

TEST_F(MainWindow, TheButtonsSitWhereTheSkinPutsThem)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            std::vector<skin::ButtonPlace> places(std::begin(skin::kSkinButtons), std::end(skin::kSkinButtons));
            places.push_back(skin::kTickerButton);
            places.push_back({IDC_TICKER_FRAME, skin::kTickerFramePlace, 0, 0, nullptr});
            for (const auto& p : places) {
                HWND control = ::GetDlgItem(d.m_hWnd, p.id);
                ASSERT_NE(control, nullptr) << p.id;
                RECT r{};
                ::GetWindowRect(control, &r);
                POINT tl{r.left, r.top};
                ::ScreenToClient(d.m_hWnd, &tl);
                EXPECT_EQ(tl.x, p.box.x) << p.id;
                EXPECT_EQ(tl.y, p.box.y) << p.id;
                EXPECT_EQ(r.right - r.left, p.box.width) << p.id;
                EXPECT_EQ(r.bottom - r.top, p.box.height) << p.id;
            }
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(MainWindow, DraggingTheSurfaceMovesTheWindowByThePointersMovement)
{
    CQuillpostDlg dlg;
    RECT before{};
    POINT from{};
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            before = WindowRect(d);
            // A point of the frame that no control covers.
            const std::vector<RECT> children = ChildRects(d);
            bool found = false;
            for (int y = 10; y < d.m_dibFrame.GetHeight() && !found; ++y)
                for (int x = 10; x < d.m_dibFrame.GetWidth() && !found; ++x)
                    if (static_cast<COLORREF>(d.m_dibFrame.GetPixelColor(x, y)) != kFrameKeyColor &&
                        !InAny(children, x, y)) {
                        from = POINT{before.left + x, before.top + y};
                        found = true;
                    }
            ASSERT_TRUE(found);
            headless->MoveMouse(from);
            headless->PressButton();
        },
        [&](CQuillpostDlg& d) {
            EXPECT_TRUE(d.m_bDragging);
            headless->MoveMouse(POINT{from.x + 30, from.y + 12});
            headless->MoveMouse(POINT{from.x + 45, from.y - 20});
        },
        [&](CQuillpostDlg& d) {
            const RECT r = WindowRect(d);
            EXPECT_EQ(r.left - before.left, 45);
            EXPECT_EQ(r.top - before.top, -20);
            EXPECT_EQ(r.right - r.left, before.right - before.left) << "the size is kept";
            EXPECT_EQ(r.bottom - r.top, before.bottom - before.top);
            headless->ReleaseButton();
            headless->MoveMouse(POINT{from.x + 100, from.y + 100});
        },
        [&](CQuillpostDlg& d) {
            EXPECT_FALSE(d.m_bDragging);
            const RECT r = WindowRect(d);
            EXPECT_EQ(r.left - before.left, 45) << "released: the pointer no longer moves it";
            EXPECT_EQ(r.top - before.top, -20);
            EXPECT_EQ(::GetCapture(), nullptr);
            d.PostMessage(WM_CLOSE);
        },
    });
}

TEST_F(MainWindow, ACloseFromAnySourceEndsTheModalRun)
{
    struct Case {
        const char* name;
        std::function<void(CQuillpostDlg&, platform::HeadlessBackend&)> close;
    } cases[] = {
        {"WM_CLOSE", [](CQuillpostDlg& d, platform::HeadlessBackend&) { d.PostMessage(WM_CLOSE); }},
        {"the tray menu's exit", [](CQuillpostDlg& d, platform::HeadlessBackend&) { d.PostMessage(WM_COMMAND, ID_TRAY_EXIT); }},
        {"the window menu's close", [](CQuillpostDlg& d, platform::HeadlessBackend&) { d.PostMessage(WM_SYSCOMMAND, SC_CLOSE); }},
        {"the desktop's close request",
         [](CQuillpostDlg& d, platform::HeadlessBackend& h) { h.RequestClose(UserGetNativeWindow(d.m_hWnd)); }},
        {"while hidden", [](CQuillpostDlg& d, platform::HeadlessBackend&) {
             d.ShowWindow(SW_HIDE);
             d.PostMessage(WM_CLOSE);
         }},
    };
    for (const auto& c : cases) {
        CQuillpostDlg dlg;
        HWND hwnd = nullptr;
        const INT_PTR result = Run(dlg, {[&](CQuillpostDlg& d) {
            hwnd = d.m_hWnd;
            c.close(d, *headless);
        }});
        EXPECT_EQ(result, IDCANCEL) << c.name;
        EXPECT_FALSE(::IsWindow(hwnd)) << c.name;
        EXPECT_EQ(UserNextDueMs(), -1) << c.name << ": no timer of the window is left";
    }
}

TEST_F(MainWindow, WithoutAUsableFrameTheWindowStaysRectangular)
{
    struct Case {
        const char* name;
        std::function<void(const std::filesystem::path&)> prepare;
        bool frameValid;
    } cases[] = {
        {"missing", [](const std::filesystem::path& f) { std::filesystem::remove(f); }, false},
        {"not a bitmap", [](const std::filesystem::path& f) { std::ofstream(f, std::ios::trunc) << "not a bitmap"; }, false},
        {"every pixel the key", [](const std::filesystem::path& f) {
             CDIB green;
             green.Create(40, 30, 24, nullptr);
             for (int y = 0; y < 30; ++y)
                 for (int x = 0; x < 40; ++x)
                     green.SetPixelColor(x, y, kFrameKeyColor);
             green.SaveBMP(f.c_str());
         }, true},
    };
    for (const auto& c : cases) {
        c.prepare(dir / "Frame.bmp");
        CQuillpostDlg dlg;
        Run(dlg, {[&](CQuillpostDlg& d) {
            EXPECT_EQ(d.m_dibFrame.IsValid() != 0, c.frameValid) << c.name;
            EXPECT_FALSE(State(d).shaped) << c.name;
            HRGN probe = ::CreateRectRgn(0, 0, 0, 0);
            EXPECT_EQ(::GetWindowRgn(d.m_hWnd, probe), ERROR) << c.name << ": no window region";
            ::DeleteObject(probe);
            EXPECT_TRUE(d.IsWindowVisible()) << c.name;
            d.PostMessage(WM_CLOSE);
        }});
    }
}

TEST_F(MainWindow, ItsIconIsTheLoggedInIconAndAMinimisedWindowPaintsItCentred)
{
    CQuillpostDlg dlg;
    Run(dlg, {
        [&](CQuillpostDlg& d) {
            const HICON loggedIn = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_TRAY_LOGIN));
            ASSERT_NE(loggedIn, nullptr);
            EXPECT_EQ(reinterpret_cast<HICON>(d.SendMessage(WM_QUERYDRAGICON)), loggedIn);
            EXPECT_EQ(d.GetIcon(TRUE), loggedIn);
            EXPECT_EQ(d.GetIcon(FALSE), loggedIn);
            platform::CursorImage icon;
            ASSERT_TRUE(UserGetIconImage(loggedIn, icon));
            EXPECT_EQ(State(d).icon.argb, icon.argb) << "the desktop shows the window's icon";

            std::vector<std::uint32_t> shown, pixels;
            int width = 0, height = 0;
            ASSERT_TRUE(UserCopyBackingStore(d.m_hWnd, shown, width, height));
            d.ShowWindow(SW_MINIMIZE);
            d.Invalidate();
            d.UpdateWindow();
            ASSERT_TRUE(UserCopyBackingStore(d.m_hWnd, pixels, width, height));
            const int size = ::GetSystemMetrics(SM_CXICON);
            ASSERT_EQ(icon.width, size);
            const int left = (width - size + 1) / 2;
            const int top = (height - size + 1) / 2;
            const COLORREF desktop = ::GetSysColor(COLOR_DESKTOP);
            const auto at = [&](int x, int y) {
                const std::uint32_t bgrx = pixels[static_cast<std::size_t>(y) * width + x];
                return RGB((bgrx >> 16) & 0xFF, (bgrx >> 8) & 0xFF, bgrx & 0xFF);
            };
            EXPECT_EQ(at(5, 5), desktop) << "the skin is not drawn under the icon";
            int opaque = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const std::uint32_t argb = icon.argb[static_cast<std::size_t>(y) * size + x];
                    if (argb >> 24 == 0xFF) {
                        ++opaque;
                        EXPECT_EQ(at(left + x, top + y), RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF))
                            << x << "," << y;
                    } else if (argb >> 24 == 0) {
                        EXPECT_EQ(at(left + x, top + y), desktop) << x << "," << y;
                    }
                }
            }
            EXPECT_GT(opaque, size * size / 4);
            d.ShowWindow(SW_RESTORE);
            d.UpdateWindow();
            ASSERT_TRUE(UserCopyBackingStore(d.m_hWnd, pixels, width, height));
            EXPECT_TRUE(pixels == shown) << "restored, the window and its panes look as before";
            d.PostMessage(WM_CLOSE);
        },
    });
}
