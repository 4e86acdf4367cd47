#pragma once

#include <memory>
#include <string>
#include <vector>

#include "fakes/FakeClocks.h"
#include "fakes/FakeDesktop.h"
#include "fakes/FakeSettingsStore.h"
#include "fakes/FakeTimers.h"
#include "fakes/RecordingDrawControl.h"
#include "saver/Form1.h"

// A saver form on a complete set of fakes. Every fake writes into one log so
// that tests can check the order of calls across services.
class SaverRig {
public:
    SaverRig();

    // Builds the form; the store and fakes may be prepared before.
    Form1& Create();
    // Builds the form and runs its load sequence.
    Form1& Load();

    FakeTimer& TimerBG() { return *timers.created.at(0); }
    FakeTimer& Timer2() { return *timers.created.at(1); }
    FakeTimer& TimerApp() { return *timers.created.at(2); }
    FakeTimer& Timer1() { return *timers.created.at(3); }
    FakeTimer& TimerMIDI() { return *timers.created.at(4); }

    std::vector<std::string> log;
    RecordingDrawControl draw;
    FakeSound sound{&log};
    FakeSettingsStore store;
    FakeTimerFactory timers;
    FakeTickClock ticks;
    FakeDateTime dates;
    FakeRandom random;
    FakeDisplay display;
    FakeHost host{&log};
    FakeMonitorPower power;
    std::unique_ptr<Form1> form;
};
