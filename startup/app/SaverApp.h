#pragma once

#include <memory>
#include <string>

#include "platform/DesktopHost.h"
#include "platform/FluidSynthPlayer.h"
#include "platform/IniSettingsStore.h"
#include "platform/QtDateTimeSource.h"
#include "platform/QtDrawControl.h"
#include "platform/QtTimerFactory.h"
#include "platform/SaverWindow.h"
#include "platform/X11DisplayInfo.h"
#include "platform/X11MonitorPower.h"
#include "saver/Form1.h"
#include "scene/SeededRandom.h"

// The running saver on the desktop: the real services, the saver form on
// them, and its full-screen window, whose frame and input events go to the
// form.
class SaverApp {
public:
    explicit SaverApp(std::string installPath);
    ~SaverApp();

    SaverApp(const SaverApp&) = delete;
    SaverApp& operator=(const SaverApp&) = delete;

    // Runs the form's load sequence, then shows the window over the primary
    // screen. False when the saver gave up while loading; the program then
    // ends without showing anything.
    bool Start();

private:
    void ActiveChanged();

    std::string installPath_;
    IniSettingsStore store_;
    SaverWindow window_;
    QtDrawControl draw_;
    FluidSynthPlayer sound_;
    QtTimerFactory timers_;
    QtDateTimeSource dates_;
    SeededRandom random_;
    X11DisplayInfo display_;
    DesktopHost host_;
    X11MonitorPower power_;
    // Last, so it goes first: it holds references to everything above.
    std::unique_ptr<Form1> form_;
};
