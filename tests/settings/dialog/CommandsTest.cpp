#include "CommandsTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "MessageBoxAnswerer.h"
#include "OpenDialog.h"
#include "settings/SettingsKeys.h"

using Writes = std::vector<std::pair<std::string, std::string>>;

void CommandsTest::helpBoxesShowTheirTextsExactly_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");

    QTest::newRow("background help")
        << "cmdHelpPic"
        << "Help with Background Files\n\n"
           "-- Checking a background will display that background during the screensaver\n"
           "-- If none are checked then a black background will be displayed\n"
           "-- You can control the time it takes to switch backgrounds using the slider bar.";
    QTest::newRow("keyboard help") << "cmdKeyboard"
                                   << "KEYBOARD OPTIONS\n\n"
                                      "For music, Press one of these keys to:\n\n"
                                      "N - Next Song\n\n"
                                      "P - Previous Song\n\n"
                                      "Q - Stop all music\n\n"
                                      "S - Start all music\n\n\n";
    QTest::newRow("about") << "cmdAbout"
                           << "Glintfall v 1.3\n\n"
                              "Developed by Tavrin\n\n"
                              "Copyright (c) Tavrin Software. All rights reserved.\n\n"
                              "Our email address: support@tavrin.example\n"
                              "Our website address: www.tavrin.example\n\n"
                              "Tavrin Software\n"
                              "1 Example Street\n"
                              "Sampleton, ST 00000\n"
                              "Exampleland\n";
}

void CommandsTest::helpBoxesShowTheirTextsExactly() {
    QFETCH(QString, button);
    QFETCH(QString, text);
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    MessageBoxAnswerer answerer({QMessageBox::Ok});

    open.Find<QPushButton>(button)->click();

    QCOMPARE(answerer.seen.size(), size_t{1});
    QCOMPARE(answerer.seen[0].text, text);
    QCOMPARE(answerer.seen[0].title, "Glintfall");
    QCOMPARE(answerer.seen[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(answerer.seen[0].icon, QMessageBox::NoIcon);
    QVERIFY(store.writes.empty());
}

void CommandsTest::resetAnsweredNoWritesNothing() {
    FakeSettingsStore store = FactoryStore();
    store.Set("BG2", "0");
    OpenDialog open(store);
    MessageBoxAnswerer answerer({QMessageBox::No});

    open.Find<QPushButton>("cmdReset")->click();

    QCOMPARE(answerer.seen.size(), size_t{1});
    QCOMPARE(answerer.seen[0].title, "Reset Settings?");
    QCOMPARE(answerer.seen[0].text,
             "This will restore all settings back to factory default.\n\n"
             "Do you wish to proceed?");
    QCOMPARE(answerer.seen[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(store.writes.empty());
}

void CommandsTest::resetAnsweredYesWritesFactoryValuesOnly() {
    FakeSettingsStore store = FactoryStore();
    store.values.erase({"Settings", "SetReg"});
    store.values.erase({"Settings", "Border"});
    OpenDialog open(store);
    open.Find<QCheckBox>("ChkMidi(3)")->click();
    open.Find<QCheckBox>("chkBG(1)")->click();
    store.writes.clear();
    MessageBoxAnswerer answerer({QMessageBox::Yes, QMessageBox::Ok});

    open.Find<QPushButton>("cmdReset")->click();

    Writes factory;
    for (const SettingsKey& entry : FactorySettings()) {
        factory.push_back({entry.key, entry.factory});
    }
    QCOMPARE(store.writes, factory);
    QCOMPARE(answerer.seen.size(), size_t{2});
    QCOMPARE(answerer.seen[1].text, "Settings have been restored to Factory Default");
    QCOMPARE(answerer.seen[1].title, "Glintfall");
    // The open dialog goes on showing what it showed before the reset.
    QVERIFY(!open.Find<QCheckBox>("ChkMidi(3)")->isChecked());
    QVERIFY(!open.Find<QCheckBox>("chkBG(1)")->isChecked());
    OpenDialog reopened(store);
    QVERIFY(reopened.Find<QCheckBox>("ChkMidi(3)")->isChecked());
    QVERIFY(reopened.Find<QCheckBox>("chkBG(1)")->isChecked());
}

void CommandsTest::websiteOpensTheMakersSite() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    QSignalSpy finished(&open.dialog, &QDialog::finished);

    open.Find<QPushButton>("cmdWebsite")->click();

    QCOMPARE(open.openedUrls, std::vector<std::string>{"https://www.tavrin.example/"});
    QCOMPARE(finished.count(), 0);
    QVERIFY(store.writes.empty());
}

void CommandsTest::okAndClosingEndTheDialog() {
    FakeSettingsStore store = FactoryStore();
    {
        OpenDialog open(store);
        QSignalSpy finished(&open.dialog, &QDialog::finished);
        open.dialog.show();
        open.Find<QPushButton>("cmdOK")->click();
        QCOMPARE(finished.count(), 1);
        QVERIFY(!open.dialog.isVisible());
    }
    {
        OpenDialog open(store);
        QSignalSpy finished(&open.dialog, &QDialog::finished);
        open.dialog.show();
        open.dialog.close();
        QCOMPARE(finished.count(), 1);
    }
    QVERIFY(store.writes.empty());
}

void CommandsTest::acceleratorOpensAbout() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    open.dialog.show();
    QApplication::setActiveWindow(&open.dialog);
    QVERIFY(QTest::qWaitForWindowActive(&open.dialog));
    MessageBoxAnswerer answerer({QMessageBox::Ok});

    QTest::keyClick(&open.dialog, Qt::Key_A, Qt::AltModifier);

    // The accelerator animates the click, which lands a moment later.
    QTRY_COMPARE(answerer.seen.size(), size_t{1});
    QVERIFY(answerer.seen[0].text.startsWith("Glintfall v 1.3\n"));
}
