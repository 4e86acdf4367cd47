#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "saver/Timer.h"

// Timers that tick only when a test says so.
class FakeTimer : public Timer {
public:
    FakeTimer(int interval, std::function<void()> tick)
        : interval(interval), tick(std::move(tick)) {}

    void Start() override { running = true; }
    void Stop() override { running = false; }
    bool IsRunning() const override { return running; }

    // Ticks once if running, as the event loop would.
    void Fire() {
        if (running) {
            tick();
        }
    }

    int interval;
    std::function<void()> tick;
    bool running = false;
};

class FakeTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override {
        auto timer = std::make_unique<FakeTimer>(intervalMs, std::move(tick));
        created.push_back(timer.get());
        return timer;
    }

    // Timers in the order of creation.
    std::vector<FakeTimer*> created;
};
