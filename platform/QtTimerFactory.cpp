#include "platform/QtTimerFactory.h"

#include "platform/QtTimer.h"

std::unique_ptr<Timer> QtTimerFactory::CreateTimer(int intervalMs, std::function<void()> tick) {
    return std::make_unique<QtTimer>(intervalMs, std::move(tick));
}
