#pragma once

#include <string>

#include "saver/SaverHost.h"
#include "scene/DisplayInfo.h"
#include "scene/SceneState.h"
#include "scene/VexoDDrw.h"
#include "settings/SettingsRecord.h"

// Opens the drawing session in the display's colour depth and loads every
// picture that the settings ask for at its starting position.
class DrawingSession {
public:
    DrawingSession(VexoDDrw& draw, DisplayInfo& display, SaverHost& host);

    // Returns false when the session could not be opened at a known depth:
    // the user has been told and the program has been asked to end.
    bool OpenDirectDrawSession(const SettingsRecord& settings, SceneState& scene,
                               const std::string& installPath);

private:
    // The last two characters of the display mode that matches the current
    // size and depth, or "" when none does.
    std::string CurrentModeColourText();
    void LoadPictures(const SettingsRecord& settings, SceneState& scene,
                      const std::string& installPath);

    VexoDDrw& draw_;
    DisplayInfo& display_;
    SaverHost& host_;
};
