#include "LoadingTest.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "OpenDialog.h"
#include "settings/SettingsKeys.h"

using Write = std::pair<std::string, std::string>;
using Writes = std::vector<Write>;

namespace {

// What a control shows, as text: check boxes "0"/"1", sliders their
// position, the option buttons the selected corner, the rest their text.
QString Shown(OpenDialog& open, const QString& control) {
    if (auto* check = open.dialog.findChild<QCheckBox*>(control)) {
        return check->isChecked() ? "1" : "0";
    }
    if (auto* slider = open.dialog.findChild<QSlider*>(control)) {
        return QString::number(slider->value());
    }
    if (auto* combo = open.dialog.findChild<QComboBox*>(control)) {
        return combo->currentText();
    }
    if (control == "optCal") {
        QString selected;
        for (int i = 0; i < 4; ++i) {
            if (open.Find<QRadioButton>(QString("optCal(%1)").arg(i))->isChecked()) {
                selected += QString::number(i);
            }
        }
        return selected;
    }
    return open.Find<QLineEdit>(control)->text();
}

}  // namespace

void LoadingTest::factoryStoreIsShownAndLeftAlone() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);

    QVERIFY(store.writes.empty());
    QCOMPARE(Shown(open, "hsbMouseS"), "10");
    QCOMPARE(Shown(open, "txtMouseS"), "10");
    QCOMPARE(Shown(open, "hsbRotate"), "60");
    QCOMPARE(Shown(open, "txtRotate"), "60");
    QCOMPARE(Shown(open, "chkShowMessage"), "0");
    QCOMPARE(Shown(open, "txtMessage"), "Have a Merry Christmas!");
    QCOMPARE(Shown(open, "txtFontSizeMsg"), "24");
    QCOMPARE(Shown(open, "chkXmasText"), "1");
    QCOMPARE(Shown(open, "chkCalendar"), "0");
    QCOMPARE(Shown(open, "optCal"), "0");
    QCOMPARE(Shown(open, "cboSoundOff"), "Never");
    QCOMPARE(Shown(open, "chkPowerSave"), "0");
    for (int i = 0; i < SongCount; ++i) {
        QCOMPARE(Shown(open, QString("ChkMidi(%1)").arg(i)), "1");
    }
    QVERIFY(open.Find<QCheckBox>("chkMove")->isEnabled());
    QVERIFY(!open.Find<QCheckBox>("chkCD")->isChecked());
}

void LoadingTest::emptyStoreGetsFactoryValuesFirst() {
    FakeSettingsStore store;
    OpenDialog open(store);

    Writes factory;
    for (const SettingsKey& entry : FactorySettings()) {
        factory.push_back({entry.key, entry.factory});
    }
    QCOMPARE(store.writes, factory);
    QCOMPARE(Shown(open, "hsbMouseS"), "10");
}

void LoadingTest::missingKeyIsWrittenAsShown_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("written");  // empty: nothing written

    QTest::newRow("ShowMsg") << "Settings"
                             << "ShowMsg"
                             << "chkShowMessage"
                             << "1"
                             << "1";
    QTest::newRow("Border") << "Settings"
                            << "Border"
                            << "chkBorder"
                            << "1"
                            << "1";
    QTest::newRow("Calendar") << "Settings"
                              << "Calendar"
                              << "chkCalendar"
                              << "1"
                              << "1";
    QTest::newRow("CalPos") << "Settings"
                            << "CalPos"
                            << "optCal"
                            << "1"
                            << "1";
    QTest::newRow("Message") << "Settings"
                             << "Message"
                             << "txtMessage"
                             << "1"
                             << "1";
    QTest::newRow("FontSize") << "Settings"
                              << "FontSize"
                              << "txtFontSizeMsg"
                              << "1"
                              << "1";
    // Fallbacks that the control cannot take: the nearest end of the slider,
    // the factory value for an empty fallback.
    QTest::newRow("MouseSen") << "Settings"
                              << "MouseSen"
                              << "hsbMouseS"
                              << "2"
                              << "2";
    QTest::newRow("Rotate") << "Settings"
                            << "Rotate"
                            << "hsbRotate"
                            << "30"
                            << "30";
    QTest::newRow("Layer2") << "Settings"
                            << "Layer2"
                            << "chkLayer(1)"
                            << "1"
                            << "1";
    QTest::newRow("PwrSave") << "Settings"
                             << "PwrSave"
                             << "chkPowerSave"
                             << "0"
                             << "0";
    QTest::newRow("Music5") << "Music"
                            << "Music5"
                            << "ChkMidi(4)"
                            << "1"
                            << "1";
    // The sound-off box has no loading handler; the saver reads "1" too.
    QTest::newRow("SoundOff") << "Settings"
                              << "SoundOff"
                              << "cboSoundOff"
                              << "1"
                              << "";
}

void LoadingTest::missingKeyIsWrittenAsShown() {
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    QFETCH(QString, written);
    FakeSettingsStore store = FactoryStore();
    store.values.erase({section.toStdString(), key.toStdString()});

    OpenDialog open(store);

    QCOMPARE(Shown(open, control), shown);
    const Writes expected =
        written.isEmpty() ? Writes{} : Writes{{key.toStdString(), written.toStdString()}};
    QCOMPARE(store.writes, expected);
}

void LoadingTest::unshowableValuesAreMendedOnScreenOnly_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("shown");

    QTest::newRow("slider above range") << "MouseSen"
                                        << "50"
                                        << "hsbMouseS"
                                        << "20";
    QTest::newRow("slider below range") << "Rotate"
                                        << "-7"
                                        << "hsbRotate"
                                        << "30";
    QTest::newRow("slider fraction") << "Rotate"
                                     << "90.4"
                                     << "hsbRotate"
                                     << "90";
    QTest::newRow("slider no number") << "Rotate"
                                      << "soon"
                                      << "hsbRotate"
                                      << "60";
    QTest::newRow("slider number too big") << "MouseSen"
                                           << "99999"
                                           << "hsbMouseS"
                                           << "10";
    QTest::newRow("check two") << "ShowXmas"
                               << "2"
                               << "chkXmasText"
                               << "0";
    QTest::newRow("check minus one") << "Border"
                                     << "-1"
                                     << "chkBorder"
                                     << "0";
    QTest::newRow("check written as 1.0") << "Border"
                                          << "1.0"
                                          << "chkBorder"
                                          << "1";
    QTest::newRow("check no number, factory on") << "CountDown"
                                                 << "yes"
                                                 << "chkCountDown"
                                                 << "1";
    QTest::newRow("check no number, factory off") << "Calendar"
                                                  << "yes"
                                                  << "chkCalendar"
                                                  << "0";
    QTest::newRow("check empty") << "Layer3"
                                 << ""
                                 << "chkLayer(2)"
                                 << "1";
    QTest::newRow("corner too high") << "CalPos"
                                     << "7"
                                     << "optCal"
                                     << "3";
    QTest::newRow("corner negative") << "CalPos"
                                     << "-2"
                                     << "optCal"
                                     << "0";
    QTest::newRow("corner no number") << "CalPos"
                                      << "left"
                                      << "optCal"
                                      << "0";
    QTest::newRow("corner bottom right") << "CalPos"
                                         << "3"
                                         << "optCal"
                                         << "3";
    QTest::newRow("sound-off zero") << "SoundOff"
                                    << "0.0"
                                    << "cboSoundOff"
                                    << "Never";
    QTest::newRow("sound-off listed") << "SoundOff"
                                      << "45"
                                      << "cboSoundOff"
                                      << "45";
    QTest::newRow("sound-off unlisted") << "SoundOff"
                                        << "7"
                                        << "cboSoundOff"
                                        << "7";
    QTest::newRow("sound-off no number") << "SoundOff"
                                         << "Never"
                                         << "cboSoundOff"
                                         << "Never";
    QTest::newRow("sound-off text") << "SoundOff"
                                    << "later"
                                    << "cboSoundOff"
                                    << "later";
    QTest::newRow("font size text") << "FontSize"
                                    << "big"
                                    << "txtFontSizeMsg"
                                    << "big";
    QTest::newRow("font size empty") << "FontSize"
                                     << ""
                                     << "txtFontSizeMsg"
                                     << "";
    QTest::newRow("message empty") << "Message"
                                   << ""
                                   << "txtMessage"
                                   << "";
}

void LoadingTest::unshowableValuesAreMendedOnScreenOnly() {
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, control);
    QFETCH(QString, shown);
    FakeSettingsStore store = FactoryStore();
    store.Set(key.toStdString(), stored.toStdString());

    OpenDialog open(store);

    QCOMPARE(Shown(open, control), shown);
    QVERIFY(store.writes.empty());
    QCOMPARE(QString::fromStdString(store.Get(key.toStdString())), stored);
}

void LoadingTest::numberBoxesShowSlidersAtTheirMinimum() {
    FakeSettingsStore store = FactoryStore();
    store.Set("Rotate", "30");
    store.Set("MouseSen", "2");
    OpenDialog open(store);

    QCOMPARE(Shown(open, "txtRotate"), "30");
    QCOMPARE(Shown(open, "txtMouseS"), "2");
    QVERIFY(store.writes.empty());
}

void LoadingTest::windowLayout() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);

    QCOMPARE(open.dialog.windowTitle(), "Glintfall by Tavrin");
    QCOMPARE(open.dialog.size(), QSize(620, 465));
    auto* tabs = open.Find<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), "Settings");
    QCOMPARE(tabs->tabText(1), "Music");
    QCOMPARE(tabs->tabText(2), "CD-ROM Offer");
    QCOMPARE(tabs->currentIndex(), 1);
    QCOMPARE(open.Find<QCheckBox>("ChkMidi(0)")->text(), "Good King Wencesles");
    QCOMPARE(open.Find<QCheckBox>("ChkMidi(35)")->text(), "I'll be Home for Christmas");
    auto* soundOff = open.Find<QComboBox>("cboSoundOff");
    QVERIFY(soundOff->isEditable());
    QCOMPARE(soundOff->count(), 20);
    QCOMPARE(soundOff->itemText(19), "480");
}
