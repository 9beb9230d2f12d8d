// The headless backend on the real clock, as programs run it: timers wake
// the loop, and other threads may post to it while it sleeps.
#include "user_test_support.h"

#include <thread>

namespace usertest {
namespace {

class RealClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::HeadlessBackend::Options options;
        options.virtualClock = false;
        UserSetBackend(std::make_unique<platform::HeadlessBackend>(options));
        RegisterTestClasses();
        window = CreateWindowExA(0, "UserTest", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override { UserSetBackend(nullptr); }

    HWND window = nullptr;
};

TEST_F(RealClock, ATimerWakesTheWaitingLoop)
{
    const std::int64_t start = UserNowMs();
    SetTimer(window, 1, 5, nullptr);
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_GE(UserNowMs() - start, 5) << "not before it was due";
}

TEST_F(RealClock, AnotherThreadsPostWakesTheWaitingLoop)
{
    std::thread poster([this] { PostMessageA(window, WM_APP + 3, 17, 0); });
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0)); // no timer: only the post can end the wait
    poster.join();
    EXPECT_EQ(msg.message, WM_APP + 3);
    EXPECT_EQ(msg.wParam, 17u);
    EXPECT_EQ(msg.hwnd, window);
}

} // namespace
} // namespace usertest
