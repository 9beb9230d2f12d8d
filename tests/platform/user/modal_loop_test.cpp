// The modal-loop primitive, message filters, and descriptor watching.
#include "user_test_support.h"

#include <fcntl.h>
#include <string>
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

// Makes a pipe end ready or takes its readiness away: one byte to read, or
// a pipe filled until no byte more fits.
void WriteByte(const int fds[2]) { ASSERT_EQ(write(fds[1], "x", 1), 1); }
void ReadAll(const int fds[2])
{
    char buffer[4096];
    while (read(fds[0], buffer, sizeof buffer) > 0) {
    }
}
void NoChange(const int[2]) {}
void Fill(const int fds[2])
{
    const std::string block(4096, 'x');
    while (write(fds[1], block.data(), block.size()) > 0) {
    }
}

TEST_F(ModalLoops, AReadyDescriptorIsReportedOncePerPumpUntilConsumed)
{
    struct Case {
        const char* what;
        int end; // 0: the read end, 1: the write end
        unsigned events;
        void (*makeReady)(const int fds[2]);
        void (*consume)(const int fds[2]);
    };
    const Case cases[] = {
        {"a byte to read", 0, platform::kDescriptorReadable, WriteByte, ReadAll},
        {"room to write", 1, platform::kDescriptorWritable, NoChange, Fill},
    };
    const HWND w = Make(WS_POPUP | WS_VISIBLE, RECT{0, 0, 50, 50});
    Pump(); // painted: a pump with nothing else to do is the loop's smallest turn
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        int fds[2];
        ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
        int calls = 0;
        bool consumeWhenCalled = false;
        ASSERT_TRUE(UserWatchDescriptor(fds[c.end], c.events, [&](int, unsigned events) {
            EXPECT_EQ(events & c.events, c.events);
            ++calls;
            // The bound only keeps a loop that reports without end from
            // spinning for ever.
            if (consumeWhenCalled || calls >= 1000)
                c.consume(fds);
        }));
        c.makeReady(fds);

        Pump();
        EXPECT_EQ(calls, 1) << "once in a pump, though still ready";
        Pump();
        EXPECT_EQ(calls, 2) << "still ready: reported again at the next pump";

        // Other messages and input in the same pump change nothing.
        for (WPARAM i = 0; i < 3; ++i)
            PostMessageA(w, WM_APP, i, 0);
        headless->MoveMouse(POINT{10, 10});
        headless->MoveMouse(POINT{20, 20});
        Pump();
        EXPECT_EQ(calls, 3);
        EXPECT_EQ(journal.Count(w, WM_APP), 3);

        consumeWhenCalled = true;
        Pump();
        EXPECT_EQ(calls, 4);
        Pump();
        Pump();
        EXPECT_EQ(calls, 4) << "consumed by its callback: no further report";

        UserUnwatchDescriptor(fds[c.end]);
        close(fds[0]);
        close(fds[1]);
        journal.Clear();
    }
}

} // namespace
} // namespace usertest
