#include <gtest/gtest.h>

#include "platform/FrameTickClock.h"

namespace {

TEST(FrameTickClockTest, FramesReadTheirDueTimeWhateverTheirDelay) {
    FrameTickClock clock;
    clock.startGrid(1000, 5);
    // Due at 1005, 1010, ...; events come up to 4 ms late or seem 1 ms early.
    const int64_t arrivals[] = {1005, 1014, 1014, 1019, 1024, 1030, 1034};
    int64_t due = 1005;
    for (const int64_t arrival : arrivals) {
        clock.beginFrame(arrival);
        EXPECT_EQ(clock.TickMs(), due) << "arrived at " << arrival;
        EXPECT_EQ(clock.TickMs(), due);  // every reading within the frame
        clock.endFrame();
        due += 5;
    }
}

TEST(FrameTickClockTest, AnEventThatMissedItsSlotStartsTheGridAgain) {
    FrameTickClock clock;
    clock.startGrid(0, 5);
    clock.beginFrame(5);
    EXPECT_EQ(clock.TickMs(), 5);
    clock.endFrame();
    clock.beginFrame(17);  // 10 and 15 were missed
    EXPECT_EQ(clock.TickMs(), 17);
    clock.endFrame();
    clock.beginFrame(23);
    EXPECT_EQ(clock.TickMs(), 22);
    clock.endFrame();
}

TEST(FrameTickClockTest, ReadingsNeverGoBack) {
    FrameTickClock clock;
    const int64_t now = clock.steadyMs();
    EXPECT_GE(clock.TickMs(), now);
    const int64_t between = clock.TickMs();
    // A frame due before a reading between frames reads no earlier.
    clock.startGrid(between - 20, 10);
    clock.beginFrame(between - 10);
    EXPECT_EQ(clock.TickMs(), between);
    clock.endFrame();
    EXPECT_GE(clock.TickMs(), between);
}

}  // namespace
