#pragma once

#include "saver/DateTimeSource.h"
#include "saver/TickClock.h"
#include "scene/RandomSource.h"
#include "scene/SceneState.h"
#include "scene/VexoDDrw.h"
#include "settings/SettingsRecord.h"

// Builds one whole frame, back to front, moving the flakes and the greeting
// on their own pace on the way, and presents it.
class FrameComposer {
public:
    FrameComposer(VexoDDrw& draw, TickClock& ticks, DateTimeSource& dates, RandomSource& random,
                  const SettingsRecord& settings, SceneState& scene);

    void ComposeFrame();

private:
    VexoDDrw& draw_;
    TickClock& ticks_;
    DateTimeSource& dates_;
    RandomSource& random_;
    const SettingsRecord& settings_;
    SceneState& scene_;
};
