// Under a window manager (run_with_xvfb.sh --wm): the program's minimise
// and restore as the X server sees them, the desktop's own iconify and
// restore as the program hears of them, and the window's icon, which Qt
// offers only to a window manager that asks for icons.
#include "qt_test_support.h"

#include "platform/icon_file.h"
#include "platform/user_dialog.h"

#include <cstdio>
#include <string>

namespace qttest {
namespace {

// The sizes of the icons in a _NET_WM_ICON value and their middle pixels.
std::string Describe(const std::vector<std::uint32_t>& offered)
{
    std::string text;
    for (std::size_t at = 0; at + 2 <= offered.size();) {
        const std::size_t w = offered[at], h = offered[at + 1];
        if (at + 2 + w * h > offered.size())
            return text + " (truncated)";
        char item[64];
        std::snprintf(item, sizeof item, " %zux%zu:%08X", w, h, offered[at + 2 + (h / 2) * w + w / 2]);
        text += item;
        at += 2 + w * h;
    }
    return text.empty() ? " none" : text;
}

class QtWmTest : public QtBackendTest {
protected:
    void SetUp() override
    {
        QtBackendTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        if (!x.WindowManagerRunning())
            GTEST_SKIP() << "no window manager on this display; run through run_with_xvfb.sh --wm";
    }

    // The shaped test window, shown and drawn by the X server.
    HWND ShowShaped(TestWindow& state)
    {
        const HWND hwnd = MakeShaped(state);
        ShowWindow(hwnd, SW_SHOWNORMAL);
        const std::uint32_t window = XWindow(hwnd);
        EXPECT_TRUE(PumpUntil([&] { return XNormal(window); })) << "shown by the window manager";
        return hwnd;
    }

    bool XIconic(std::uint32_t window) { return x.WmState(window) == XProbe::kIconicState && !x.Viewable(window); }
    bool XNormal(std::uint32_t window) { return x.WmState(window) == XProbe::kNormalState && ShowsSkin(window); }

    // The runtime's show state: IsIconic, the style bit and the placement.
    static void ExpectMinimised(HWND hwnd, bool minimised)
    {
        EXPECT_EQ(IsIconic(hwnd) != FALSE, minimised);
        EXPECT_EQ((GetWindowLongA(hwnd, GWL_STYLE) & WS_MINIMIZE) != 0, minimised);
        WINDOWPLACEMENT placement{};
        ASSERT_TRUE(GetWindowPlacement(hwnd, &placement));
        EXPECT_EQ(placement.showCmd, minimised ? SW_SHOWMINIMIZED : SW_SHOWNORMAL);
    }

    static std::optional<WPARAM> LastSizeKind(const TestWindow& state)
    {
        const std::vector<Seen> sizes = state.Of(WM_SIZE);
        return sizes.empty() ? std::nullopt : std::optional<WPARAM>(sizes.back().wParam);
    }
};

TEST_F(QtWmTest, MinimiseIconifiesTheWindowAndRestoreBringsItBackWhole)
{
    TestWindow& state = NewState();
    const HWND hwnd = ShowShaped(state);
    const std::uint32_t window = XWindow(hwnd);
    const std::vector<XRect> shape = x.BoundingShape(window);
    const std::optional<XRect> place = x.Geometry(window);
    ASSERT_GT(shape.size(), 1u);
    ASSERT_TRUE(place);

    for (const int restore : {SW_RESTORE, SW_SHOWNORMAL}) {
        SCOPED_TRACE(restore == SW_RESTORE ? "SW_RESTORE" : "SW_SHOWNORMAL");
        ShowWindow(hwnd, SW_MINIMIZE);
        ExpectMinimised(hwnd, true);
        EXPECT_EQ(LastSizeKind(state), SIZE_MINIMIZED);
        EXPECT_TRUE(PumpUntil([&] { return XIconic(window); })) << "WM_STATE iconic and unmapped";
        // The window manager's confirmation is not taken for a change of
        // the desktop's own.
        PumpTurns(3);
        ExpectMinimised(hwnd, true);
        EXPECT_TRUE(XIconic(window));

        ShowWindow(hwnd, restore);
        ExpectMinimised(hwnd, false);
        EXPECT_EQ(LastSizeKind(state), SIZE_RESTORED);
        EXPECT_TRUE(PumpUntil([&] { return XNormal(window); })) << "WM_STATE normal, viewable, painted";
        const std::optional<XRect> now = x.Geometry(window);
        ASSERT_TRUE(now);
        EXPECT_EQ(now->x, place->x);
        EXPECT_EQ(now->y, place->y);
        EXPECT_EQ(now->width, 200);
        EXPECT_EQ(now->height, 120);
        const std::vector<XRect> shapeNow = x.BoundingShape(window);
        ASSERT_EQ(shapeNow.size(), shape.size()) << "the shape came back with the window";
        for (std::size_t i = 0; i < shape.size(); ++i) {
            EXPECT_EQ(shapeNow[i].x, shape[i].x);
            EXPECT_EQ(shapeNow[i].y, shape[i].y);
            EXPECT_EQ(shapeNow[i].width, shape[i].width);
            EXPECT_EQ(shapeNow[i].height, shape[i].height);
        }
    }
}

TEST_F(QtWmTest, TheDesktopsIconifyAndRestoreReachTheProgram)
{
    TestWindow& state = NewState();
    const HWND hwnd = ShowShaped(state);
    const std::uint32_t window = XWindow(hwnd);
    state.seen.clear();

    x.AskToIconify(window); // as a pager or task bar does
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(hwnd) != FALSE; })) << "the runtime heard of the iconify";
    ExpectMinimised(hwnd, true);
    EXPECT_EQ(LastSizeKind(state), SIZE_MINIMIZED);
    EXPECT_TRUE(PumpUntil([&] { return XIconic(window); }));

    x.AskToActivate(window); // a click on its task-bar button
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(hwnd) == FALSE; })) << "the runtime heard of the restore";
    ExpectMinimised(hwnd, false);
    EXPECT_EQ(LastSizeKind(state), SIZE_RESTORED);
    EXPECT_TRUE(PumpUntil([&] { return XNormal(window); }));
}

TEST_F(QtWmTest, TheWindowIconIsOfferedToTheDesktop)
{
    TestWindow& state = NewState();
    const HWND hwnd = MakeShaped(state);
    // One colour with a transparent top-left block, so that every size the
    // toolkit offers, however it scales, is that colour in the middle and
    // transparent in the corner.
    constexpr std::uint32_t kColour = 0xFFC03020;
    iconfile::IconImage picture;
    picture.width = picture.height = 32;
    picture.color.assign(32 * 32, kColour);
    picture.mask.assign(32 * 32, 0);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            picture.color[static_cast<std::size_t>(y) * 32 + x] = 0;
            picture.mask[static_cast<std::size_t>(y) * 32 + x] = 1;
        }
    iconfile::IconFile file;
    file.images = {picture};
    const std::vector<std::uint8_t> bytes = iconfile::WriteIconFile(file).bytes;
    UserRegisterIconResource(900, bytes.data(), bytes.size());
    const auto icon =
        static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(900), IMAGE_ICON, 0, 0, 0));
    ASSERT_NE(icon, nullptr);
    // Set before the window is shown, as a program does while it initialises:
    // openbox gives a window it takes on without an icon a default one of
    // its own, written onto the window, and that can land after an icon
    // set later.
    SendMessageA(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ShowWindow(hwnd, SW_SHOWNORMAL);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return XNormal(window); })) << "shown by the window manager";
    std::vector<std::uint32_t> offered;
    ASSERT_TRUE(PumpUntil([&] {
        offered = x.WindowIcon(window);
        return offered.size() > 2 && offered[2 + (offered[1] / 2) * offered[0] + offered[0] / 2] == kColour &&
               offered.size() >= 2 + std::size_t{offered[0]} * offered[1];
    })) << "our icon was never offered: " << Describe(offered);
    int sizes = 0;
    for (std::size_t at = 0; at + 2 <= offered.size();) {
        const std::uint32_t width = offered[at], height = offered[at + 1];
        const std::size_t count = static_cast<std::size_t>(width) * height;
        ASSERT_LE(at + 2 + count, offered.size()) << "a truncated icon";
        ++sizes;
        EXPECT_EQ(offered[at + 2] >> 24, 0u) << width << "x" << height << ": the corner";
        EXPECT_EQ(offered[at + 2 + (height / 2) * width + width / 2], kColour) << width << "x" << height;
        at += 2 + count;
    }
    EXPECT_GT(sizes, 0);
    DestroyIcon(icon);
}

} // namespace
} // namespace qttest
