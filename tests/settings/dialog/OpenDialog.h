#pragma once

#include <QString>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/FakeSettingsStore.h"
#include "settings/dialog/Setup.h"

inline const std::string TestInstallPath = "/opt/glintfall/";

// A store holding every factory value, with its record of writes emptied.
FakeSettingsStore FactoryStore();

// The dialog opened over a store, with a fake sound control and a record of
// the web addresses it asked to open.
class OpenDialog {
public:
    explicit OpenDialog(SettingsStore& store);

    template <class Widget>
    Widget* Find(const QString& name) {
        auto* widget = dialog.findChild<Widget*>(name);
        if (!widget) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    FakeSound sound;
    std::vector<std::string> openedUrls;
    Setup dialog;
};
