#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SceneRig.h"

namespace {

using Calls = std::vector<std::string>;

// Sends every back flake below the screen so each frame re-seeds all nine
// from the scene's own generator, then composes the frame.
Calls ReseedingFrame(SceneRig& rig) {
    for (int32_t surface : rig.scene.TinyFlakeSurface) {
        if (surface != 0) {
            rig.draw.surfaces[surface].top = 800;
        }
    }
    rig.ticks.now += 16;
    return rig.Frame();
}

TEST(SceneIsolationTest, TwoScenesSideBySideDoNotDisturbEachOther) {
    constexpr int Frames = 12;

    SceneRig alone(SceneRig::Randomness::Seeded);
    ASSERT_TRUE(alone.Load());
    alone.ActivateAllFlakes();
    std::vector<Calls> expected;
    for (int k = 0; k < Frames; ++k) {
        expected.push_back(ReseedingFrame(alone));
    }

    SceneRig first(SceneRig::Randomness::Seeded);
    SceneRig second(SceneRig::Randomness::Seeded);
    second.settings.CalendarPosition = 3;
    second.settings.MessageText = "Other";
    second.display.depth = 16;
    second.display.modes = {{1920, 1080, 16}};
    ASSERT_TRUE(first.Load());
    ASSERT_TRUE(second.Load());
    first.ActivateAllFlakes();
    second.ActivateAllFlakes();
    second.ticks.now = 5;
    second.scene.BgChoice = 4;
    second.scene.DaysLeft = 0;

    for (int k = 0; k < Frames; ++k) {
        // The second scene draws more random values than the first between
        // the first's frames.
        ReseedingFrame(second);
        ReseedingFrame(second);
        EXPECT_EQ(ReseedingFrame(first), expected[static_cast<size_t>(k)]) << "frame " << k;
    }
    const Calls last = second.draw.calls;
    EXPECT_NE(std::find(last.begin(), last.end(), "DrawText(It's Christmas,400,25,255)"),
              last.end());
}

}  // namespace
