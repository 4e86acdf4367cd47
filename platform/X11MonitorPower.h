#pragma once

#include <QTimer>
#include <functional>
#include <optional>

#include "saver/MonitorPower.h"

// Xlib's display, declared as Xlib does; its header defines macros that
// clash with Qt, so only sources include it, after Qt's headers.
typedef struct _XDisplay Display;

// The monitor's power management on X11. X sends no request before it powers
// the monitor down, so the DPMS level is read once a second: a change from on
// to standby, suspend or off is the request. When the saver refuses it, the
// monitor is switched straight back on. Holding the monitor on asks the
// desktop's screensaver service not to blank at all. A server without DPMS
// (Xvfb) has nothing to poll.
class X11MonitorPower : public MonitorPower {
public:
    // display may be null (no X server): then only the desktop hold works.
    explicit X11MonitorPower(Display* display);
    // The monitor's state from elsewhere: monitorIsOn reads it, forceOn turns
    // the monitor on.
    X11MonitorPower(std::function<bool()> monitorIsOn, std::function<void()> forceOn);
    ~X11MonitorPower() override;

    X11MonitorPower(const X11MonitorPower&) = delete;
    X11MonitorPower& operator=(const X11MonitorPower&) = delete;

    void Hook(std::function<bool()> handler) override;
    void HoldMonitorOn(bool hold) override;
    void Release() override;

    bool HasDpms() const { return static_cast<bool>(monitorIsOn_); }
    bool Polling() const { return poll_.isActive(); }
    bool Holding() const { return cookie_.has_value(); }

    // Reads the monitor's state once and handles a power-down; the timer
    // calls it every second while a handler is hooked.
    void Poll();

private:
    std::function<bool()> monitorIsOn_;
    std::function<void()> forceOn_;
    bool wasOn_ = true;
    std::function<bool()> handler_;
    QTimer poll_;
    std::optional<unsigned int> cookie_;
};
