// The queue's order: posted messages and input first, in arrival order,
// then WM_QUIT, then WM_PAINT, then WM_TIMER; sent messages never queue.
#include "user_test_support.h"

namespace usertest {
namespace {

class MessageOrder : public RuntimeTest {};

constexpr UINT kFirst = WM_USER + 1;
constexpr UINT kSecond = WM_USER + 2;
constexpr UINT kSent = WM_APP + 5;

std::vector<UINT> Drain(std::vector<MSG>* taken = nullptr)
{
    std::vector<UINT> order;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        order.push_back(msg.message);
        if (taken != nullptr)
            taken->push_back(msg);
        if (msg.message == WM_QUIT)
            break;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return order;
}

TEST_F(MessageOrder, PostedAndInputBeforePaintBeforeTimer)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{100, 100, 300, 200});
    ASSERT_NE(w, nullptr);
    SetTimer(w, 7, 10, nullptr);
    headless->AdvanceClock(10); // the timer is due
    // The window is new, so it is also owed a paint.
    PostMessageA(w, kFirst, 0, 0);
    headless->Click(POINT{150, 150});
    PostMessageA(w, kSecond, 0, 0);

    const std::vector<UINT> order = Drain();
    const std::vector<UINT> expected{kFirst,         kSecond,      WM_MOUSEMOVE, WM_LBUTTONDOWN,
                                     WM_LBUTTONUP,   WM_PAINT,     WM_TIMER};
    EXPECT_EQ(order, expected);
}

TEST_F(MessageOrder, SentMessagesRunAtOnceInsideTheCurrentOne)
{
    std::vector<UINT> seen;
    const HWND target = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == kSent) {
            seen.push_back(kSent);
            return 42;
        }
        return std::nullopt;
    });
    LRESULT answer = 0;
    const HWND sender = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == kFirst) {
            seen.push_back(kFirst);
            answer = SendMessageA(target, kSent, 0, 0);
            seen.push_back(kFirst + 100); // after the send returned
        } else if (m == kSecond) {
            seen.push_back(kSecond);
        }
        return std::nullopt;
    });
    PostMessageA(sender, kFirst, 0, 0);
    PostMessageA(sender, kSecond, 0, 0);
    Drain();
    EXPECT_EQ(answer, 42);
    EXPECT_EQ(seen, (std::vector<UINT>{kFirst, kSent, kFirst + 100, kSecond}));
}

TEST_F(MessageOrder, QuitComesAfterPostedMessagesAndBeforePaint)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    PostQuitMessage(3);
    PostMessageA(w, kFirst, 0, 0);
    std::vector<MSG> taken;
    const std::vector<UINT> order = Drain(&taken);
    ASSERT_EQ(order, (std::vector<UINT>{kFirst, WM_QUIT}));
    EXPECT_EQ(taken.back().wParam, 3u);
    // The paint is still owed once the quit has been taken.
    EXPECT_EQ(Drain(), (std::vector<UINT>{WM_PAINT}));
}

TEST_F(MessageOrder, GetMessageReturnsZeroForQuit)
{
    PostQuitMessage(9);
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 9u);
}

TEST_F(MessageOrder, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage)
{
    const HWND a = Make(WS_POPUP, RECT{0, 0, 10, 10});
    const HWND b = Make(WS_POPUP, RECT{0, 0, 10, 10});
    const HWND child = Make(WS_CHILD, RECT{0, 0, 5, 5}, a);
    PostMessageA(b, kFirst, 0, 0);
    PostMessageA(child, kSecond, 0, 0);
    PostMessageA(a, WM_APP, 0, 0);

    MSG msg;
    // A window filter takes the window's children too; b's message waits.
    ASSERT_TRUE(PeekMessageA(&msg, a, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.hwnd, child);
    ASSERT_TRUE(PeekMessageA(&msg, a, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, kSecond);
    // A range filter skips what lies outside it.
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_APP, WM_APP, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, a);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.hwnd, b);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageOrder, MessagesForADestroyedWindowAreDropped)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10});
    PostMessageA(w, kFirst, 0, 0);
    DestroyWindow(w);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_FALSE(PostMessageA(w, kFirst, 0, 0));
}

TEST_F(MessageOrder, TranslateMessageMakesCharactersFromKeys)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    ASSERT_EQ(GetFocus(), w);
    struct Case {
        std::vector<UINT> keys; // pressed in order, released in reverse
        std::vector<WPARAM> chars;
    };
    const Case cases[] = {
        {{'A'}, {'a'}},
        {{VK_SHIFT, 'A'}, {'A'}},
        {{VK_SHIFT, '1'}, {'!'}},
        {{VK_CONTROL, 'C'}, {3}},
        {{VK_RETURN}, {'\r'}},
        {{VK_ESCAPE}, {0x1B}},
        {{VK_LEFT}, {}},
    };
    for (const Case& c : cases) {
        journal.Clear();
        for (UINT k : c.keys)
            headless->KeyDown(k);
        for (auto it = c.keys.rbegin(); it != c.keys.rend(); ++it)
            headless->KeyUp(*it);
        Drain();
        std::vector<WPARAM> chars;
        for (const Entry& e : journal.Of(w, WM_CHAR))
            chars.push_back(e.wParam);
        EXPECT_EQ(chars, c.chars) << "first key " << c.keys.front();
    }
}

TEST_F(MessageOrder, TypedTextArrivesAsOneCharacterPerByte)
{
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    headless->TypeText("\xEA\xB0\x80!"); // U+AC00 then '!'
    Drain();
    std::vector<WPARAM> chars;
    for (const Entry& e : journal.Of(w, WM_CHAR))
        chars.push_back(e.wParam);
    EXPECT_EQ(chars, (std::vector<WPARAM>{0xEA, 0xB0, 0x80, '!'}));
}

} // namespace
} // namespace usertest
