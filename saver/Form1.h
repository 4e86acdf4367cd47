#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "music/Playlist.h"
#include "saver/SaverServices.h"
#include "saver/Timer.h"
#include "scene/BackgroundRotation.h"
#include "scene/DrawingSession.h"
#include "scene/FrameComposer.h"
#include "scene/SceneState.h"
#include "scene/VexoDDrwEvents.h"
#include "settings/SettingsRecord.h"

// The running saver: it owns every piece of runtime state, handles the
// frame, timer and input events one at a time, and ends the program through
// CloseDown.
class Form1 : public VexoDDrwEvents {
public:
    explicit Form1(const SaverServices& services);
    ~Form1() override;

    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    // The load sequence. Afterwards Ended() tells whether it had to give up.
    void Form_Load();
    bool Ended() const { return ended_; }

    // Drawing-control events.
    void ComposeFrame() override;
    void KeyDown(int16_t keyCode, int16_t shift) override;
    void MouseMove(int16_t button, int16_t shift, float x, float y) override;
    void MouseDown(int16_t button, int16_t shift, float x, float y) override;

    // The monitor asks to power down; returns true to let it.
    bool SaverWindowProc();
    void Form_LostFocus();
    void CloseDown();

    // Timer ticks.
    void TimerAppTick();
    void Timer1Tick();

    // Read-only views for the host program and tests.
    const SettingsRecord& Settings() const { return settings_; }
    const SceneState& Scene() const { return scene_; }
    const Playlist& Music() const { return playlist_; }
    bool SaverRunning() const { return saverRunning_; }
    int32_t AppTicks() const { return appTicks_; }
    int16_t PowerOffTicks() const { return powerOffTicks_; }
    int16_t MouseMoves() const { return mouseMoves_; }
    int16_t BgTicks() const { return rotation_.BgTicks(); }

private:
    void HookSaverWindow();
    void Form_Unload();

    SaverServices s_;
    SettingsRecord settings_;
    SceneState scene_;
    DrawingSession session_;
    FrameComposer composer_;
    BackgroundRotation rotation_;

    std::unique_ptr<Timer> timerBG_;
    std::unique_ptr<Timer> timer2_;
    std::unique_ptr<Timer> timerApp_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timerMIDI_;
    Playlist playlist_;

    bool saverRunning_ = false;
    bool ended_ = false;
    int32_t appTicks_ = 0;
    int16_t powerOffTicks_ = 0;
    int16_t mouseMoves_ = 0;
    // When the current counting window of mouse moves opened, on the tick
    // clock; empty while no window is open.
    std::optional<int64_t> moveWindowStart_;
};
