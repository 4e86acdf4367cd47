#include <gtest/gtest.h>

#include "fakes/SaverRig.h"
#include "settings/Registry.h"

namespace {

// A loaded saver whose store holds the factory values with a few changes.
Form1& LoadWith(SaverRig& rig, const std::vector<std::pair<std::string, std::string>>& changes) {
    SetRegistry(rig.store);
    for (const auto& [key, value] : changes)
        rig.store.Set(key, value);
    return rig.Load();
}

void Move(Form1& form) {
    form.MouseMove(0, 0, 10, 10);
}

}  // namespace

TEST(CloseDown, EndsInOrderAndOnlyOnce) {
    SaverRig rig;
    Form1& form = rig.Load();
    rig.log.clear();
    form.CloseDown();

    const std::vector<std::string> expected{
        "ShowCursor(true)", "CloseSession", "ScreenSaverRunning(false)",
        "StopPlaying",      "StopPlaying",  "ShowCursor(true)",
        "StopPlaying",      "EndProgram"};
    EXPECT_EQ(rig.log, expected);
    EXPECT_TRUE(rig.power.released);
    EXPECT_FALSE(rig.TimerApp().running);
    EXPECT_FALSE(rig.TimerMIDI().running);

    // Events that are still queued when the program ends do nothing.
    rig.log.clear();
    form.KeyDown(65, 0);
    form.MouseDown(1, 0, 0, 0);
    form.ComposeFrame();
    form.CloseDown();
    EXPECT_TRUE(rig.log.empty());
}

TEST(Keys, CommandKeysKeepTheSaverRunningAndOthersEndIt) {
    for (int16_t key : {78, 80, 81, 83, 38, 40}) {
        SaverRig rig;
        Form1& form = rig.Load();
        form.KeyDown(key, 0);
        EXPECT_FALSE(rig.host.ended) << key;
    }
    for (int16_t key : {16, 17, 18, 27, 13, 32, 65, 37, 39, 112}) {
        SaverRig rig;
        Form1& form = rig.Load();
        form.KeyDown(key, 1);
        EXPECT_TRUE(rig.host.ended) << key;
    }
}

TEST(Keys, UpAndDownStepThroughAllFiveBackgrounds) {
    SaverRig rig;
    Form1& form =
        LoadWith(rig, {{"BG0", "0"}, {"BG1", "0"}, {"BG2", "0"}, {"BG3", "0"}, {"BG4", "1"}});
    EXPECT_EQ(form.Scene().BgChoice, 5);
    form.KeyDown(38, 0);
    EXPECT_EQ(form.Scene().BgChoice, 1);
    form.KeyDown(40, 0);
    EXPECT_EQ(form.Scene().BgChoice, 5);
    form.KeyDown(40, 0);
    EXPECT_EQ(form.Scene().BgChoice, 4);

    SaverRig none;
    Form1& black =
        LoadWith(none, {{"BG0", "0"}, {"BG1", "0"}, {"BG2", "0"}, {"BG3", "0"}, {"BG4", "0"}});
    black.KeyDown(40, 0);
    EXPECT_EQ(black.Scene().BgChoice, 5);
}

TEST(Mouse, ClickEndsAtOnceEvenBeforeTheLoadHasFinished) {
    SaverRig rig;
    Form1& form = rig.Create();
    form.MouseDown(1, 0, 5, 5);
    EXPECT_TRUE(rig.host.ended);
}

TEST(Mouse, TenMovesWithinTenSecondsEndTheSaver) {
    SaverRig rig;
    Form1& form = rig.Load();  // factory sensitivity 10
    for (int i = 0; i < 9; ++i) {
        Move(form);
        rig.ticks.now += 1000;
    }
    EXPECT_FALSE(rig.host.ended);
    EXPECT_EQ(form.MouseMoves(), 9);
    Move(form);
    EXPECT_TRUE(rig.host.ended);
}

TEST(Mouse, MovesSpreadOverMoreThanTenSecondsStartCountingAgain) {
    SaverRig rig;
    Form1& form = rig.Load();
    for (int i = 0; i < 9; ++i)
        Move(form);
    rig.ticks.now += 10001;
    Move(form);
    EXPECT_FALSE(rig.host.ended);
    EXPECT_EQ(form.MouseMoves(), 1) << "the late move opens a new window";
    for (int i = 0; i < 8; ++i) {
        Move(form);
        rig.ticks.now += 1000;
    }
    EXPECT_FALSE(rig.host.ended);
    Move(form);
    EXPECT_TRUE(rig.host.ended);
}

TEST(Mouse, SensitivityEdgeValues) {
    SaverRig one;
    Move(LoadWith(one, {{"MouseSen", "1"}}));
    EXPECT_TRUE(one.host.ended);

    for (const char* never : {"0", "-3"}) {
        SaverRig rig;
        Form1& form = LoadWith(rig, {{"MouseSen", never}});
        for (int i = 0; i < 200; ++i) {
            Move(form);
            rig.ticks.now += 7;
        }
        EXPECT_FALSE(rig.host.ended) << never;
        form.KeyDown(90, 0);
        EXPECT_TRUE(rig.host.ended) << never;
    }
}

TEST(Mouse, MovesBeforeTheLoadHasFinishedAreIgnored) {
    SaverRig rig;
    SetRegistry(rig.store);
    rig.store.Set("MouseSen", "1");
    Form1& form = rig.Create();
    Move(form);
    EXPECT_FALSE(rig.host.ended);
    EXPECT_EQ(form.MouseMoves(), 0);
}

TEST(PowerDown, LettingTheMonitorSleepStopsTheMusicFourTicksLater) {
    SaverRig rig;
    Form1& form = rig.Load();
    rig.TimerMIDI().Fire();
    ASSERT_TRUE(rig.sound.playing);

    EXPECT_TRUE(rig.power.RequestPowerDown());
    EXPECT_TRUE(rig.Timer1().running);
    EXPECT_TRUE(rig.power.RequestPowerDown()) << "a second request changes nothing";
    for (int tick = 1; tick <= 3; ++tick)
        rig.Timer1().Fire();
    EXPECT_TRUE(rig.sound.playing);
    rig.Timer1().Fire();
    EXPECT_FALSE(rig.sound.playing);
    EXPECT_FALSE(rig.TimerMIDI().running);
    EXPECT_EQ(form.PowerOffTicks(), 4);

    // However long the monitor stays off, the count stays put.
    for (int tick = 0; tick < 40000; ++tick)
        rig.Timer1().Fire();
    EXPECT_EQ(form.PowerOffTicks(), 4);
    EXPECT_EQ(rig.sound.played.size(), 1u);
}

TEST(PowerDown, PowerSaveOptionKeepsTheMonitorOnAndTheMusicGoing) {
    SaverRig rig;
    LoadWith(rig, {{"PwrSave", "1"}});
    rig.TimerMIDI().Fire();
    EXPECT_FALSE(rig.power.RequestPowerDown());
    EXPECT_FALSE(rig.Timer1().running);
    EXPECT_TRUE(rig.sound.playing);
}

TEST(Focus, LosingTheFocusShowsTheCursorAndTheSaverGoesOn) {
    SaverRig rig;
    Form1& form = rig.Load();
    form.Form_LostFocus();
    EXPECT_TRUE(rig.host.cursorShown);
    EXPECT_FALSE(rig.host.ended);
    EXPECT_TRUE(form.SaverRunning());
}

TEST(TwoForms, KeepTheirOwnState) {
    SaverRig a;
    SaverRig b;
    Form1& first = LoadWith(a, {{"MouseSen", "3"}});
    Form1& second = b.Load();
    first.KeyDown(38, 0);
    Move(first);
    a.TimerApp().Fire();
    a.TimerMIDI().Fire();
    first.ComposeFrame();

    EXPECT_EQ(first.Scene().BgChoice, 2);
    EXPECT_EQ(second.Scene().BgChoice, 1);
    EXPECT_EQ(second.MouseMoves(), 0);
    EXPECT_EQ(second.AppTicks(), 0);
    EXPECT_TRUE(b.sound.played.empty());
    EXPECT_EQ(b.draw.frames, 0);
    EXPECT_EQ(second.Settings().MouseSensitivity, 10);
}
