// The modal-loop primitive, message filters, and descriptor watching.
#include "user_test_support.h"

#include <fcntl.h>
#include <unistd.h>

namespace usertest {
namespace {

class ModalLoops : public RuntimeTest {};

TEST_F(ModalLoops, RunsWhileThePredicateHoldsAndFiltersComeFirst)
{
    int handled = 0;
    bool running = true;
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, [&](HWND, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_APP) {
            ++handled;
            if (wp == 3)
                running = false; // what an EndDialog would do
        }
        return std::nullopt;
    });
    std::vector<WPARAM> loopFilterSaw;
    std::vector<WPARAM> globalFilterSaw;
    const int cookie = UserAddMessageFilter([&](MSG& m) {
        if (m.message != WM_APP)
            return false;
        globalFilterSaw.push_back(m.wParam);
        return m.wParam == 2; // consumed: never dispatched
    });
    for (WPARAM i = 0; i < 5; ++i)
        PostMessageA(w, WM_APP, i, 0);
    const bool ended = UserRunModalLoop([&] { return running; }, [&](MSG& m) {
        if (m.message == WM_APP)
            loopFilterSaw.push_back(m.wParam);
        return m.wParam == 1 && m.message == WM_APP;
    });
    UserRemoveMessageFilter(cookie);
    EXPECT_TRUE(ended);
    EXPECT_EQ(handled, 2) << "0 and 3 were dispatched; 1 and 2 were consumed";
    EXPECT_EQ(loopFilterSaw, (std::vector<WPARAM>{0, 1, 2, 3}));
    EXPECT_EQ(globalFilterSaw, (std::vector<WPARAM>{0, 2, 3}));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 4u) << "the loop stopped right after the message that ended it";
}

TEST_F(ModalLoops, QuitEndsNestedLoopsOneAfterAnother)
{
    int depth = 0;
    bool innerEnded = true;
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, [&](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
        if (m == WM_APP) {
            ++depth;
            PostQuitMessage(5);
            innerEnded = UserRunModalLoop([] { return true; });
        }
        return std::nullopt;
    });
    PostMessageA(w, WM_APP, 0, 0);
    const bool outerEnded = UserRunModalLoop([] { return true; });
    EXPECT_EQ(depth, 1);
    EXPECT_FALSE(innerEnded);
    EXPECT_FALSE(outerEnded);
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), 0) << "the quit is still there for the program's own loop";
    EXPECT_EQ(msg.wParam, 5u);
}

TEST_F(ModalLoops, AStallInVirtualTimeReachesTheHandlerInsteadOfHanging)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10});
    int stalls = 0;
    headless->SetStallHandler([&] {
        ++stalls;
        PostMessageA(w, WM_CLOSE, 0, 0);
    });
    UserRunModalLoop([&] { return IsWindow(w) != FALSE; });
    EXPECT_EQ(stalls, 1);
    EXPECT_FALSE(IsWindow(w));
}

TEST_F(ModalLoops, AWatchedDescriptorCallsBackFromTheLoop)
{
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
    std::string received;
    ASSERT_TRUE(UserWatchDescriptor(fds[0], platform::kDescriptorReadable, [&](int fd, unsigned events) {
        EXPECT_TRUE(events & platform::kDescriptorReadable);
        char buffer[16];
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n > 0)
            received.append(buffer, static_cast<std::size_t>(n));
    }));
    Pump();
    EXPECT_TRUE(received.empty());
    ASSERT_EQ(write(fds[1], "ping", 4), 4);
    Pump();
    EXPECT_EQ(received, "ping");
    UserUnwatchDescriptor(fds[0]);
    ASSERT_EQ(write(fds[1], "more", 4), 4);
    Pump();
    EXPECT_EQ(received, "ping");
    close(fds[0]);
    close(fds[1]);
}

} // namespace
} // namespace usertest
