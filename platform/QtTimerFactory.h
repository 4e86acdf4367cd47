#pragma once

#include "saver/Timer.h"

// Makes the saver's timers on the Qt event loop.
class QtTimerFactory : public TimerFactory {
public:
    std::unique_ptr<Timer> CreateTimer(int intervalMs, std::function<void()> tick) override;
};
