#include "scene/BackgroundRotation.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

// The rotation as the saver form runs it: started on the first checked
// background, ticked once a second.
class Rotation {
public:
    Rotation(std::array<int16_t, 5> checked, int16_t rotate) {
        settings.BackgroundChecked = checked;
        settings.RotateSeconds = rotate;
        for (int16_t n = 1; n <= 5; ++n) {
            if (checked[static_cast<size_t>(n - 1)] == 1) {
                scene.BgChoice = n;
                break;
            }
        }
    }

    void Tick(int times = 1) {
        for (int i = 0; i < times; ++i) {
            rotation.TimerBGTick();
        }
    }

    // The background after each further `seconds`, `changes` times.
    std::vector<int16_t> Every(int seconds, int changes) {
        std::vector<int16_t> shown;
        for (int i = 0; i < changes; ++i) {
            Tick(seconds);
            shown.push_back(scene.BgChoice);
        }
        return shown;
    }

    SettingsRecord settings;
    SceneState scene;
    BackgroundRotation rotation{settings, scene};
};

TEST(BackgroundRotationTest, AllCheckedShowsEachInTurnForRotateSeconds) {
    Rotation r({1, 1, 1, 1, 1}, 60);
    r.Tick(59);
    EXPECT_EQ(r.scene.BgChoice, 1);
    EXPECT_EQ(r.rotation.BgTicks(), 59);
    r.Tick();
    EXPECT_EQ(r.scene.BgChoice, 2);
    EXPECT_EQ(r.rotation.BgTicks(), 0);
    EXPECT_EQ(r.Every(60, 5), (std::vector<int16_t>{3, 4, 5, 1, 2}));
}

TEST(BackgroundRotationTest, OnlyCheckedBackgroundsAreVisited) {
    Rotation twoAndFive({0, 1, 0, 0, 1}, 30);
    EXPECT_EQ(twoAndFive.scene.BgChoice, 2);
    EXPECT_EQ(twoAndFive.Every(30, 4), (std::vector<int16_t>{5, 2, 5, 2}));

    Rotation one({0, 0, 1, 0, 0}, 1);
    EXPECT_EQ(one.Every(1, 3), (std::vector<int16_t>{3, 3, 3}));

    Rotation none({0, 0, 0, 0, 0}, 5);
    EXPECT_EQ(none.Every(5, 3), (std::vector<int16_t>{0, 0, 0}));
    EXPECT_LT(none.rotation.BgTicks(), 5);
}

TEST(BackgroundRotationTest, KeysMoveTheBackgroundButNotTheRhythm) {
    // Stepped by hand to background 3, which is not checked: the change
    // still comes on time and goes to the next checked one after 3.
    Rotation r({1, 0, 0, 0, 1}, 60);
    r.Tick(20);
    r.scene.BgChoice = 3;
    r.Tick(39);
    EXPECT_EQ(r.scene.BgChoice, 3);
    r.Tick();
    EXPECT_EQ(r.scene.BgChoice, 5);

    // A key one second before a change does not postpone it.
    Rotation late({1, 1, 1, 1, 1}, 60);
    late.Tick(59);
    late.scene.BgChoice = 4;
    late.Tick();
    EXPECT_EQ(late.scene.BgChoice, 5);
}

TEST(BackgroundRotationTest, HandEditedFlagsNeitherHangNorCount) {
    // Only 1 counts as checked; anything else is passed over.
    Rotation r({1, 2, -1, 2, 1}, 2);
    EXPECT_EQ(r.Every(2, 3), (std::vector<int16_t>{5, 1, 5}));

    Rotation noneValid({2, 2, 2, 2, 2}, 2);
    noneValid.scene.BgChoice = 3;
    EXPECT_EQ(noneValid.Every(2, 2), (std::vector<int16_t>{3, 3}));
}

TEST(BackgroundRotationTest, RotateBelowOneNeverChangesAndNeverOverflows) {
    for (int16_t rotate : {int16_t{0}, int16_t{-1}, int16_t{-32768}}) {
        Rotation r({1, 1, 1, 1, 1}, rotate);
        r.Tick(40000);
        EXPECT_EQ(r.scene.BgChoice, 1) << rotate;
        EXPECT_EQ(r.rotation.BgTicks(), 0) << rotate;
    }
}

}  // namespace
