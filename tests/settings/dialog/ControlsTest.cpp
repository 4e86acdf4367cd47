#include "ControlsTest.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include "OpenDialog.h"
#include "settings/SettingsKeys.h"

using Writes = std::vector<std::pair<std::string, std::string>>;

void ControlsTest::checkBoxWritesItsKey_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");

    QTest::newRow("greeting") << "chkXmasText"
                              << "Settings"
                              << "ShowXmas";
    QTest::newRow("moving") << "chkMove"
                            << "Settings"
                            << "MoveText";
    QTest::newRow("message") << "chkShowMessage"
                             << "Settings"
                             << "ShowMsg";
    QTest::newRow("border") << "chkBorder"
                            << "Settings"
                            << "Border";
    QTest::newRow("countdown") << "chkCountDown"
                               << "Settings"
                               << "CountDown";
    QTest::newRow("calendar") << "chkCalendar"
                              << "Settings"
                              << "Calendar";
    QTest::newRow("power") << "chkPowerSave"
                           << "Settings"
                           << "PwrSave";
    QTest::newRow("first background") << "chkBG(0)"
                                      << "Settings"
                                      << "BG0";
    QTest::newRow("gradient") << "chkBG(4)"
                              << "Settings"
                              << "BG4";
    QTest::newRow("front layer") << "chkLayer(0)"
                                 << "Settings"
                                 << "Layer1";
    QTest::newRow("back layer") << "chkLayer(2)"
                                << "Settings"
                                << "Layer3";
    QTest::newRow("first song") << "ChkMidi(0)"
                                << "Music"
                                << "Music1";
    QTest::newRow("song 12") << "ChkMidi(11)"
                             << "Music"
                             << "Music12";
    QTest::newRow("last song") << "ChkMidi(35)"
                               << "Music"
                               << "Music36";
}

void ControlsTest::checkBoxWritesItsKey() {
    QFETCH(QString, control);
    QFETCH(QString, section);
    QFETCH(QString, key);
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* box = open.Find<QCheckBox>(control);
    const bool before = box->isChecked();

    box->click();
    box->click();

    const std::string first = before ? "0" : "1";
    const std::string second = before ? "1" : "0";
    QCOMPARE(store.writes, (Writes{{key.toStdString(), first}, {key.toStdString(), second}}));
    QCOMPARE(store.GetSetting(section.toStdString(), key.toStdString(), "<missing>"), second);
}

void ControlsTest::checkBoxFollowsMouseAndKeyboard() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* border = open.Find<QCheckBox>("chkBorder");
    QStyleOptionButton option;
    option.initFrom(border);
    const QRect clickArea =
        border->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, border);

    QTest::mouseClick(border, Qt::LeftButton, {}, clickArea.center());
    QCOMPARE(store.Get("Border"), "0");
    QTest::keyClick(border, Qt::Key_Space);
    QCOMPARE(store.Get("Border"), "1");
}

void ControlsTest::calendarCornerWritesItsNumber() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);

    open.Find<QRadioButton>("optCal(1)")->click();
    QCOMPARE(store.writes, (Writes{{"CalPos", "1"}}));
    open.Find<QRadioButton>("optCal(3)")->click();
    QCOMPARE(store.Get("CalPos"), "3");
    QVERIFY(!open.Find<QRadioButton>("optCal(1)")->isChecked());
}

void ControlsTest::slidersWriteAndFillTheirBoxes() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* rotate = open.Find<QSlider>("hsbRotate");
    auto* mouse = open.Find<QSlider>("hsbMouseS");

    QTest::keyClick(rotate, Qt::Key_End);
    QCOMPARE(store.Get("Rotate"), "300");
    QCOMPARE(open.Find<QLineEdit>("txtRotate")->text(), "300");

    QTest::keyClick(mouse, Qt::Key_Home);
    QTest::keyClick(mouse, Qt::Key_Right);
    QCOMPARE(store.writes, (Writes{{"Rotate", "300"}, {"MouseSen", "2"}, {"MouseSen", "3"}}));
    QCOMPARE(open.Find<QLineEdit>("txtMouseS")->text(), "3");

    // Dragging the thumb writes every position it passes.
    mouse->setSliderDown(true);
    mouse->setSliderPosition(7);
    QCOMPARE(store.Get("MouseSen"), "7");
    mouse->setSliderDown(false);
}

void ControlsTest::textBoxesWriteExactlyWhatIsTyped() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* message = open.Find<QLineEdit>("txtMessage");
    auto* fontSize = open.Find<QLineEdit>("txtFontSizeMsg");

    message->selectAll();
    QTest::keyClicks(message, " Joy, \"peace\" ");
    QCOMPARE(store.Get("Message"), " Joy, \"peace\" ");

    fontSize->selectAll();
    QTest::keyClick(fontSize, Qt::Key_Delete);
    QCOMPARE(store.Get("FontSize"), "");
    QTest::keyClicks(fontSize, "3x");
    QCOMPARE(store.Get("FontSize"), "3x");
    QCOMPARE(store.writes.back(), std::make_pair(std::string("FontSize"), std::string("3x")));
}

void ControlsTest::soundOffWritesOnlyAChoiceFromTheList() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* soundOff = open.Find<QComboBox>("cboSoundOff");
    open.dialog.show();
    const auto choose = [soundOff](const QString& text) {
        soundOff->showPopup();
        QAbstractItemView* list = soundOff->view();
        const QModelIndex item = soundOff->model()->index(soundOff->findText(text), 0);
        list->scrollTo(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
    };

    choose("45");
    QCOMPARE(store.writes, (Writes{{"SoundOff", "45"}}));
    QCOMPARE(soundOff->currentText(), "45");
    choose("Never");
    QCOMPARE(store.Get("SoundOff"), "0");

    soundOff->lineEdit()->selectAll();
    QTest::keyClicks(soundOff->lineEdit(), "7");
    QCOMPARE(soundOff->currentText(), "7");
    QTest::keyClick(soundOff->lineEdit(), Qt::Key_Return);
    QCOMPARE(store.writes.size(), size_t{2});
    QVERIFY(open.dialog.isVisible());
    QCOMPARE(soundOff->count(), 20);
}

void ControlsTest::greetingGreysOutMoving() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    auto* greeting = open.Find<QCheckBox>("chkXmasText");
    auto* moving = open.Find<QCheckBox>("chkMove");

    greeting->click();
    QVERIFY(!moving->isEnabled());
    QVERIFY(moving->isChecked());
    greeting->click();
    QVERIFY(moving->isEnabled());
    QCOMPARE(store.writes, (Writes{{"ShowXmas", "0"}, {"ShowXmas", "1"}}));
    QCOMPARE(store.Get("MoveText"), "1");

    // Opening with the greeting off shows moving greyed out from the start.
    store.Set("ShowXmas", "0");
    OpenDialog again(store);
    QVERIFY(!again.Find<QCheckBox>("chkMove")->isEnabled());
}

void ControlsTest::audioCdGreysOutSongsAndIsNotStored() {
    FakeSettingsStore store = FactoryStore();
    const auto songControlsEnabled = [](OpenDialog& open, bool enabled) {
        for (int i = 0; i < SongCount; ++i) {
            if (open.Find<QPushButton>(QString("cmdTestMusic(%1)").arg(i))->isEnabled() !=
                    enabled ||
                open.Find<QCheckBox>(QString("ChkMidi(%1)").arg(i))->isEnabled() != enabled) {
                return false;
            }
        }
        return true;
    };
    {
        OpenDialog open(store);
        auto* cd = open.Find<QCheckBox>("chkCD");
        cd->click();
        QVERIFY(songControlsEnabled(open, false));
        cd->click();
        QVERIFY(songControlsEnabled(open, true));
        cd->click();
    }
    QVERIFY(store.writes.empty());
    OpenDialog reopened(store);
    QVERIFY(!reopened.Find<QCheckBox>("chkCD")->isChecked());
    QVERIFY(songControlsEnabled(reopened, true));
}
