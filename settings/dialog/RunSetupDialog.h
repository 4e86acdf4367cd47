#pragma once

#include <string>

#include "music/VexoSnd.h"
#include "settings/SettingsStore.h"

// Shows the configuration dialog and returns when the user closes it. Needs a
// running QApplication; web addresses open in the desktop's browser.
int RunSetupDialog(SettingsStore& store, VexoSnd& sound, const std::string& installPath);
