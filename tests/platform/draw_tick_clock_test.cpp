#include <gtest/gtest.h>

#include <vector>

#include "platform/FrameTickClock.h"

namespace {

TEST(FrameTickClockTest, FramesReadTheirDueTimeWhateverTheirDelay) {
    FrameTickClock clock;
    clock.startGrid(1000, 5);
    // Due at 1005, 1010, ...; wake-ups come late, or seem 1 ms early, and
    // raise every frame due by then, oldest first.
    const int64_t wakeUps[] = {1004, 1013, 1013, 1031, 1034};
    const std::vector<std::vector<int64_t>> raised{
        {1005}, {1010}, {}, {1015, 1020, 1025, 1030}, {1035}};
    for (std::size_t i = 0; i < raised.size(); ++i) {
        std::vector<int64_t> times;
        while (clock.beginDueFrame(wakeUps[i])) {
            times.push_back(clock.TickMs());
            EXPECT_EQ(clock.TickMs(), times.back());  // every reading within the frame
            clock.endFrame();
        }
        EXPECT_EQ(times, raised[i]) << "woke at " << wakeUps[i];
    }
}

TEST(FrameTickClockTest, NoFramesWithoutAGrid) {
    FrameTickClock clock;
    EXPECT_FALSE(clock.beginDueFrame(1000000));
    clock.startGrid(0, 0);
    EXPECT_FALSE(clock.beginDueFrame(1000000));
}

TEST(FrameTickClockTest, ReadingsNeverGoBack) {
    FrameTickClock clock;
    const int64_t now = clock.steadyMs();
    EXPECT_GE(clock.TickMs(), now);
    const int64_t between = clock.TickMs();
    // A frame due before a reading between frames reads no earlier.
    clock.startGrid(between - 20, 10);
    ASSERT_TRUE(clock.beginDueFrame(between - 10));
    EXPECT_EQ(clock.TickMs(), between);
    clock.endFrame();
    EXPECT_GE(clock.TickMs(), between);
}

}  // namespace
