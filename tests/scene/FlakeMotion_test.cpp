#include "scene/FlakeMotion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "SceneRig.h"

namespace {

using Calls = std::vector<std::string>;

// A rig with only the three snow layers on.
SettingsRecord LayersOnly() {
    SettingsRecord s;
    s.ShowGreeting = 0;
    s.ShowBorder = 0;
    s.ShowCountDown = 0;
    s.LayerOn = {1, 1, 1};
    return s;
}

// A rig with only the greeting on.
SettingsRecord GreetingOnly() {
    SettingsRecord s;
    s.ShowBorder = 0;
    s.ShowCountDown = 0;
    s.ShowGreeting = 1;
    s.MoveGreeting = 1;
    return s;
}

void LoadWith(SceneRig& rig, const SettingsRecord& settings) {
    rig.settings = settings;
    ASSERT_TRUE(rig.Load());
    rig.scene.BgChoice = 0;
}

int Steps(const Calls& calls, const std::array<int32_t, SceneState::FlakeSlots>& surfaces) {
    return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
        return std::any_of(surfaces.begin(), surfaces.end(), [&](int32_t s) {
            return s != 0 && c == "MoveSurfaceUp(" + std::to_string(s) + ",-1)";
        });
    }));
}

std::string Call(const std::string& name, int32_t surface) {
    return name + "(" + std::to_string(surface) + ")";
}

std::string Call(const std::string& name, int32_t surface, int32_t value) {
    return name + "(" + std::to_string(surface) + "," + std::to_string(value) + ")";
}

// Steps per frame of each layer, frames `gapMs` apart, every flake appeared.
struct LayerSteps {
    std::vector<int> back, mid, front;
};

LayerSteps StepsAtFrameGap(int64_t gapMs, int frames) {
    SceneRig rig;
    LoadWith(rig, LayersOnly());
    rig.ActivateAllFlakes();
    LayerSteps steps;
    for (int k = 0; k < frames; ++k) {
        const Calls calls = rig.Frame();
        steps.back.push_back(Steps(calls, rig.scene.TinyFlakeSurface));
        steps.mid.push_back(Steps(calls, rig.scene.SmallFlakeSurface));
        steps.front.push_back(Steps(calls, rig.scene.BigFlakeSurface));
        rig.ticks.now += gapMs;
    }
    return steps;
}

// Nine steps in every period-th frame from the first on, none in between.
std::vector<int> EveryNth(int period, int frames) {
    std::vector<int> steps;
    for (int k = 0; k < frames; ++k) {
        steps.push_back(k % period == 0 ? 9 : 0);
    }
    return steps;
}

TEST(FlakeMotionTest, FastFramesStepEachLayerAtItsOwnPace) {
    const LayerSteps steps = StepsAtFrameGap(5, 21);
    EXPECT_EQ(steps.back, EveryNth(5, 21));   // 22 ms
    EXPECT_EQ(steps.mid, EveryNth(4, 21));    // 17 ms
    EXPECT_EQ(steps.front, EveryNth(2, 21));  // 10 ms
}

TEST(FlakeMotionTest, SlowFramesStepEveryLayerInEveryFrame) {
    const LayerSteps steps = StepsAtFrameGap(30, 6);
    EXPECT_EQ(steps.back, EveryNth(1, 6));
    EXPECT_EQ(steps.mid, EveryNth(1, 6));
    EXPECT_EQ(steps.front, EveryNth(1, 6));
}

TEST(FlakeMotionTest, BackAndMidFlakesWaitForTheirAppearanceButFrontFlakesDoNot) {
    SceneRig rig;
    LoadWith(rig, LayersOnly());
    rig.scene.TinyFlakeActive[3] = -1;
    rig.scene.SmallFlakeActive[6] = 1;  // only -1 counts as appeared
    const Calls calls = rig.Frame();

    const int32_t tiny3 = rig.scene.TinyFlakeSurface[3];
    const int32_t small6 = rig.scene.SmallFlakeSurface[6];
    EXPECT_EQ(Steps(calls, rig.scene.TinyFlakeSurface), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call("MoveSurfaceUp", tiny3, -1)), 1);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call("DrawSurface", tiny3)), 1);
    EXPECT_EQ(Steps(calls, rig.scene.SmallFlakeSurface), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call("DrawSurface", small6)), 0);
    // Hidden flakes are still read back, and stay where they started.
    EXPECT_EQ(std::count(calls.begin(), calls.end(), Call("GetSurfaceTop", small6)), 1);
    EXPECT_EQ(rig.scene.SmallFlakeY[6], -100);
    EXPECT_EQ(rig.scene.TinyFlakeY[3], -49);
    EXPECT_EQ(Steps(calls, rig.scene.BigFlakeSurface), 9);
}

// A clock that moves on by a few milliseconds at every reading, as a real
// one does while the control works.
class CreepingClock : public TickClock {
public:
    int64_t TickMs() override { return now += 3; }
    int64_t now = 1000;
};

TEST(FlakeMotionTest, AStepIsTimedByTheReadingAfterIt) {
    RecordingDrawControl draw;
    CreepingClock clock;
    FakeRandom random;
    SceneState scene;
    scene.TinyFlakeSurface[0] = draw.CreateSurface();
    scene.TinyFlakeActive[0] = -1;
    scene.BigFlakeSurface[0] = draw.CreateSurface();
    FlakeMotion motion(draw, clock, random, scene);

    motion.BackLayerPass();
    EXPECT_EQ(scene.TinyFlakeLastMove[0], 1006);
    motion.FrontLayerPass();
    // Front flakes 0 to 8 each read the clock twice; flake 0 read it at 1009
    // and 1012.
    EXPECT_EQ(scene.BigFlakeLastMove[0], 1012);
}

TEST(FlakeMotionTest, BackAndMidFlakesBelowTheScreenAreReseededAboveIt) {
    const float largest = std::nextafter(1.0f, 0.0f);
    struct Case {
        int16_t startTop;
        bool due;
        std::vector<float> random;
        bool reseeded;
        int32_t top;
        int32_t left;
    };
    const std::vector<Case> cases{
        {770, false, {}, false, 770, 80},  // the lowest top edge that stays
        {771, false, {0.0f, 0.0f}, true, -150, -30},
        {771, false, {largest, largest}, true, -80, 1000},
        {771, false, {0.0f, largest}, true, -150, 1000},  // first value top, second left
        {770, true, {0.5f, 0.5f}, true, -115, 485},       // steps to 771, then leaves
    };
    for (const Case& c : cases) {
        SceneRig rig;
        LoadWith(rig, LayersOnly());
        const int32_t tiny = rig.scene.TinyFlakeSurface[0];
        rig.scene.TinyFlakeActive[0] = -1;
        rig.scene.TinyFlakeLastMove[0] = c.due ? 0 : rig.ticks.now;
        rig.draw.surfaces[tiny].top = c.startTop;
        rig.random.values.assign(c.random.begin(), c.random.end());

        const Calls calls = rig.Frame();
        EXPECT_EQ(rig.draw.surfaces[tiny].top, c.top) << c.startTop;
        EXPECT_EQ(rig.draw.surfaces[tiny].left, c.left) << c.startTop;
        EXPECT_EQ(rig.random.drawn, c.reseeded ? 2 : 0) << c.startTop;
        if (c.reseeded) {
            // Drawn at its old place this frame, at the new one from the next.
            const auto drawn = std::find(calls.begin(), calls.end(), Call("DrawSurface", tiny));
            const auto moved =
                std::find(calls.begin(), calls.end(), Call("SetSurfaceTop", tiny, c.top));
            EXPECT_LT(drawn, moved);
        }
    }
}

TEST(FlakeMotionTest, MidFlakesAreReseededLikeBackFlakes) {
    SceneRig rig;
    LoadWith(rig, LayersOnly());
    const int32_t small = rig.scene.SmallFlakeSurface[8];
    rig.draw.surfaces[small].top = 900;
    rig.random.values = {0.0f, 0.0f};
    const Calls calls = rig.Frame();
    EXPECT_EQ(rig.scene.SmallFlakeY[8], 900);
    EXPECT_EQ(rig.draw.surfaces[small].top, -150);
    EXPECT_EQ(rig.draw.surfaces[small].left, -30);
}

TEST(FlakeMotionTest, FrontFlakesReenterAtTheTopOfTheirOwnColumn) {
    SceneRig rig;
    LoadWith(rig, LayersOnly());
    const int32_t big = rig.scene.BigFlakeSurface[4];  // starts at left 955
    rig.draw.surfaces[big].top = 770;
    rig.Frame();
    EXPECT_EQ(rig.scene.BigFlakeY[4], 771);
    EXPECT_EQ(rig.draw.surfaces[big].top, -176);
    EXPECT_EQ(rig.draw.surfaces[big].left, 955);
    EXPECT_EQ(rig.random.drawn, 0);

    rig.draw.surfaces[big].top = 769;
    rig.ticks.now += 10;
    rig.Frame();
    EXPECT_EQ(rig.draw.surfaces[big].top, 770);
}

TEST(FlakeMotionTest, SlotNineIsNeverTouched) {
    SceneRig rig;
    LoadWith(rig, LayersOnly());
    rig.ActivateAllFlakes();
    rig.scene.TinyFlakeSurface[9] = 97;
    rig.scene.SmallFlakeSurface[9] = 98;
    rig.scene.BigFlakeSurface[9] = 99;
    for (int k = 0; k < 3; ++k) {
        for (const std::string& call : rig.Frame()) {
            for (const char* slotNine : {"(97", "(98", "(99"}) {
                EXPECT_EQ(call.find(slotNine), std::string::npos) << call;
            }
        }
        rig.ticks.now += 30;
    }
}

TEST(FlakeMotionTest, GreetingTurnsOnlyBeyondItsBox) {
    struct Case {
        int32_t left, top;
        int16_t dirX, dirY;
        int32_t leftAfter, topAfter;
        int16_t dirXAfter, dirYAfter;
    };
    const std::vector<Case> cases{
        {686, 300, 1, 1, 687, 299, 1, 1},    // still moves right
        {687, 300, 1, 1, 686, 299, -1, 1},   // turns left
        {2, 300, -1, 1, 1, 299, -1, 1},      // still moves left
        {1, 300, -1, 1, 2, 299, 1, 1},       // turns right
        {300, 28, 1, 1, 301, 27, 1, 1},      // still moves up
        {300, 27, 1, 1, 301, 28, 1, -1},     // turns down
        {300, 546, 1, -1, 301, 547, 1, -1},  // still moves down
        {300, 547, 1, -1, 301, 546, 1, 1},   // turns up
        {687, 547, 1, -1, 686, 546, -1, 1},  // a corner turns both ways
    };
    for (const Case& c : cases) {
        SceneRig rig;
        LoadWith(rig, GreetingOnly());
        const int32_t greeting = rig.scene.GreetingSurface;
        rig.draw.surfaces[greeting].left = c.left;
        rig.draw.surfaces[greeting].top = c.top;
        rig.scene.GreetingDirX = c.dirX;
        rig.scene.GreetingDirY = c.dirY;
        rig.Frame();
        EXPECT_EQ(rig.draw.surfaces[greeting].left, c.leftAfter) << c.left << "," << c.top;
        EXPECT_EQ(rig.draw.surfaces[greeting].top, c.topAfter) << c.left << "," << c.top;
        EXPECT_EQ(rig.scene.GreetingDirX, c.dirXAfter) << c.left << "," << c.top;
        EXPECT_EQ(rig.scene.GreetingDirY, c.dirYAfter) << c.left << "," << c.top;
        EXPECT_EQ(rig.scene.GreetingX, c.left);
        EXPECT_EQ(rig.scene.GreetingY, c.top);
    }
}

TEST(FlakeMotionTest, GreetingStepsAtMostEveryTwentyMilliseconds) {
    SceneRig rig;
    LoadWith(rig, GreetingOnly());
    const int32_t greeting = rig.scene.GreetingSurface;
    EXPECT_EQ(rig.draw.surfaces[greeting].left, 330);
    EXPECT_EQ(rig.draw.surfaces[greeting].top, 240);
    std::vector<int32_t> lefts;
    for (int64_t gap : {0, 19, 1, 5, 15, 40}) {
        rig.ticks.now += gap;
        rig.Frame();
        lefts.push_back(rig.draw.surfaces[greeting].left);
    }
    EXPECT_EQ(lefts, (std::vector<int32_t>{331, 331, 332, 332, 333, 334}));
    EXPECT_EQ(rig.draw.surfaces[greeting].top, 236);
}

}  // namespace
