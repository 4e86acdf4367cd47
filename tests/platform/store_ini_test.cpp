#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/IniSettingsStore.h"
#include "settings/Registry.h"

namespace {

// Qt reads XDG_CONFIG_HOME once per process, so main() points it at a
// temporary folder and every test starts from an empty one there.
class IniStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = qEnvironmentVariable("XDG_CONFIG_HOME");
        QDir(dir_ + "/Glintfall").removeRecursively();
        file_ = dir_.toStdString() + "/Glintfall/Glintfall.ini";
    }

    void WriteFile(const std::string& text) {
        QDir().mkpath(dir_ + "/Glintfall");
        std::ofstream(file_) << text;
    }

    std::string ReadFile() {
        std::ifstream in(file_);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    QString dir_;
    std::string file_;
};

}  // namespace

TEST_F(IniStoreTest, WritesSectionsAndKeysAsTexts) {
    IniSettingsStore store;
    store.SaveSetting("Settings", "Message", "Ho, ho, \"ho\" \\ 100%");
    store.SaveSetting("Settings", "FontSize", "");
    store.SaveSetting("Music", "Music7", "0");

    EXPECT_EQ(store.FileName().toStdString(), file_);
    IniSettingsStore again;
    EXPECT_EQ(again.GetSetting("Settings", "Message"), "Ho, ho, \"ho\" \\ 100%");
    EXPECT_EQ(again.GetSetting("Settings", "FontSize"), "");
    EXPECT_EQ(again.GetSetting("Music", "Music7"), "0");
    EXPECT_EQ(again.GetSetting("Music", "Music8"), std::nullopt);

    const std::string text = ReadFile();
    EXPECT_NE(text.find("[Music]\nMusic7=0\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[Settings]"), std::string::npos) << text;
}

TEST_F(IniStoreTest, ReadsHandEditedValuesAsThePersonTypedThem) {
    WriteFile("[Settings]\nMessage=Peace, joy\nMouseSen= 7 \nRotate=@Junk(1)\n");
    IniSettingsStore store;
    EXPECT_EQ(store.GetSetting("Settings", "Message"), "Peace, joy");
    const SettingsRecord loaded = GetRegistry(store);
    EXPECT_EQ(loaded.MouseSensitivity, 7);
    EXPECT_EQ(loaded.RotateSeconds, 60) << "no number: the factory value";
}

TEST_F(IniStoreTest, CorruptFileNeverStopsTheSaver) {
    WriteFile(std::string("\xff\xfe[Settings\nMouseSen=3\n=\n\0\0[Music]\nMusic1\n[\n", 40));
    IniSettingsStore store;
    testing::internal::CaptureStderr();
    if (NeedsFactorySettings(store)) {
        SetRegistry(store);
    }
    const SettingsRecord loaded = GetRegistry(store);
    testing::internal::GetCapturedStderr();
    EXPECT_GE(loaded.MouseSensitivity, 1);
    EXPECT_FALSE(ReadFile().empty());
}

TEST_F(IniStoreTest, TwoProcessesWritingDifferentKeysLoseNothing) {
    IniSettingsStore dialog;
    IniSettingsStore saver;
    SetRegistry(saver);
    dialog.SaveSetting("Settings", "MouseSen", "15");
    saver.SaveSetting("Settings", "SetReg", "2");
    saver.SaveSetting("Settings", "Border", "0");
    dialog.SaveSetting("Music", "Music3", "0");

    IniSettingsStore reader;
    EXPECT_EQ(reader.GetSetting("Settings", "MouseSen"), "15");
    EXPECT_EQ(reader.GetSetting("Settings", "Border"), "0");
    EXPECT_EQ(reader.GetSetting("Music", "Music3"), "0");
    EXPECT_EQ(reader.GetSetting("Music", "Music4"), "1");
}

TEST_F(IniStoreTest, UnwritableStoreIsNamedOnceAndTheSaverGoesOn) {
    // A plain file where the settings folder should be: no one, root
    // included, can create the store there.
    QDir(dir_ + "/Glintfall").removeRecursively();
    std::ofstream(dir_.toStdString() + "/Glintfall") << "in the way";

    IniSettingsStore store;
    testing::internal::CaptureStderr();
    SetRegistry(store);
    const SettingsRecord loaded = GetRegistry(store);
    const std::string errors = testing::internal::GetCapturedStderr();

    EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
    EXPECT_NE(errors.find("Glintfall.ini"), std::string::npos) << errors;
    EXPECT_EQ(loaded.MouseSensitivity, 10) << "the values written still read back";
    QFile::remove(dir_ + "/Glintfall");
}

int main(int argc, char** argv) {
    QTemporaryDir config;
    setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
