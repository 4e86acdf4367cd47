#include "TestPlayTest.h"

#include <QPushButton>
#include <QTest>

#include "OpenDialog.h"

using Log = std::vector<std::string>;

namespace {

QPushButton* TestButton(OpenDialog& open, int index) {
    return open.Find<QPushButton>(QString("cmdTestMusic(%1)").arg(index));
}

}  // namespace

void TestPlayTest::buttonCyclesAndStopsFirst() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    Log log;
    open.sound.log = &log;
    QPushButton* button = TestButton(open, 6);
    QCOMPARE(button->text(), "T&est");

    button->click();
    QCOMPARE(button->text(), "Stop");
    QCOMPARE(log, (Log{"StopPlaying", "PlayFile"}));
    QCOMPARE(open.sound.played, (Log{TestInstallPath + "Music/midi7.mid"}));
    QVERIFY(open.sound.playing);

    button->click();
    QCOMPARE(button->text(), "T&est");
    QCOMPARE(log, (Log{"StopPlaying", "PlayFile", "StopPlaying", "StopPlaying"}));
    QVERIFY(!open.sound.playing);
    QVERIFY(store.writes.empty());
}

void TestPlayTest::secondSongLeavesTheFirstButtonReadingStop() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);

    TestButton(open, 0)->click();
    TestButton(open, 35)->click();
    QCOMPARE(open.sound.played,
             (Log{TestInstallPath + "Music/midi1.mid", TestInstallPath + "Music/midi36.mid"}));
    QCOMPARE(open.sound.stops, 2);
    QCOMPARE(TestButton(open, 0)->text(), "Stop");

    // The first button's song was already stopped; its next click stops
    // what plays now and gives the button back its caption.
    TestButton(open, 0)->click();
    QCOMPARE(TestButton(open, 0)->text(), "T&est");
    QCOMPARE(TestButton(open, 35)->text(), "Stop");
    QVERIFY(!open.sound.playing);
    QCOMPARE(open.sound.played.size(), size_t{2});
}

void TestPlayTest::closingSilencesTheSong() {
    FakeSettingsStore store = FactoryStore();
    OpenDialog open(store);
    TestButton(open, 2)->click();

    open.dialog.show();
    open.dialog.close();

    QVERIFY(!open.sound.playing);
}
