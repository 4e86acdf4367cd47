#pragma once

#include <QDialog>
#include <string>

#include "music/VexoSnd.h"
#include "settings/SettingsStore.h"
#include "settings/dialog/DialogCommands.h"

class MusicTab;
class SettingsTab;

// The configuration dialog. It shows the stored settings when it opens and
// writes every change of a control to the store at once; there is no Apply
// and no Cancel. OK and closing the window both end it (finished()).
class Setup : public QDialog {
public:
    // installPath is the install folder with its trailing "/"; the banner
    // and the test-played songs are files in it. openUrl hands the maker's
    // web address to the desktop.
    Setup(SettingsStore& store, VexoSnd& sound, std::string installPath, UrlOpener openUrl,
          QWidget* parent = nullptr);

    // Ends the dialog, silencing a song that is still being test-played.
    void done(int result) override;

private:
    QWidget* Banner(const std::string& installPath);
    QWidget* ButtonBar();
    void Load(SettingsStore& store);

    VexoSnd& sound_;
    DialogCommands commands_;
    SettingsTab* settingsTab_ = nullptr;
    MusicTab* musicTab_ = nullptr;
};
