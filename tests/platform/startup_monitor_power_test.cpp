#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "platform/X11MonitorPower.h"

namespace {

// A monitor whose DPMS state the test sets; forcing it on is recorded.
struct FakeMonitor {
    bool on = true;
    int forcedOn = 0;
};

class MonitorPowerTest : public testing::Test {
protected:
    X11MonitorPower MakePower() {
        return X11MonitorPower([this] { return monitor.on; },
                               [this] {
                                   ++monitor.forcedOn;
                                   monitor.on = true;
                               });
    }

    int argc = 1;
    char name[32] = "startup_platform_tests";
    char* argv[2] = {name, nullptr};
    QCoreApplication app{argc, argv};
    FakeMonitor monitor;
    int requests = 0;
};

TEST_F(MonitorPowerTest, RefusedPowerDownTurnsTheMonitorBackOn) {
    X11MonitorPower power = MakePower();
    power.Hook([this] {
        ++requests;
        return false;
    });
    EXPECT_TRUE(power.Polling());
    power.Poll();
    EXPECT_EQ(requests, 0);
    monitor.on = false;
    power.Poll();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(monitor.forcedOn, 1);
    EXPECT_TRUE(monitor.on);
    // The next power-down is a new request.
    monitor.on = false;
    power.Poll();
    EXPECT_EQ(requests, 2);
}

TEST_F(MonitorPowerTest, AllowedPowerDownIsAskedOnceAndLeftAlone) {
    X11MonitorPower power = MakePower();
    power.Hook([this] {
        ++requests;
        return true;
    });
    monitor.on = false;
    power.Poll();
    power.Poll();
    power.Poll();
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(monitor.forcedOn, 0);
    monitor.on = true;
    power.Poll();
    monitor.on = false;
    power.Poll();
    EXPECT_EQ(requests, 2);
}

TEST_F(MonitorPowerTest, MonitorAlreadyOffWhenHookedIsNoRequest) {
    monitor.on = false;
    X11MonitorPower power = MakePower();
    power.Hook([this] {
        ++requests;
        return false;
    });
    power.Poll();
    EXPECT_EQ(requests, 0);
}

TEST_F(MonitorPowerTest, ReleaseStopsAskingAndPolling) {
    X11MonitorPower power = MakePower();
    power.Hook([this] {
        ++requests;
        return false;
    });
    power.Release();
    EXPECT_FALSE(power.Polling());
    monitor.on = false;
    power.Poll();
    EXPECT_EQ(requests, 0);
    EXPECT_EQ(monitor.forcedOn, 0);
}

TEST_F(MonitorPowerTest, WithoutDpmsNothingIsPolled) {
    X11MonitorPower power(nullptr);
    power.Hook([this] {
        ++requests;
        return false;
    });
    EXPECT_FALSE(power.HasDpms());
    EXPECT_FALSE(power.Polling());
    power.Poll();
    EXPECT_EQ(requests, 0);
}

}  // namespace
