#pragma once

#include <string>

#include "music/VexoSnd.h"
#include "saver/DateTimeSource.h"
#include "saver/MonitorPower.h"
#include "saver/SaverHost.h"
#include "saver/TickClock.h"
#include "saver/Timer.h"
#include "scene/DisplayInfo.h"
#include "scene/RandomSource.h"
#include "scene/VexoDDrw.h"
#include "settings/SettingsStore.h"

// Everything outside the core that the saver form works with. The program
// hands in the real desktop; tests hand in fakes.
struct SaverServices {
    VexoDDrw& draw;
    VexoSnd& sound;
    SettingsStore& store;
    TimerFactory& timers;
    TickClock& ticks;
    DateTimeSource& dates;
    RandomSource& random;
    DisplayInfo& display;
    SaverHost& host;
    MonitorPower& power;
    // The install folder, ending in a separator, so file names append directly.
    std::string installPath;
};
