#include "platform/X11MonitorPower.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

// X11 after Qt: its macros (Bool, Status, None) would break Qt's headers.
#include <X11/Xlib.h>
#include <X11/Xmd.h>
#include <X11/extensions/dpms.h>

#include "platform/X11ErrorTrap.h"

namespace {

constexpr int PollIntervalMs = 1000;
constexpr int BusTimeoutMs = 2000;
const char* const Service = "org.freedesktop.ScreenSaver";
const char* const Path = "/org/freedesktop/ScreenSaver";

bool DpmsMonitorIsOn(Display* display) {
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    if (!DPMSInfo(display, &level, &enabled)) {
        return true;
    }
    return !enabled || level == DPMSModeOn;
}

void DpmsForceOn(Display* display) {
    // The server refuses the request (BadMatch) while DPMS is disabled.
    const X11ErrorTrap trap(display);
    DPMSForceLevel(display, DPMSModeOn);
}

}  // namespace

X11MonitorPower::X11MonitorPower(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    if (display != nullptr && DPMSQueryExtension(display, &eventBase, &errorBase) &&
        DPMSCapable(display)) {
        monitorIsOn_ = [display] { return DpmsMonitorIsOn(display); };
        forceOn_ = [display] { DpmsForceOn(display); };
    }
    poll_.setInterval(PollIntervalMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
}

X11MonitorPower::X11MonitorPower(std::function<bool()> monitorIsOn, std::function<void()> forceOn)
    : monitorIsOn_(std::move(monitorIsOn)), forceOn_(std::move(forceOn)) {
    poll_.setInterval(PollIntervalMs);
    QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
}

X11MonitorPower::~X11MonitorPower() {
    Release();
}

void X11MonitorPower::Hook(std::function<bool()> handler) {
    handler_ = std::move(handler);
    if (monitorIsOn_) {
        wasOn_ = monitorIsOn_();
        poll_.start();
    }
}

void X11MonitorPower::HoldMonitorOn(bool hold) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (hold && !cookie_) {
        if (!bus.isConnected() || bus.interface() == nullptr ||
            !bus.interface()->isServiceRegistered(Service).value()) {
            return;
        }
        QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "Inhibit");
        call << QStringLiteral("Glintfall") << QStringLiteral("Screensaver keeps the monitor on");
        const QDBusMessage reply = bus.call(call, QDBus::Block, BusTimeoutMs);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            cookie_ = reply.arguments().constFirst().toUInt();
        }
    } else if (!hold && cookie_) {
        QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "UnInhibit");
        call << *cookie_;
        bus.call(call, QDBus::Block, BusTimeoutMs);
        cookie_.reset();
    }
}

void X11MonitorPower::Release() {
    poll_.stop();
    handler_ = nullptr;
    HoldMonitorOn(false);
}

void X11MonitorPower::Poll() {
    if (!monitorIsOn_) {
        return;
    }
    const bool on = monitorIsOn_();
    const bool request = wasOn_ && !on;
    wasOn_ = on;
    if (request && handler_ && !handler_()) {
        forceOn_();
        wasOn_ = monitorIsOn_();
    }
}
