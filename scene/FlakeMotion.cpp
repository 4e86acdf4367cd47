#include "scene/FlakeMotion.h"

#include <cmath>

namespace {

constexpr int16_t True = -1;
constexpr int FlakesPerLayer = 9;

// Minimum time between two steps of one object.
constexpr int64_t BackStepMs = 22;
constexpr int64_t MidStepMs = 17;
constexpr int64_t FrontStepMs = 10;
constexpr int64_t GreetingStepMs = 20;

// A flake whose top edge lies below this has left the 768-pixel screen.
constexpr int16_t BottomEdge = 770;
// Front flakes re-enter in their own column from just above the screen.
constexpr int32_t FrontReentryTop = -176;

// The greeting turns when its edge, read before the step, lies beyond these.
constexpr int16_t GreetingMaxLeft = 686;
constexpr int16_t GreetingMinLeft = 2;
constexpr int16_t GreetingMaxTop = 546;
constexpr int16_t GreetingMinTop = 28;

}  // namespace

FlakeMotion::FlakeMotion(VexoDDrw& draw, TickClock& ticks, RandomSource& random, SceneState& scene)
    : draw_(draw), ticks_(ticks), random_(random), scene_(scene) {}

void FlakeMotion::BackLayerPass() {
    FallingLayerPass(scene_.TinyFlakeSurface, scene_.TinyFlakeActive, scene_.TinyFlakeY,
                     scene_.TinyFlakeLastMove, BackStepMs, &FlakeMotion::MoveTinyFlake);
}

void FlakeMotion::MidLayerPass() {
    FallingLayerPass(scene_.SmallFlakeSurface, scene_.SmallFlakeActive, scene_.SmallFlakeY,
                     scene_.SmallFlakeLastMove, MidStepMs, &FlakeMotion::MoveSmallFlake);
}

void FlakeMotion::FallingLayerPass(const Surfaces& surfaces, const Flags& active, Flags& lastTop,
                                   Times& lastMove, int64_t intervalMs, StepProcedure step) {
    for (int16_t i = 0; i < FlakesPerLayer; ++i) {
        const auto slot = static_cast<size_t>(i);
        if (active[slot] == True) {
            const int64_t now = ticks_.TickMs();
            if (now - lastMove[slot] >= intervalMs) {
                (this->*step)(i);
                // The time after the step, not before, so a slow control call
                // delays the next step rather than hurrying it.
                lastMove[slot] = ticks_.TickMs();
            }
            draw_.DrawSurface(surfaces[slot]);
        }
        lastTop[slot] = static_cast<int16_t>(draw_.GetSurfaceTop(surfaces[slot]));
        if (lastTop[slot] > BottomEdge) {
            Reseed(surfaces[slot]);
        }
    }
}

void FlakeMotion::Reseed(int32_t surface) {
    // Computed in double on the single-precision value, so the largest r
    // below 1 still lands on the last whole pixel of each range.
    const double r1 = random_.Next();
    draw_.SetSurfaceTop(surface, static_cast<int32_t>(std::floor(r1 * 71.0 - 150.0)));
    const double r2 = random_.Next();
    draw_.SetSurfaceLeft(surface, static_cast<int32_t>(std::floor(r2 * 1031.0 - 30.0)));
}

void FlakeMotion::FrontLayerPass() {
    // Front flakes are on screen from the first frame, so their appearance
    // flags are not consulted.
    for (int16_t i = 0; i < FlakesPerLayer; ++i) {
        const auto slot = static_cast<size_t>(i);
        const int64_t now = ticks_.TickMs();
        if (now - scene_.BigFlakeLastMove[slot] >= FrontStepMs) {
            MoveBigFlake(i);
            scene_.BigFlakeLastMove[slot] = ticks_.TickMs();
        }
        const int32_t surface = scene_.BigFlakeSurface[slot];
        draw_.DrawSurface(surface);
        scene_.BigFlakeY[slot] = static_cast<int16_t>(draw_.GetSurfaceTop(surface));
        if (scene_.BigFlakeY[slot] > BottomEdge) {
            draw_.SetSurfaceTop(surface, FrontReentryTop);
        }
    }
}

void FlakeMotion::GreetingPass(bool moveGreeting) {
    if (moveGreeting) {
        const int64_t now = ticks_.TickMs();
        if (now - scene_.GreetingLastMove >= GreetingStepMs) {
            MoveText();
            scene_.GreetingLastMove = ticks_.TickMs();
        }
    }
    draw_.DrawSurface(scene_.GreetingSurface);
}

void FlakeMotion::MoveText() {
    const int32_t surface = scene_.GreetingSurface;
    scene_.GreetingX = static_cast<int16_t>(draw_.GetSurfaceLeft(surface));
    scene_.GreetingY = static_cast<int16_t>(draw_.GetSurfaceTop(surface));
    if (scene_.GreetingX > GreetingMaxLeft) {
        scene_.GreetingDirX = -1;
    }
    if (scene_.GreetingX < GreetingMinLeft) {
        scene_.GreetingDirX = 1;
    }
    if (scene_.GreetingY > GreetingMaxTop) {
        scene_.GreetingDirY = 1;
    }
    if (scene_.GreetingY < GreetingMinTop) {
        scene_.GreetingDirY = -1;
    }
    draw_.MoveSurfaceRight(surface, scene_.GreetingDirX);
    draw_.MoveSurfaceUp(surface, scene_.GreetingDirY);
}

void FlakeMotion::MoveTinyFlake(int16_t whichFlake) {
    StepDown(scene_.TinyFlakeSurface, whichFlake);
}

void FlakeMotion::MoveSmallFlake(int16_t whichFlake) {
    StepDown(scene_.SmallFlakeSurface, whichFlake);
}

void FlakeMotion::MoveBigFlake(int16_t whichFlake) {
    StepDown(scene_.BigFlakeSurface, whichFlake);
}

void FlakeMotion::StepDown(const Surfaces& surfaces, int16_t whichFlake) {
    // An index outside the array names no flake; it is ignored rather than
    // read past the end.
    if (whichFlake < 0 || whichFlake >= SceneState::FlakeSlots) {
        return;
    }
    draw_.MoveSurfaceUp(surfaces[static_cast<size_t>(whichFlake)], -1);
}
