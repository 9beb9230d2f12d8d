// Window timers by id, on the virtual clock.
#include "user_test_support.h"

namespace usertest {
namespace {

class Timers : public RuntimeTest {
protected:
    // The WM_TIMER ids `hwnd` received, with the clock at each.
    std::vector<std::pair<WPARAM, std::int64_t>> Ticks(HWND hwnd) const
    {
        std::vector<std::pair<WPARAM, std::int64_t>> out;
        for (const auto& [h, id, at] : ticks_)
            if (h == hwnd)
                out.emplace_back(id, at);
        return out;
    }
    Handler Recorder()
    {
        return [this](HWND h, UINT m, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
            if (m == WM_TIMER)
                ticks_.emplace_back(h, wp, UserNowMs());
            return std::nullopt;
        };
    }

private:
    std::vector<std::tuple<HWND, WPARAM, std::int64_t>> ticks_;
};

int CountOf(const std::vector<std::pair<WPARAM, std::int64_t>>& ticks, WPARAM id)
{
    int n = 0;
    for (const auto& t : ticks)
        n += t.first == id ? 1 : 0;
    return n;
}

TEST_F(Timers, EachIdKeepsItsOwnPeriodOnEachWindow)
{
    const HWND a = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    const HWND b = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    EXPECT_EQ(SetTimer(a, 100, 30, nullptr), 100u);
    EXPECT_EQ(SetTimer(a, 200, 50, nullptr), 200u);
    EXPECT_EQ(SetTimer(b, 100, 70, nullptr), 100u); // the same id on another window is another timer

    headless->RunFor(300);

    const auto ta = Ticks(a);
    const auto tb = Ticks(b);
    EXPECT_EQ(CountOf(ta, 100), 10);
    EXPECT_EQ(CountOf(ta, 200), 6);
    EXPECT_EQ(CountOf(tb, 100), 4);
    // Each tick comes at its due time.
    for (const auto& [id, at] : ta)
        EXPECT_EQ(at % (id == 100 ? 30 : 50), 0) << "id " << id << " at " << at;
}

TEST_F(Timers, SettingAgainRestartsThePeriodAndKillStopsIt)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 0, 100, nullptr); // id 0 is a valid window timer
    headless->RunFor(60);
    SetTimer(w, 0, 100, nullptr);
    headless->RunFor(99);
    EXPECT_TRUE(Ticks(w).empty()) << "the reset period runs from the second SetTimer";
    headless->RunFor(1);
    ASSERT_EQ(Ticks(w).size(), 1u);
    EXPECT_EQ(Ticks(w)[0], (std::pair<WPARAM, std::int64_t>{0, 160}));

    EXPECT_TRUE(KillTimer(w, 0));
    EXPECT_FALSE(KillTimer(w, 0));
    headless->RunFor(1000);
    EXPECT_EQ(Ticks(w).size(), 1u);
}

TEST_F(Timers, ALateTimerFiresOnceThenAFullPeriodLater)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 5, 50, nullptr);
    headless->AdvanceClock(1000);
    Pump();
    EXPECT_EQ(Ticks(w).size(), 1u);
    headless->RunFor(49);
    EXPECT_EQ(Ticks(w).size(), 1u);
    headless->RunFor(1);
    EXPECT_EQ(Ticks(w).size(), 2u);
}

TEST_F(Timers, ZeroPeriodRunsAtTheMinimum)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 1, 0, nullptr);
    headless->RunFor(100);
    EXPECT_EQ(Ticks(w).size(), 100u / USER_TIMER_MINIMUM);
}

TEST_F(Timers, DestroyingTheWindowEndsItsTimers)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 1, 10, nullptr);
    DestroyWindow(w);
    EXPECT_EQ(UserNextDueMs(), -1);
    EXPECT_EQ(SetTimer(w, 1, 10, nullptr), 0u);
}

std::vector<UINT_PTR> g_procTicks;
void TimerCallback(HWND, UINT message, UINT_PTR id, DWORD)
{
    if (message == WM_TIMER)
        g_procTicks.push_back(id);
}

TEST_F(Timers, ACallbackTimerCallsItsProcedureInsteadOfTheWindow)
{
    g_procTicks.clear();
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 3, 20, TimerCallback);
    const UINT_PTR threadTimer = SetTimer(nullptr, 0, 25, TimerCallback);
    EXPECT_NE(threadTimer, 0u);
    headless->RunFor(100);
    EXPECT_TRUE(Ticks(w).empty());
    EXPECT_EQ(std::count(g_procTicks.begin(), g_procTicks.end(), UINT_PTR{3}), 5);
    EXPECT_EQ(std::count(g_procTicks.begin(), g_procTicks.end(), threadTimer), 4);
    KillTimer(nullptr, threadTimer);
}

TEST_F(Timers, GetMessageSleepsUntilTheNextTimerWhenTheClockMayJump)
{
    const HWND w = Make(WS_POPUP, RECT{0, 0, 10, 10}, nullptr, Recorder());
    SetTimer(w, 1, 250, nullptr);
    headless->SetAutoAdvance(true);
    MSG msg;
    ASSERT_TRUE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.message, WM_TIMER);
    EXPECT_EQ(UserNowMs(), 250);
}

} // namespace
} // namespace usertest
