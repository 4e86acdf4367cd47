#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>
#include <QTemporaryDir>

#include "platform/QtDateTimeSource.h"
#include "platform/SingleInstanceLock.h"
#include "platform/X11DisplayInfo.h"

namespace {

TEST(QtDateTimeSourceTest, ClockTextShowsSecondsInTheLocalesFormat) {
    const LocalDateTime when{2024, 12, 24, 13, 5, 9};
    QtDateTimeSource us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_NE(us.TimeText(when).find("1:05:09"), std::string::npos) << us.TimeText(when);
    EXPECT_NE(us.TimeText(when).find("PM"), std::string::npos) << us.TimeText(when);
    QtDateTimeSource german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.TimeText(when), "13:05:09");
}

TEST(QtDateTimeSourceTest, NamesComeFromTheLocale) {
    const LocalDateTime when{2024, 12, 24, 0, 0, 0};
    QtDateTimeSource us(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.WeekdayName(when), "Tuesday");
    EXPECT_EQ(us.MonthAbbreviation(when), "Dec");
    QtDateTimeSource german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.WeekdayName(when), "Dienstag");
}

TEST(QtDateTimeSourceTest, KeptTextsFollowTheDayAndTheSecond) {
    QtDateTimeSource us(QLocale(QLocale::English, QLocale::UnitedStates));
    LocalDateTime when{2024, 12, 31, 23, 59, 59};
    EXPECT_EQ(us.WeekdayName(when), "Tuesday");
    EXPECT_EQ(us.MonthAbbreviation(when), "Dec");
    EXPECT_NE(us.TimeText(when).find("11:59:59"), std::string::npos) << us.TimeText(when);
    // The same time of day on another date, and the next second.
    when = {2025, 1, 7, 23, 59, 59};
    EXPECT_EQ(us.WeekdayName(when), "Tuesday");
    EXPECT_EQ(us.MonthAbbreviation(when), "Jan");
    EXPECT_NE(us.TimeText(when).find("11:59:59"), std::string::npos) << us.TimeText(when);
    when = {2025, 1, 8, 0, 0, 0};
    EXPECT_EQ(us.WeekdayName(when), "Wednesday");
    EXPECT_NE(us.TimeText(when).find("12:00:00"), std::string::npos) << us.TimeText(when);
}

TEST(QtDateTimeSourceTest, FormatGainsSecondsAfterTheMinutesAndLosesTheZone) {
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("h:mm AP"), "h:mm:ss AP");
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("HH:mm"), "HH:mm:ss");
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("H 'h' mm 'min'"), "H 'h' mm:ss 'min'");
    // Letters inside quotes are text, not fields.
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("HH.mm 'uts'"), "HH.mm:ss 'uts'");
    EXPECT_EQ(QtDateTimeSource::WithSecondsNoZone("AP"), "HH:mm:ss");
}

TEST(SingleInstanceLockTest, ExcludesASecondHolderUntilTheFirstIsGone) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("saver.lock").toStdString();
    {
        const SingleInstanceLock first(path);
        EXPECT_TRUE(first.Held());
        EXPECT_FALSE(first.HeldByAnother());
        const SingleInstanceLock second(path);
        EXPECT_FALSE(second.Held());
        EXPECT_TRUE(second.HeldByAnother());
    }
    const SingleInstanceLock third(path);
    EXPECT_TRUE(third.Held());
}

TEST(SingleInstanceLockTest, UnopenableFileIsNoOtherSaver) {
    const SingleInstanceLock lock("/nonexistent-folder/glintfall.lock");
    EXPECT_FALSE(lock.Held());
    EXPECT_FALSE(lock.HeldByAnother());
}

TEST(SingleInstanceLockTest, DefaultFileLivesInTheRuntimeFolderOnePerDisplay) {
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray savedDisplay = qgetenv("DISPLAY");
    qputenv("XDG_RUNTIME_DIR", "/run/user/4711");
    qputenv("DISPLAY", ":0");
    EXPECT_EQ(SingleInstanceLock::DefaultPath(), "/run/user/4711/glintfall-saver:0.lock");
    qputenv("DISPLAY", "/tmp/launch/org.x:1.5");
    EXPECT_EQ(SingleInstanceLock::DefaultPath(),
              "/run/user/4711/glintfall-saver_tmp_launch_org.x:1.5.lock");
    qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(SingleInstanceLock::DefaultPath().rfind("/tmp/glintfall-", 0), 0u);
    if (!saved.isNull()) {
        qputenv("XDG_RUNTIME_DIR", saved);
    }
    if (!savedDisplay.isNull()) {
        qputenv("DISPLAY", savedDisplay);
    } else {
        qunsetenv("DISPLAY");
    }
}

TEST(X11DisplayInfoTest, WithoutXTheQtScreenIsTheOneMode) {
    int argc = 1;
    char name[] = "startup_platform_tests";
    char* argv[] = {name, nullptr};
    const QGuiApplication app(argc, argv);
    X11DisplayInfo display(nullptr);
    DisplayMode mode;
    ASSERT_TRUE(display.EnumDisplaySettings(0, mode));
    EXPECT_GT(mode.width, 0);
    EXPECT_EQ(mode.width, display.ScreenWidth());
    EXPECT_EQ(mode.height, display.ScreenHeight());
    EXPECT_EQ(mode.bitsPerPixel, display.ColourDepth());
    EXPECT_FALSE(display.EnumDisplaySettings(1, mode));
    EXPECT_FALSE(display.EnumDisplaySettings(-1, mode));
}

}  // namespace
