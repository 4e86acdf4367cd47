#include "saver/Form1.h"

#include <algorithm>

#include "saver/AppearanceSchedule.h"
#include "saver/Calendar.h"
#include "settings/Registry.h"

namespace {

constexpr int16_t KeyN = 78;
constexpr int16_t KeyP = 80;
constexpr int16_t KeyQ = 81;
constexpr int16_t KeyS = 83;
constexpr int16_t KeyUp = 38;
constexpr int16_t KeyDown_ = 40;

// Mouse moves count towards the sensitivity within windows of this length.
constexpr int64_t MoveWindowMs = 10000;

}  // namespace

Form1::Form1(const SaverServices& services)
    : s_(services),
      session_(s_.draw, s_.display, s_.host),
      composer_(s_.draw, s_.ticks, s_.dates, s_.random, settings_, scene_),
      rotation_(settings_, scene_),
      timerBG_(s_.timers.CreateTimer(1000, [this] { rotation_.TimerBGTick(); })),
      timer2_(s_.timers.CreateTimer(1000, [this] { playlist_.Timer2Tick(); })),
      timerApp_(s_.timers.CreateTimer(1000, [this] { TimerAppTick(); })),
      timer1_(s_.timers.CreateTimer(1000, [this] { Timer1Tick(); })),
      timerMIDI_(s_.timers.CreateTimer(1050, [this] { playlist_.TimerMIDITick(); })),
      playlist_(s_.sound, settings_, *timerMIDI_, *timer2_, s_.installPath) {
    // These timers run from the moment the form exists; their first ticks
    // come from the event loop, after the load sequence.
    timerBG_->Start();
    timer2_->Start();
    timerApp_->Start();
    timerMIDI_->Start();
}

Form1::~Form1() {
    // A form dropped without CloseDown (a test, or the program unwinding)
    // must still leave no music playing and no monitor hold behind.
    if (!ended_) {
        Form_Unload();
        s_.power.Release();
    }
}

void Form1::Form_Load() {
    HookSaverWindow();
    if (NeedsFactorySettings(s_.store)) {
        SetRegistry(s_.store);
    }
    settings_ = GetRegistry(s_.store);
    if (settings_.PowerSave != 0) {
        s_.power.HoldMonitorOn(true);
    }

    const auto& checked = settings_.BackgroundChecked;
    const auto first = std::find(checked.begin(), checked.end(), int16_t{1});
    if (first != checked.end()) {
        scene_.BgChoice = static_cast<int16_t>(1 + (first - checked.begin()));
    }
    if (std::count(checked.begin(), checked.end(), int16_t{1}) < 2) {
        timerBG_->Stop();
    }

    if (settings_.SoundOffSetting != "Never") {
        playlist_.SoundOff();
    }
    scene_.GreetingDirX = 1;
    scene_.GreetingDirY = 1;
    // The countdown is right from the first frame, not only after the first
    // timer tick.
    scene_.DaysLeft = DaysUntilChristmas(s_.dates.Now());
    s_.host.ShowCursor(false);
    if (!session_.OpenDirectDrawSession(settings_, scene_, s_.installPath)) {
        ended_ = true;
        Form_Unload();
        s_.power.Release();
        return;
    }
    saverRunning_ = true;
}

void Form1::HookSaverWindow() {
    s_.power.Hook([this] { return SaverWindowProc(); });
}

bool Form1::SaverWindowProc() {
    if (ended_) {
        return true;
    }
    if (settings_.PowerSave == 0) {
        timer1_->Start();
        return true;
    }
    return false;
}

void Form1::ComposeFrame() {
    if (ended_) {
        return;
    }
    composer_.ComposeFrame();
}

void Form1::TimerAppTick() {
    if (ended_) {
        return;
    }
    scene_.DaysLeft = DaysUntilChristmas(s_.dates.Now());
    ++appTicks_;
    if (appTicks_ > 2147483646) {
        appTicks_ = 0;
    }
    ApplyAppearanceSchedule(appTicks_, scene_);
}

void Form1::Timer1Tick() {
    if (ended_) {
        return;
    }
    // Only the fourth tick matters; stop counting there so the count cannot
    // overflow however long the monitor stays off.
    if (powerOffTicks_ < 4) {
        ++powerOffTicks_;
        if (powerOffTicks_ == 4) {
            playlist_.StopForPowerDown();
        }
    }
}

void Form1::KeyDown(int16_t keyCode, int16_t /*shift*/) {
    if (ended_) {
        return;
    }
    switch (keyCode) {
        case KeyN:
            playlist_.NextSong();
            break;
        case KeyP:
            playlist_.PreviousSong();
            break;
        case KeyQ:
            playlist_.StopMusic();
            break;
        case KeyS:
            playlist_.StartMusic();
            break;
        case KeyUp:
            scene_.BgChoice = static_cast<int16_t>(scene_.BgChoice + 1);
            if (scene_.BgChoice > 5) {
                scene_.BgChoice = 1;
            }
            break;
        case KeyDown_:
            scene_.BgChoice = static_cast<int16_t>(scene_.BgChoice - 1);
            if (scene_.BgChoice < 1) {
                scene_.BgChoice = 5;
            }
            break;
        default:
            CloseDown();
            break;
    }
}

void Form1::MouseMove(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {
    if (ended_ || !saverRunning_) {
        return;
    }
    // The window is measured on the monotonic clock, so it closes normally
    // across midnight and across changes of the wall clock. A move that comes
    // after the window has closed starts a new count: moves spread over more
    // than ten seconds never add up.
    const int64_t now = s_.ticks.TickMs();
    if (moveWindowStart_ && now - *moveWindowStart_ > MoveWindowMs) {
        moveWindowStart_.reset();
        mouseMoves_ = 0;
    }
    if (!moveWindowStart_) {
        moveWindowStart_ = now;
    }
    if (mouseMoves_ < INT16_MAX) {
        ++mouseMoves_;
    }
    if (mouseMoves_ == settings_.MouseSensitivity) {
        CloseDown();
    }
}

void Form1::MouseDown(int16_t /*button*/, int16_t /*shift*/, float /*x*/, float /*y*/) {
    if (ended_) {
        return;
    }
    CloseDown();
}

void Form1::Form_LostFocus() {
    s_.host.ShowCursor(true);
}

void Form1::CloseDown() {
    if (ended_) {
        return;
    }
    ended_ = true;
    s_.host.ShowCursor(true);
    s_.draw.CloseSession();
    s_.host.SetScreenSaverRunning(false);
    s_.sound.StopPlaying();
    Form_Unload();
    s_.power.Release();
    s_.host.EndProgram();
}

void Form1::Form_Unload() {
    for (Timer* timer :
         {timerBG_.get(), timer2_.get(), timerApp_.get(), timer1_.get(), timerMIDI_.get()}) {
        timer->Stop();
    }
    s_.sound.StopPlaying();
    s_.host.ShowCursor(true);
    s_.sound.StopPlaying();
}
