#pragma once

#include <array>
#include <cstdint>

#include "saver/TickClock.h"
#include "scene/RandomSource.h"
#include "scene/SceneState.h"
#include "scene/VexoDDrw.h"

// Moves the snow and the greeting. Each object keeps the time of its own last
// step and steps at most once per frame, so the speeds hold in pixels per
// second whatever the frame rate, as long as frames come often enough.
class FlakeMotion {
public:
    FlakeMotion(VexoDDrw& draw, TickClock& ticks, RandomSource& random, SceneState& scene);

    // One frame's treatment of a whole layer: step what is due, draw, and put
    // flakes that have left the bottom back above the top.
    void BackLayerPass();
    void MidLayerPass();
    void FrontLayerPass();
    // Steps the greeting when due (only when it may move) and draws it.
    void GreetingPass(bool moveGreeting);

    // One step of the greeting, bouncing inside its box.
    void MoveText();
    // One pixel down for the flake with this index in the back, mid or front
    // layer.
    void MoveTinyFlake(int16_t whichFlake);
    void MoveSmallFlake(int16_t whichFlake);
    void MoveBigFlake(int16_t whichFlake);

private:
    using Surfaces = std::array<int32_t, SceneState::FlakeSlots>;
    using Flags = std::array<int16_t, SceneState::FlakeSlots>;
    using Times = std::array<int64_t, SceneState::FlakeSlots>;
    using StepProcedure = void (FlakeMotion::*)(int16_t);

    // The back and mid layers differ only in their flakes and their pace.
    void FallingLayerPass(const Surfaces& surfaces, const Flags& active, Flags& lastTop,
                          Times& lastMove, int64_t intervalMs, StepProcedure step);
    void Reseed(int32_t surface);
    void StepDown(const Surfaces& surfaces, int16_t whichFlake);

    VexoDDrw& draw_;
    TickClock& ticks_;
    RandomSource& random_;
    SceneState& scene_;
};
