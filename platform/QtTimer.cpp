#include "platform/QtTimer.h"

QtTimer::QtTimer(int intervalMs, std::function<void()> tick) {
    timer_.setInterval(intervalMs);
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
}

void QtTimer::Start() {
    // QTimer::start restarts a running timer; a running saver timer keeps its
    // rhythm instead.
    if (!timer_.isActive()) {
        timer_.start();
    }
}

void QtTimer::Stop() {
    timer_.stop();
}

bool QtTimer::IsRunning() const {
    return timer_.isActive();
}
