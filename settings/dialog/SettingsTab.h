#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "settings/SettingsKeys.h"
#include "settings/SettingsStore.h"
#include "settings/dialog/DialogLoader.h"

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;

// The "Settings" tab: message, mouse sensitivity, greeting, border,
// countdown, calendar, backgrounds, snow layers and power saving. Every
// control writes its key the moment it changes.
class SettingsTab : public QWidget {
public:
    SettingsTab(SettingsStore& store, QWidget* parent = nullptr);

    // Shows the stored settings. Loading runs no write of its own; what a
    // missing key needs written, the loader writes.
    void Load(DialogLoader& loader);

    // The background help button, whose command the dialog owns.
    QPushButton* HelpButton() const { return cmdHelpPic_; }

private:
    QGroupBox* MessageFrame();
    QGroupBox* MouseFrame();
    QGroupBox* GreetingFrame();
    QWidget* BorderAndCountDown();
    QGroupBox* CalendarFrame();
    QGroupBox* BackgroundFrame();
    QGroupBox* LayersFrame();
    QCheckBox* PowerSave();

    QCheckBox* Check(const QString& name, const QString& caption, const std::string& key);
    QSlider* Slider(const QString& name, int minimum, int maximum, QLineEdit* numberBox,
                    const std::string& key);
    QLineEdit* TextBox(const QString& name, const std::string& key);
    void Save(const std::string& key, const std::string& value);

    SettingsStore& store_;
    bool loading_ = false;

    QCheckBox* chkShowMessage_ = nullptr;
    QLineEdit* txtMessage_ = nullptr;
    QLineEdit* txtFontSizeMsg_ = nullptr;
    QSlider* hsbMouseS_ = nullptr;
    QLineEdit* txtMouseS_ = nullptr;
    QCheckBox* chkXmasText_ = nullptr;
    QCheckBox* chkMove_ = nullptr;
    QCheckBox* chkBorder_ = nullptr;
    QCheckBox* chkCountDown_ = nullptr;
    QCheckBox* chkCalendar_ = nullptr;
    std::array<QRadioButton*, 4> optCal_{};
    std::array<QCheckBox*, BackgroundCount> chkBG_{};
    QPushButton* cmdHelpPic_ = nullptr;
    QSlider* hsbRotate_ = nullptr;
    QLineEdit* txtRotate_ = nullptr;
    std::array<QCheckBox*, LayerCount> chkLayer_{};
    QCheckBox* chkPowerSave_ = nullptr;
};
