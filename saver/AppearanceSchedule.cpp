#include "saver/AppearanceSchedule.h"

#include <array>

namespace {

constexpr int16_t True = -1;

enum class Layer { Back, Mid, Front };

struct Appearance {
    int32_t tick;
    Layer layer;
    int flake;
};

// Flakes appear one or two at a time over the first sixteen seconds, so the
// snow begins gently. Back flakes 5 and 7 never appear: the back layer stays
// sparser than the others.
constexpr std::array<Appearance, 28> Schedule{{
    {1, Layer::Back, 0},   {1, Layer::Mid, 0},   {2, Layer::Front, 0},  {3, Layer::Back, 3},
    {3, Layer::Mid, 3},    {3, Layer::Front, 4}, {4, Layer::Mid, 6},    {5, Layer::Back, 2},
    {5, Layer::Front, 3},  {6, Layer::Mid, 1},   {6, Layer::Front, 2},  {7, Layer::Back, 1},
    {7, Layer::Front, 5},  {8, Layer::Mid, 2},   {9, Layer::Back, 4},   {10, Layer::Mid, 4},
    {11, Layer::Back, 6},  {11, Layer::Mid, 5},  {11, Layer::Front, 8}, {12, Layer::Mid, 5},
    {12, Layer::Front, 1}, {13, Layer::Mid, 7},  {13, Layer::Front, 6}, {14, Layer::Mid, 3},
    {14, Layer::Front, 7}, {15, Layer::Back, 8}, {15, Layer::Mid, 4},   {16, Layer::Mid, 8},
}};

}  // namespace

void ApplyAppearanceSchedule(int32_t appTicks, SceneState& scene) {
    for (const Appearance& step : Schedule) {
        if (step.tick != appTicks) {
            continue;
        }
        switch (step.layer) {
            case Layer::Back:
                scene.TinyFlakeActive[step.flake] = True;
                break;
            case Layer::Mid:
                scene.SmallFlakeActive[step.flake] = True;
                break;
            case Layer::Front:
                scene.BigFlakeActive[step.flake] = True;
                break;
        }
    }
}
