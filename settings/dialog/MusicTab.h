#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "music/VexoSnd.h"
#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/dialog/DialogLoader.h"

class QCheckBox;
class QComboBox;
class QPushButton;

// The "Music" tab: the sound-off choice and the 36 songs, each with a button
// that test-plays it through the dialog's own sound control.
class MusicTab : public QWidget {
public:
    MusicTab(SettingsStore& store, VexoSnd& sound, std::string installPath,
             QWidget* parent = nullptr);

    // Shows the stored sound-off time and song flags without writing them;
    // what a missing key needs written, the loader writes.
    void Load(DialogLoader& loader);

    // The keyboard help button, whose command the dialog owns.
    QPushButton* KeyboardButton() const { return cmdKeyboard_; }

private:
    QWidget* TopRow();
    QWidget* SongColumn(int first);
    void ChooseSoundOff(int index);
    void TestPlay(int song);
    void EnableSongs(bool enable);

    SettingsStore& store_;
    VexoSnd& sound_;
    std::string installPath_;
    bool loading_ = false;

    QComboBox* cboSoundOff_ = nullptr;
    QCheckBox* chkCD_ = nullptr;
    QPushButton* cmdKeyboard_ = nullptr;
    std::array<QPushButton*, SongCount> cmdTestMusic_{};
    std::array<QCheckBox*, SongCount> chkMidi_{};
};
