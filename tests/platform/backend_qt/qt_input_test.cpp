// Pointer, wheel and keys from the X server become the runtime's messages.
#include "qt_test_support.h"

namespace qttest {
namespace {

constexpr std::uint32_t kKeysymA = 0x61;
constexpr std::uint32_t kKeysymEscape = 0xFF1B;

TEST_F(QtBackendTest, PointerWheelAndKeysBecomeMessages)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{100, 100, 300, 220}, state);
    ShowWindow(hwnd, SW_SHOW);
    const std::uint32_t window = XWindow(hwnd);
    ASSERT_TRUE(PumpUntil([&] { return x.Viewable(window); }));

    x.MovePointer(150, 130);
    x.Button(1, true);
    x.Button(1, false);
    ASSERT_TRUE(PumpUntil([&] { return state.Saw(WM_LBUTTONUP); }));
    const std::vector<Seen> downs = state.Of(WM_LBUTTONDOWN);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(GET_X_LPARAM(downs[0].lParam), 50);
    EXPECT_EQ(GET_Y_LPARAM(downs[0].lParam), 30);

    struct Notch {
        int button;
        int delta;
    };
    for (const Notch n : {Notch{4, 120}, Notch{5, -120}}) {
        state.seen.clear();
        x.Button(n.button, true);
        x.Button(n.button, false);
        ASSERT_TRUE(PumpUntil([&] { return state.Saw(WM_MOUSEWHEEL); })) << "button " << n.button;
        EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(state.Of(WM_MOUSEWHEEL)[0].wParam), n.delta);
    }

    state.seen.clear();
    ASSERT_TRUE(x.Key(kKeysymA, true));
    ASSERT_TRUE(x.Key(kKeysymA, false));
    ASSERT_TRUE(x.Key(kKeysymEscape, true));
    ASSERT_TRUE(x.Key(kKeysymEscape, false));
    ASSERT_TRUE(PumpUntil([&] {
        const std::vector<Seen> ups = state.Of(WM_KEYUP);
        return !ups.empty() && ups.back().wParam == VK_ESCAPE;
    }));
    std::vector<std::pair<UINT, WPARAM>> keys;
    for (const Seen& s : state.seen)
        if (s.message == WM_KEYDOWN || s.message == WM_KEYUP || s.message == WM_CHAR)
            keys.emplace_back(s.message, s.wParam);
    const std::vector<std::pair<UINT, WPARAM>> expected = {
        {WM_KEYDOWN, 'A'},       {WM_CHAR, 'a'},          {WM_KEYUP, 'A'},
        {WM_KEYDOWN, VK_ESCAPE}, {WM_CHAR, 0x1B},         {WM_KEYUP, VK_ESCAPE},
    };
    EXPECT_EQ(keys, expected);
}

} // namespace
} // namespace qttest
