#pragma once

#include <functional>

// The monitor's power management. The saver form hooks the power-down request
// and answers whether to let it through; when it says no, the platform turns
// the monitor back on.
class MonitorPower {
public:
    virtual ~MonitorPower() = default;

    // From now on, handler is asked on every power-down request; it returns
    // true to let the monitor power down.
    virtual void Hook(std::function<bool()> handler) = 0;
    // Keeps the desktop from powering the monitor down while held.
    virtual void HoldMonitorOn(bool hold) = 0;
    // Drops the hook and any hold.
    virtual void Release() = 0;
};
