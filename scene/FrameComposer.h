#pragma once

#include <cstdint>
#include <string>

#include "saver/DateTimeSource.h"
#include "saver/TickClock.h"
#include "scene/FlakeMotion.h"
#include "scene/RandomSource.h"
#include "scene/SceneState.h"
#include "scene/VexoDDrw.h"
#include "settings/SettingsRecord.h"

// Builds one whole frame, back to front, moving the flakes and the greeting
// at their own pace on the way, and presents it.
class FrameComposer {
public:
    FrameComposer(VexoDDrw& draw, TickClock& ticks, DateTimeSource& dates, RandomSource& random,
                  const SettingsRecord& settings, SceneState& scene);

    void ComposeFrame();

private:
    // A text with its shadow: black one pixel right and below, then red.
    void DrawShadowedText(const std::string& text, int32_t x, int32_t y);
    void DrawCalendar();
    void DrawText(const std::string& text, int32_t size, int32_t x, int32_t y, uint32_t colour);

    VexoDDrw& draw_;
    DateTimeSource& dates_;
    const SettingsRecord& settings_;
    SceneState& scene_;
    FlakeMotion motion_;
};
