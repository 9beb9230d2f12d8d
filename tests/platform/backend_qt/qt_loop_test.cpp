// The runtime's loop inside Qt's: timers, posts from other threads,
// watched descriptors, the desktop's metrics, and choosing the backend.
#include "qt_test_support.h"

#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace qttest {
namespace {

constexpr UINT_PTR kWatchdog = 99;
constexpr UINT kWatchdogMs = 5000; // ends a wait that nothing else would end

TEST_F(QtBackendTest, TimerFiresFromABlockingGetMessage)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{10, 10, 60, 60}, state);
    ASSERT_NE(SetTimer(hwnd, 7, 30, nullptr), 0u);
    MSG msg{};
    do {
        ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
        DispatchMessageA(&msg);
    } while (msg.message != WM_TIMER);
    EXPECT_EQ(msg.hwnd, hwnd);
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(QtBackendTest, PostFromAnotherThreadEndsAWaitWithoutTimers)
{
    TestWindow& state = NewState();
    const HWND hwnd = Make(RECT{10, 10, 60, 60}, state);
    // Only the watchdog could end the wait if the post did not.
    SetTimer(hwnd, kWatchdog, kWatchdogMs, nullptr);
    PumpTurns(1);
    std::thread poster([hwnd] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        PostMessageA(hwnd, WM_APP + 1, 42, 0);
    });
    MSG msg{};
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    poster.join();
    EXPECT_EQ(msg.message, WM_APP + 1);
    EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(QtBackendTest, WatchedDescriptorIsReportedOncePerPumpUntilDrained)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    int calls = 0;
    unsigned lastEvents = 0;
    bool drain = false;
    ASSERT_TRUE(UserWatchDescriptor(fds[0], platform::kDescriptorReadable, [&](int fd, unsigned events) {
        ++calls;
        lastEvents = events;
        // The bound only keeps a loop that reports without end from spinning
        // for ever.
        if (drain || calls >= 1000) {
            char byte;
            ASSERT_EQ(read(fd, &byte, 1), 1);
        }
    }));
    PumpTurns(3);
    EXPECT_EQ(calls, 0) << "nothing to read yet";

    ASSERT_EQ(write(fds[1], "x", 1), 1);
    ASSERT_TRUE(PumpUntil([&] { return calls >= 1; }));
    EXPECT_EQ(calls, 1) << "once in a pump, though still readable";
    EXPECT_EQ(lastEvents & platform::kDescriptorReadable, platform::kDescriptorReadable);
    for (int pump = 2; pump <= 3; ++pump) {
        UserPumpMessages();
        EXPECT_EQ(calls, pump) << "still readable: reported again at the next pump";
    }
    drain = true;
    UserPumpMessages();
    EXPECT_EQ(calls, 4);
    PumpTurns(5);
    EXPECT_EQ(calls, 4) << "none once drained";

    UserUnwatchDescriptor(fds[0]);
    close(fds[0]);
    close(fds[1]);
}

TEST_F(QtBackendTest, ScreenAndWorkAreaComeFromTheDisplay)
{
    // xvfb-run gives the tests a 1280x1024 screen without panels.
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 1280);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 1024);
    RECT work{};
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0));
    EXPECT_EQ(work.left, 0);
    EXPECT_EQ(work.top, 0);
    EXPECT_EQ(work.right, 1280);
    EXPECT_EQ(work.bottom, 1024);
}

// Restores an environment variable when the test ends.
class EnvGuard {
public:
    explicit EnvGuard(const char* name) : name_(name)
    {
        if (const char* v = std::getenv(name)) {
            had_ = true;
            value_ = v;
        }
    }
    ~EnvGuard()
    {
        if (had_)
            setenv(name_, value_.c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    bool had_ = false;
    std::string value_;
};

TEST(QtBackendChoice, NoBackendWithoutADisplay)
{
    EnvGuard display("DISPLAY");
    EnvGuard platformName("QT_QPA_PLATFORM");
    unsetenv("QT_QPA_PLATFORM");
    struct Case {
        const char* display; // null: unset
        const char* reasonMentions;
    };
    const Case cases[] = {{nullptr, "DISPLAY"}, {":4095", ":4095"}};
    for (const Case& c : cases) {
        if (c.display != nullptr)
            setenv("DISPLAY", c.display, 1);
        else
            unsetenv("DISPLAY");
        std::string why;
        EXPECT_EQ(platform::CreateQtBackend(0, nullptr, &why), nullptr);
        EXPECT_NE(why.find(c.reasonMentions), std::string::npos) << why;
    }
}

} // namespace
} // namespace qttest
