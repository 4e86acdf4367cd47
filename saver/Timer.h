#pragma once

#include <functional>
#include <memory>

// A repeating timer of the saver form. It ticks on the user-interface thread,
// between frames and input events.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void Start() = 0;  // no effect on a running timer
    virtual void Stop() = 0;
    virtual bool IsRunning() const = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;

    // A new timer, stopped, that calls tick every intervalMs while it runs.
    virtual std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) = 0;
};
