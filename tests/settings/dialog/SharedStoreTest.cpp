#include "SharedStoreTest.h"

#include <QCheckBox>
#include <QFile>
#include <QRadioButton>
#include <QTest>

#include "OpenDialog.h"
#include "platform/IniSettingsStore.h"
#include "settings/Registry.h"

void SharedStoreTest::init() {
    // The test program points XDG_CONFIG_HOME at a directory of its own.
    QVERIFY(qEnvironmentVariableIsSet("XDG_CONFIG_HOME"));
    QFile::remove(IniSettingsStore().FileName());
}

void SharedStoreTest::dialogAndSaverLoseNoWrites() {
    IniSettingsStore dialogStore;
    OpenDialog open(dialogStore);
    QCOMPARE(dialogStore.GetSetting("Settings", "SetReg", ""), "2");

    open.Find<QCheckBox>("chkBorder")->click();
    // A saver starts while the dialog is open: it reads everything and marks
    // the store as set up.
    IniSettingsStore saverStore;
    const SettingsRecord loaded = GetRegistry(saverStore);
    QCOMPARE(loaded.ShowBorder, int16_t{0});
    saverStore.SaveSetting("Settings", "Extra", "from the saver");
    open.Find<QCheckBox>("ChkMidi(9)")->click();
    open.Find<QRadioButton>("optCal(2)")->click();

    IniSettingsStore reader;
    QCOMPARE(reader.GetSetting("Settings", "Border", ""), "0");
    QCOMPARE(reader.GetSetting("Music", "Music10", ""), "0");
    QCOMPARE(reader.GetSetting("Settings", "CalPos", ""), "2");
    QCOMPARE(reader.GetSetting("Settings", "Extra", ""), "from the saver");
    QCOMPARE(reader.GetSetting("Settings", "SetReg", ""), "2");
    QCOMPARE(reader.GetSetting("Settings", "Message", ""), "Have a Merry Christmas!");
}
