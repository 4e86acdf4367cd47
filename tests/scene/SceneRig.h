#pragma once

#include <string>
#include <vector>

#include "fakes/FakeClocks.h"
#include "fakes/FakeDesktop.h"
#include "fakes/RecordingDrawControl.h"
#include "scene/DrawingSession.h"
#include "scene/FrameComposer.h"
#include "scene/SceneState.h"
#include "scene/SeededRandom.h"
#include "settings/SettingsRecord.h"

// One scene with its own fakes: the drawing set-up and the frame composer
// wired as the saver form wires them.
class SceneRig {
public:
    static constexpr const char* InstallPath = "/opt/glintfall/";

    enum class Randomness { Queued, Seeded };

    explicit SceneRig(Randomness randomness = Randomness::Queued)
        : source(randomness == Randomness::Seeded ? static_cast<RandomSource&>(seeded)
                                                  : static_cast<RandomSource&>(random)) {
        settings = AllOn();
        scene.GreetingDirX = 1;
        scene.GreetingDirY = 1;
        scene.BgChoice = 1;
        scene.DaysLeft = 18;
    }

    // Every element of the scene switched on, the calendar top left.
    static SettingsRecord AllOn() {
        SettingsRecord all;
        all.ShowGreeting = 1;
        all.MoveGreeting = 1;
        all.ShowMessage = 1;
        all.ShowCountDown = 1;
        all.ShowCalendar = 1;
        all.CalendarPosition = 0;
        all.ShowBorder = 1;
        all.LayerOn = {1, 1, 1};
        all.BackgroundChecked = {1, 1, 1, 1, 1};
        return all;
    }

    // Opens the session and loads the pictures, then forgets those calls.
    bool Load() {
        const bool opened = session.OpenDirectDrawSession(settings, scene, InstallPath);
        draw.calls.clear();
        return opened;
    }

    // The calls of one frame.
    std::vector<std::string> Frame() {
        draw.calls.clear();
        composer.ComposeFrame();
        return draw.calls;
    }

    void ActivateAllFlakes() {
        scene.TinyFlakeActive.fill(-1);
        scene.SmallFlakeActive.fill(-1);
        scene.BigFlakeActive.fill(-1);
    }

    RecordingDrawControl draw;
    FakeTickClock ticks;
    FakeDateTime dates;
    FakeRandom random;
    SeededRandom seeded;
    RandomSource& source;
    FakeDisplay display;
    FakeHost host;
    SettingsRecord settings;
    SceneState scene;
    DrawingSession session{draw, display, host};
    FrameComposer composer{draw, ticks, dates, source, settings, scene};
};
