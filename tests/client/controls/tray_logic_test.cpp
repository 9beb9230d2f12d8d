// The tray icon's plain logic: frame order, the animation's end, the
// default command, the notification area's fall-back rectangles and the
// bounded texts.
#include "TrayLogic.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool Same(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(TrayLogic, FramesRunInListOrderFromTheSecond)
{
    // Six frames (159 to 164): the first tick shows index 1, then on
    // through the end and back to the start.
    int frame = 0;
    std::string seen;
    for (int tick = 0; tick < 7; ++tick) {
        frame = tray::NextFrame(frame, 6);
        seen += std::to_string(frame);
    }
    EXPECT_EQ(seen, "1234501");
    EXPECT_EQ(tray::NextFrame(0, 0), -1) << "an empty list has no frame";
    EXPECT_EQ(tray::NextFrame(7, 3), 0) << "an index past a shortened list starts over";
}

TEST(TrayLogic, AnimationEndsAfterMoreThanItsWholeSeconds)
{
    struct Case {
        int seconds;
        long long elapsed;
        bool over;
    } cases[] = {
        {100, 100, false}, {100, 101, true}, {100, 0, false}, {0, 100000, false}, {-1, 100000, false},
        {100, -5, false}, // a wall clock set back prolongs it
    };
    for (const Case& c : cases)
        EXPECT_EQ(tray::AnimationOver(c.seconds, c.elapsed), c.over) << c.seconds << " s after " << c.elapsed;
}

TEST(TrayLogic, DefaultCommandIsTheItemAtThePositionOrTheItemItself)
{
    EXPECT_EQ(tray::DefaultCommand(true, 0, 32775), 32775u);
    EXPECT_EQ(tray::DefaultCommand(true, 2, 0xFFFFFFFFu), 0xFFFFFFFFu);
    EXPECT_EQ(tray::DefaultCommand(false, 32776, 0xFFFFFFFFu), 32776u);
}

TEST(TrayLogic, NotificationAreaCutAtTheClock)
{
    const RECT area{800, 738, 1024, 768};
    // A flat bar: the clock at the right, its bottom level with the area's.
    EXPECT_TRUE(Same(tray::CutAtClock(area, RECT{960, 740, 1024, 766}), RECT{800, 738, 960, 768}));
    // Exactly 5 pixels above still counts as flat.
    EXPECT_TRUE(Same(tray::CutAtClock(area, RECT{960, 740, 1024, 763}), RECT{800, 738, 960, 768}));
    // An upright bar: the clock more than 5 pixels above the bottom.
    const RECT upright{0, 300, 60, 768};
    EXPECT_TRUE(Same(tray::CutAtClock(upright, RECT{0, 300, 60, 330}), RECT{0, 330, 60, 768}));
}

TEST(TrayLogic, FallBackRectangles)
{
    EXPECT_TRUE(Same(tray::TrayFromTaskbar(RECT{0, 738, 1024, 768}, 3), RECT{924, 738, 1008, 768}));
    EXPECT_TRUE(Same(tray::TrayFromTaskbar(RECT{0, 0, 1024, 30}, 1), RECT{924, 0, 1008, 30}));
    EXPECT_TRUE(Same(tray::TrayFromTaskbar(RECT{0, 0, 60, 768}, 0), RECT{0, 668, 60, 752}));
    EXPECT_TRUE(Same(tray::TrayFromTaskbar(RECT{964, 0, 1024, 768}, 2), RECT{964, 668, 1024, 752}));
    EXPECT_TRUE(Same(tray::TrayFromWorkArea(RECT{0, 0, 1024, 738}), RECT{874, 708, 1024, 738}));
}

TEST(TrayLogic, TextsAreCutToTheirFields)
{
    char tip[128];
    const std::string longText(300, 'x');
    tray::CopyBounded(tip, longText.c_str());
    EXPECT_EQ(std::string(tip), std::string(127, 'x'));
    tray::CopyBounded(tip, nullptr);
    EXPECT_EQ(std::string(tip), "");
    EXPECT_EQ(tray::CreationFlags(true, true), 0x17u);
    EXPECT_EQ(tray::CreationFlags(false, true), 0x07u) << "no balloon on an older shell";
    EXPECT_EQ(tray::CreationFlags(true, false), 0x07u);
}

} // namespace
