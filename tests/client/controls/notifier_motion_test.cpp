// The notifier's movement without a window: the task bar's edge, start
// positions and step periods, and whole cycles of the state machine driven
// tick by tick through a recording target.
#include "NotifierMotion.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

using namespace notifier;

namespace {

constexpr int kScreenW = 1024;
constexpr int kScreenH = 768;
constexpr int kSkinW = 200; // the client's skin
constexpr int kSkinH = 83;

// Keeps what the machine asked of the window: its place, whether it is
// shown, the running timers and their periods.
class Recorder final : public NotifierTarget {
public:
    void ShowWindowHere() override { shown = true, ++shows; }
    void Place(int x, int y, int width, int height) override
    {
        places.push_back(POINT{x, y});
        size = SIZE{width, height};
    }
    void StartTimer(UINT_PTR id, DWORD period) override { timers[id] = period; }
    void StopTimer(UINT_PTR id) override { timers.erase(id); }
    void Repaint() override { ++repaints; }
    void HideWindow() override
    {
        shown = false;
        places.push_back(POINT{0, 0});
        size = SIZE{0, 0};
    }

    bool Running(UINT_PTR id) const { return timers.count(id) != 0; }
    POINT Last() const { return places.empty() ? POINT{-9999, -9999} : places.back(); }

    bool shown = false;
    int shows = 0;
    int repaints = 0;
    SIZE size{0, 0};
    std::vector<POINT> places;
    std::map<UINT_PTR, DWORD> timers;
};

class Motion : public ::testing::Test {
protected:
    Motion() { motion.SetSkinSize(kSkinW, kSkinH); }

    bool Show(const RECT& work, DWORD showTime = 500, DWORD stay = 3000, DWORD hide = 500)
    {
        return motion.Show(showTime, stay, hide, work, kScreenW, kScreenH);
    }

    // Ticks `id` while it runs, at most `limit` times; the ticks taken.
    int TickWhileRunning(UINT_PTR id, int limit = 1000)
    {
        int ticks = 0;
        while (target.Running(id) && ticks < limit) {
            motion.OnTimer(id);
            ++ticks;
        }
        return ticks;
    }

    Recorder target;
    NotifierMotion motion{target};
};

} // namespace

TEST(TaskbarEdge, FollowsTheWorkAreaAgainstTheScreen)
{
    struct Case {
        RECT work;
        Edge edge;
    } cases[] = {
        {{0, 0, 1024, 738}, kEdgeBottom}, {{60, 0, 1024, 768}, kEdgeLeft}, {{0, 0, 964, 768}, kEdgeRight},
        {{0, 30, 1024, 768}, kEdgeTop},   {{0, 0, 1024, 768}, kEdgeBottom},
        // A work area narrower than the screen decides before its height does.
        {{0, 30, 964, 768}, kEdgeRight},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TaskbarEdge(c.work, kScreenW, kScreenH), c.edge)
            << c.work.left << "," << c.work.top << "," << c.work.right << "," << c.work.bottom;
}

TEST(StepDelay, SpreadsTheTimeOverWholeStepsAndRefusesNoSteps)
{
    EXPECT_EQ(StepDelay(500, 83, 2), std::optional<DWORD>(12)); // 500 / 41
    EXPECT_EQ(StepDelay(500, 200, 2), std::optional<DWORD>(5));
    EXPECT_EQ(StepDelay(7, 200, 2), std::optional<DWORD>(0));
    EXPECT_EQ(StepDelay(500, 1, 2), std::nullopt) << "a skin shorter than a step";
    EXPECT_EQ(StepDelay(500, 0, 2), std::nullopt) << "no skin";
}

// A full cycle out of each edge of a 1024 x 768 screen, with the client's
// skin and times: where it starts, every step in, the stay, every step out,
// and the hidden window left at the start.
struct CycleCase {
    const char* name;
    RECT work;
    Edge edge;
    POINT start;
    DWORD period;
    int inTicks;   // ticks that move, in each direction
    POINT shown;   // after the last step in
    POINT step;    // one step in
};

class Cycle : public Motion, public ::testing::WithParamInterface<CycleCase> {};

TEST_P(Cycle, SlidesInStaysAndSlidesBackOut)
{
    const CycleCase& c = GetParam();
    ASSERT_TRUE(Show(c.work));
    EXPECT_EQ(motion.m_nEdge, c.edge);
    EXPECT_EQ(motion.m_nStartX, c.start.x);
    EXPECT_EQ(motion.m_nStartY, c.start.y);
    EXPECT_EQ(motion.m_dwShowStepDelay, c.period);
    EXPECT_EQ(motion.m_dwHideStepDelay, c.period);
    EXPECT_TRUE(target.shown);
    EXPECT_TRUE(target.places.empty()) << "only the ticks move the window";
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerShow, c.period}}));
    EXPECT_EQ(motion.m_nState, kHidden) << "the first tick starts the slide";

    // In: one step per tick, then one tick that finds it shown and stays put.
    for (int i = 1; i <= c.inTicks; ++i) {
        motion.OnTimer(kTimerShow);
        ASSERT_EQ(motion.m_nState, kAppearing) << "tick " << i;
        EXPECT_EQ(target.Last().x, c.start.x + i * c.step.x) << "tick " << i;
        EXPECT_EQ(target.Last().y, c.start.y + i * c.step.y) << "tick " << i;
    }
    EXPECT_EQ(target.Last().x, c.shown.x);
    EXPECT_EQ(target.Last().y, c.shown.y);
    EXPECT_EQ(target.size.cx, kSkinW);
    EXPECT_EQ(target.size.cy, kSkinH);
    motion.OnTimer(kTimerShow);
    EXPECT_EQ(motion.m_nState, kShowing);
    EXPECT_EQ(target.Last().x, c.shown.x) << "the last tick places it where it is";
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerStay, 3000}}));

    // The stay ends: the slide-out timer takes over, the state waits for it.
    motion.OnTimer(kTimerStay);
    EXPECT_EQ(motion.m_nState, kShowing);
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerHide, c.period}}));

    // Out: the same number of steps back, then hidden at the start.
    for (int i = 1; i <= c.inTicks; ++i) {
        motion.OnTimer(kTimerHide);
        ASSERT_EQ(motion.m_nState, kDisappearing) << "tick " << i;
        EXPECT_EQ(target.Last().x, c.shown.x - i * c.step.x) << "tick " << i;
        EXPECT_EQ(target.Last().y, c.shown.y - i * c.step.y) << "tick " << i;
    }
    EXPECT_TRUE(target.shown);
    motion.OnTimer(kTimerHide);
    EXPECT_EQ(motion.m_nState, kHidden);
    EXPECT_FALSE(target.shown);
    EXPECT_TRUE(target.timers.empty());
    EXPECT_EQ(target.Last().x, c.start.x) << "left hidden at its start";
    EXPECT_EQ(target.Last().y, c.start.y);
    EXPECT_EQ(target.size.cx, kSkinW);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, Cycle,
    ::testing::Values(CycleCase{"bottom", {0, 0, 1024, 738}, kEdgeBottom, {824, 738}, 12, 42, {824, 654}, {0, -2}},
                      CycleCase{"left", {60, 0, 1024, 768}, kEdgeLeft, {-140, 685}, 5, 100, {60, 685}, {2, 0}},
                      CycleCase{"right", {0, 0, 964, 768}, kEdgeRight, {964, 685}, 5, 100, {764, 685}, {-2, 0}},
                      CycleCase{"top", {0, 30, 1024, 768}, kEdgeTop, {824, -53}, 12, 42, {824, 31}, {0, 2}},
                      CycleCase{"no bar", {0, 0, 1024, 768}, kEdgeBottom, {824, 768}, 12, 42, {824, 684}, {0, -2}}),
    [](const ::testing::TestParamInfo<CycleCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

TEST_F(Motion, ShowingAgainWhileSlidingInOnlyRepaints)
{
    const RECT work{0, 0, 1024, 738};
    ASSERT_TRUE(Show(work));
    for (int i = 0; i < 10; ++i)
        motion.OnTimer(kTimerShow);
    const POINT at = target.Last();
    const int shows = target.shows;
    const int repaints = target.repaints;

    ASSERT_TRUE(Show(work, 100, 7000, 100));
    EXPECT_EQ(target.repaints, repaints + 1);
    EXPECT_EQ(target.shows, shows);
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerShow, 12}})) << "the slide keeps its pace";
    EXPECT_EQ(target.Last().y, at.y);

    TickWhileRunning(kTimerShow);
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerStay, 7000}})) << "the new stay applies";
}

TEST_F(Motion, ShowingAgainWhileShownRestartsTheFullStay)
{
    const RECT work{0, 0, 1024, 738};
    ASSERT_TRUE(Show(work));
    TickWhileRunning(kTimerShow);
    ASSERT_EQ(motion.m_nState, kShowing);
    target.timers.clear(); // so that a restart can be seen

    ASSERT_TRUE(Show(work, 500, 4000, 500));
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerStay, 4000}}));
    EXPECT_EQ(motion.m_nState, kShowing);
}

TEST_F(Motion, ShowingAgainWhileSlidingOutPutsItBackAndStaysAgain)
{
    const RECT work{0, 0, 1024, 738};
    ASSERT_TRUE(Show(work));
    TickWhileRunning(kTimerShow);
    motion.OnTimer(kTimerStay);
    for (int i = 0; i < 5; ++i)
        motion.OnTimer(kTimerHide);
    ASSERT_EQ(target.Last().y, 664);

    ASSERT_TRUE(Show(work));
    EXPECT_EQ(motion.m_nState, kDisappearing) << "the state is left as it was";
    EXPECT_EQ(target.Last().x, 824);
    EXPECT_EQ(target.Last().y, 655) << "fully shown, from the work area";
    EXPECT_EQ(target.timers, (std::map<UINT_PTR, DWORD>{{kTimerStay, 3000}}));

    // After the stay it slides out from there, ending one pixel past the
    // start along the odd height before it is hidden.
    motion.OnTimer(kTimerStay);
    EXPECT_EQ(TickWhileRunning(kTimerHide), 43);
    EXPECT_FALSE(target.shown);
    EXPECT_EQ(target.Last().y, 739);
    EXPECT_EQ(motion.m_nState, kHidden);
}

TEST_F(Motion, HideStopsEveryTimerWhateverTheState)
{
    const RECT work{0, 0, 1024, 738};
    struct Case {
        const char* name;
        int showTicks;  // ticks of timer 1 before Hide
        bool stayEnds;  // the stay timer fires
        bool showAgain; // Show during the slide-out starts the stay timer too
    } cases[] = {
        {"before the first tick", 0, false, false},
        {"appearing", 5, false, false},
        {"showing", 1000, false, false},
        {"showing, slide-out timer running", 1000, true, false},
        {"sliding out after a Show", 1000, true, true},
    };
    for (const Case& c : cases) {
        Recorder rec;
        NotifierMotion m(rec);
        m.SetSkinSize(kSkinW, kSkinH);
        ASSERT_TRUE(m.Show(500, 3000, 500, work, kScreenW, kScreenH));
        for (int i = 0; i < c.showTicks && rec.Running(kTimerShow); ++i)
            m.OnTimer(kTimerShow);
        if (c.stayEnds)
            m.OnTimer(kTimerStay);
        if (c.showAgain) {
            m.OnTimer(kTimerHide);
            m.Show(500, 3000, 500, work, kScreenW, kScreenH);
        }
        m.Hide();
        EXPECT_TRUE(rec.timers.empty()) << c.name;
        EXPECT_FALSE(rec.shown) << c.name;
        EXPECT_EQ(rec.size.cx, 0) << c.name;
        EXPECT_EQ(m.m_nState, kHidden) << c.name;

        // The next announcement shows the window again.
        const int shows = rec.shows;
        ASSERT_TRUE(m.Show(500, 3000, 500, work, kScreenW, kScreenH)) << c.name;
        EXPECT_EQ(rec.shows, shows + 1) << c.name;
    }
}

TEST_F(Motion, ASkinTooSmallToSlideShowsNothing)
{
    const RECT work{0, 0, 1024, 738};
    for (const SIZE skin : {SIZE{0, 0}, SIZE{200, 1}, SIZE{1, 83}}) {
        Recorder rec;
        NotifierMotion m(rec);
        m.SetSkinSize(skin.cx, skin.cy);
        const bool bottomSlides = skin.cy >= 2;
        EXPECT_EQ(m.Show(500, 3000, 500, work, kScreenW, kScreenH), bottomSlides) << skin.cx << "x" << skin.cy;
        EXPECT_EQ(rec.shown, bottomSlides);
        EXPECT_EQ(rec.Running(kTimerShow), bottomSlides);
        EXPECT_EQ(m.m_dwStayTime, 3000u) << "the times are kept either way";
    }
}
