#pragma once

#include <cstdint>

#include "scene/SceneState.h"
#include "settings/SettingsRecord.h"

// Changes the background every "Rotate" seconds to the next checked one.
class BackgroundRotation {
public:
    BackgroundRotation(const SettingsRecord& settings, SceneState& scene);

    // One tick of the one-second background timer.
    void TimerBGTick();

    int16_t BgTicks() const { return bgTicks_; }

private:
    const SettingsRecord& settings_;
    SceneState& scene_;
    int16_t bgTicks_ = 0;
};
