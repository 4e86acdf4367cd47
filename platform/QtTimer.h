#pragma once

#include <QTimer>
#include <functional>

#include "saver/Timer.h"

// A saver timer on QTimer: it ticks from the Qt event loop.
class QtTimer : public Timer {
public:
    QtTimer(int intervalMs, std::function<void()> tick);

    void Start() override;
    void Stop() override;
    bool IsRunning() const override;

private:
    QTimer timer_;
};
