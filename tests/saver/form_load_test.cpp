#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/SaverRig.h"
#include "saver/Calendar.h"
#include "settings/Registry.h"

namespace {

size_t IndexOf(const std::vector<std::string>& log, const std::string& prefix) {
    auto it = std::find_if(log.begin(), log.end(),
                           [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
    return static_cast<size_t>(it - log.begin());
}

}  // namespace

TEST(FormLoad, FirstStartWritesFactoryValuesThenRunsInOrder) {
    SaverRig rig;
    Form1& form = rig.Load();

    EXPECT_EQ(rig.store.writes.size(), 36u + 22u + 1u) << "factory values, then the marker";
    EXPECT_EQ(rig.store.Get("SetReg"), "2");
    EXPECT_EQ(form.Settings().MouseSensitivity, 10);
    EXPECT_TRUE(form.SaverRunning());
    EXPECT_FALSE(form.Ended());
    // The cursor is hidden before the drawing session opens.
    EXPECT_LT(IndexOf(rig.log, "ShowCursor(false)"), IndexOf(rig.log, "OpenSession"));
    EXPECT_FALSE(rig.host.cursorShown);
    EXPECT_TRUE(rig.power.handler != nullptr);
    EXPECT_FALSE(rig.power.held);
    // No song starts during the load; the watch starts the first one.
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_TRUE(rig.TimerMIDI().running);
    EXPECT_TRUE(rig.TimerApp().running);
    EXPECT_TRUE(rig.Timer2().running);
    EXPECT_FALSE(rig.Timer1().running);
}

TEST(FormLoad, TimersHaveTheirIntervals) {
    SaverRig rig;
    rig.Create();
    EXPECT_EQ(rig.TimerBG().interval, 1000);
    EXPECT_EQ(rig.Timer2().interval, 1000);
    EXPECT_EQ(rig.TimerApp().interval, 1000);
    EXPECT_EQ(rig.Timer1().interval, 1000);
    EXPECT_EQ(rig.TimerMIDI().interval, 1050);
}

TEST(FormLoad, LaterStartsKeepTheStoredValues) {
    SaverRig rig;
    SetRegistry(rig.store);
    rig.store.Set("MouseSen", "4");
    rig.store.writes.clear();
    Form1& form = rig.Load();
    EXPECT_EQ(form.Settings().MouseSensitivity, 4);
    EXPECT_EQ(rig.store.writes.size(), 1u) << "only the marker";
}

TEST(FormLoad, FirstCheckedBackgroundAndRotationTimer) {
    struct Case {
        std::vector<std::string> flags;
        int16_t bgChoice;
        bool rotating;
    };
    const std::vector<Case> cases{
        {{"0", "0", "0", "0", "0"}, 0, false},  {{"0", "0", "1", "0", "0"}, 3, false},
        {{"0", "1", "0", "0", "1"}, 2, true},   {{"1", "1", "1", "1", "1"}, 1, true},
        {{"2", "0", "0", "1", "-1"}, 4, false},
    };
    for (const Case& c : cases) {
        SaverRig rig;
        SetRegistry(rig.store);
        for (int i = 0; i < 5; ++i)
            rig.store.Set("BG" + std::to_string(i), c.flags[i]);
        Form1& form = rig.Load();
        EXPECT_EQ(form.Scene().BgChoice, c.bgChoice) << c.flags[0] << c.flags[1] << c.flags[2];
        EXPECT_EQ(rig.TimerBG().running, c.rotating) << c.flags[0] << c.flags[1] << c.flags[2];
    }
}

TEST(FormLoad, CountdownIsRightFromTheFirstFrame) {
    SaverRig rig;
    rig.dates.now = {2026, 12, 20, 8, 0, 0};
    Form1& form = rig.Load();
    EXPECT_EQ(form.Scene().DaysLeft, 5);
    EXPECT_EQ(form.Scene().GreetingDirX, 1);
    EXPECT_EQ(form.Scene().GreetingDirY, 1);
}

TEST(FormLoad, PowerSaveOptionHoldsTheMonitorOn) {
    SaverRig rig;
    SetRegistry(rig.store);
    rig.store.Set("PwrSave", "1");
    rig.Load();
    EXPECT_TRUE(rig.power.held);
}

TEST(FormLoad, FailedSessionAtKnownDepthEndsWithoutRunning) {
    SaverRig rig;
    rig.draw.openResult = false;
    rig.display.modes = {{1920, 1080, 32}};
    Form1& form = rig.Load();
    EXPECT_TRUE(form.Ended());
    EXPECT_FALSE(form.SaverRunning());
    EXPECT_TRUE(rig.host.ended);
    EXPECT_TRUE(rig.host.cursorShown);
    EXPECT_FALSE(rig.TimerMIDI().running);
    EXPECT_TRUE(rig.power.released);
}

TEST(DaysUntilChristmas, CountsToTheNextTwentyFifthOfDecember) {
    EXPECT_EQ(DaysUntilChristmas({2026, 12, 25}), 0);
    EXPECT_EQ(DaysUntilChristmas({2026, 12, 24}), 1);
    EXPECT_EQ(DaysUntilChristmas({2026, 12, 7}), 18);
    EXPECT_EQ(DaysUntilChristmas({2026, 12, 26}), 364);
    EXPECT_EQ(DaysUntilChristmas({2027, 12, 26}), 365) << "2028 is a leap year";
    EXPECT_EQ(DaysUntilChristmas({2026, 12, 31}), 359);
    EXPECT_EQ(DaysUntilChristmas({2027, 1, 1}), 358);
    EXPECT_EQ(DaysUntilChristmas({2024, 2, 29}), 300);
    EXPECT_EQ(DaysUntilChristmas({2026, 1, 1}), 358);
}

TEST(TimerApp, KeepsTheCountdownAndLetsTheFlakesAppear) {
    SaverRig rig;
    rig.dates.now = {2026, 12, 24, 23, 59, 59};
    Form1& form = rig.Load();
    rig.TimerApp().Fire();
    EXPECT_EQ(form.Scene().DaysLeft, 1);
    EXPECT_EQ(form.AppTicks(), 1);
    EXPECT_EQ(form.Scene().TinyFlakeActive[0], -1);
    EXPECT_EQ(form.Scene().SmallFlakeActive[0], -1);
    EXPECT_EQ(form.Scene().BigFlakeActive[0], 0);

    rig.dates.now = {2026, 12, 25, 0, 0, 0};
    for (int tick = 2; tick <= 16; ++tick)
        rig.TimerApp().Fire();
    EXPECT_EQ(form.Scene().DaysLeft, 0);

    const auto& tiny = form.Scene().TinyFlakeActive;
    const auto& small = form.Scene().SmallFlakeActive;
    const auto& big = form.Scene().BigFlakeActive;
    const std::array<int16_t, 10> tinyExpected{-1, -1, -1, -1, -1, 0, -1, 0, -1, 0};
    const std::array<int16_t, 10> allButNine{-1, -1, -1, -1, -1, -1, -1, -1, -1, 0};
    EXPECT_EQ(tiny, tinyExpected);
    EXPECT_EQ(small, allButNine);
    EXPECT_EQ(big, allButNine);

    // Nothing more appears later on.
    for (int tick = 17; tick <= 40; ++tick)
        rig.TimerApp().Fire();
    EXPECT_EQ(form.Scene().TinyFlakeActive, tinyExpected);
}

TEST(TimerApp, FlakesAppearOnTheirOwnTick) {
    SaverRig rig;
    Form1& form = rig.Load();
    for (int tick = 1; tick <= 10; ++tick)
        rig.TimerApp().Fire();
    EXPECT_EQ(form.Scene().SmallFlakeActive[5], 0);
    rig.TimerApp().Fire();  // 11
    EXPECT_EQ(form.Scene().SmallFlakeActive[5], -1);
    EXPECT_EQ(form.Scene().TinyFlakeActive[6], -1);
    EXPECT_EQ(form.Scene().BigFlakeActive[8], -1);
    EXPECT_EQ(form.Scene().BigFlakeActive[6], 0);
}
