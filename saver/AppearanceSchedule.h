#pragma once

#include <cstdint>

#include "scene/SceneState.h"

// Lets the snow begin gradually: on the given tick of the one-second
// application timer, a few more flakes of each layer appear.
void ApplyAppearanceSchedule(int32_t appTicks, SceneState& scene);
