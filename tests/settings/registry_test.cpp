#include <gtest/gtest.h>

#include <set>

#include "fakes/FakeSettingsStore.h"
#include "settings/Registry.h"
#include "settings/SettingsKeys.h"

namespace {

std::string Song(FakeSettingsStore& store, int n) {
    return store.GetSetting("Music", "Music" + std::to_string(n), "<missing>");
}

}  // namespace

TEST(Registry, FactoryValuesAreWrittenSongsFirstThenOptionsInOrder) {
    FakeSettingsStore store;
    SetRegistry(store);

    ASSERT_EQ(store.writes.size(), 36u + 22u);
    for (int n = 1; n <= 36; ++n) {
        EXPECT_EQ(store.writes[n - 1],
                  std::make_pair("Music" + std::to_string(n), std::string("1")));
    }
    const std::vector<std::pair<std::string, std::string>> options{
        {"BG0", "1"},       {"BG1", "1"},
        {"BG2", "1"},       {"BG3", "1"},
        {"BG4", "1"},       {"Border", "1"},
        {"Calendar", "0"},  {"CalPos", "0"},
        {"CountDown", "1"}, {"FontSize", "24"},
        {"Layer1", "1"},    {"Layer2", "1"},
        {"Layer3", "1"},    {"Message", "Have a Merry Christmas!"},
        {"MouseSen", "10"}, {"MoveText", "1"},
        {"PwrSave", "0"},   {"Rotate", "60"},
        {"SetReg", "2"},    {"ShowMsg", "0"},
        {"ShowXmas", "1"},  {"SoundOff", "0"}};
    EXPECT_EQ(std::vector(store.writes.begin() + 36, store.writes.end()), options);
    EXPECT_FALSE(NeedsFactorySettings(store));
}

TEST(Registry, FactoryStoreReadsBackAsTheFactoryRecord) {
    FakeSettingsStore store;
    SetRegistry(store);
    const SettingsRecord loaded = GetRegistry(store);
    const SettingsRecord& r = loaded;

    EXPECT_FALSE(loaded.NoSongChecked());
    EXPECT_EQ(r.MouseSensitivity, 10);
    EXPECT_EQ(r.ShowGreeting, 1);
    EXPECT_EQ(r.ShowMessage, 0);
    EXPECT_EQ(r.MessageFontSize, 24);
    EXPECT_EQ(r.MessageText, "Have a Merry Christmas!");
    EXPECT_EQ(r.SoundOffSetting, "0");
    EXPECT_EQ(r.ShowCalendar, 0);
    EXPECT_EQ(r.CalendarPosition, 0);
    EXPECT_EQ(r.MoveGreeting, 1);
    EXPECT_EQ(r.RotateSeconds, 60);
    EXPECT_EQ(r.ShowBorder, 1);
    EXPECT_EQ(r.ShowCountDown, 1);
    EXPECT_EQ(r.PowerSave, 0);
    for (int16_t flag : r.SongChecked)
        EXPECT_EQ(flag, 1);
    for (int16_t flag : r.BackgroundChecked)
        EXPECT_EQ(flag, 1);
    for (int16_t flag : r.LayerOn)
        EXPECT_EQ(flag, 1);
}

TEST(Registry, MissingKeysTakeTheSaversFallbacks) {
    FakeSettingsStore store;
    store.Set("SetReg", "2");
    const SettingsRecord loaded = GetRegistry(store);
    const SettingsRecord& r = loaded;

    EXPECT_EQ(r.MouseSensitivity, 1);
    EXPECT_EQ(r.ShowMessage, 1);
    EXPECT_EQ(r.ShowBorder, 0) << "a store without Border draws no border";
    EXPECT_EQ(r.MessageText, "1");
    EXPECT_EQ(r.SoundOffSetting, "1");
    EXPECT_EQ(r.CalendarPosition, 1);
    EXPECT_EQ(r.PowerSave, 1);
    EXPECT_FALSE(loaded.NoSongChecked()) << "a missing song flag counts as checked";
    // The layers' fallback is an empty text, which is no number: the factory
    // value keeps the snow falling.
    for (int16_t flag : r.LayerOn)
        EXPECT_EQ(flag, 1);
}

TEST(Registry, HandEditedValuesThatAreNoNumberTakeTheFactoryValue) {
    FakeSettingsStore store;
    SetRegistry(store);
    store.Set("MouseSen", "lots");
    store.Set("FontSize", "");
    store.Set("Rotate", "99999");
    store.Set("CalPos", "2.5");
    store.Set("Border", "0");
    store.values[{"Music", "Music4"}] = "yes";
    const SettingsRecord r = GetRegistry(store);

    EXPECT_EQ(r.MouseSensitivity, 10);
    EXPECT_EQ(r.MessageFontSize, 24);
    EXPECT_EQ(r.RotateSeconds, 60);
    EXPECT_EQ(r.CalendarPosition, 2) << "2.5 rounds to the even neighbour";
    EXPECT_EQ(r.ShowBorder, 0);
    EXPECT_EQ(r.SongChecked[3], 1);
    // Nothing but the marker is written while reading.
    EXPECT_EQ(store.Get("MouseSen"), "lots");
    EXPECT_EQ(store.Get("FontSize"), "");
}

TEST(Registry, NoSongCheckedOnlyWhenEveryFlagIsOff) {
    FakeSettingsStore store;
    SetRegistry(store);
    for (int n = 1; n <= 36; ++n)
        store.values[{"Music", "Music" + std::to_string(n)}] = "0";
    EXPECT_TRUE(GetRegistry(store).NoSongChecked());

    store.values[{"Music", "Music36"}] = "1";
    const SettingsRecord loaded = GetRegistry(store);
    EXPECT_FALSE(loaded.NoSongChecked());
    EXPECT_EQ(loaded.SongChecked[35], 1);
    EXPECT_EQ(loaded.SongChecked[0], 0);
    EXPECT_EQ(Song(store, 1), "0");
}

TEST(Registry, ReadingMarksTheStoreAsSetUp) {
    FakeSettingsStore store;
    EXPECT_TRUE(NeedsFactorySettings(store));
    store.Set("SetReg", "1");
    EXPECT_TRUE(NeedsFactorySettings(store));
    store.Set("SetReg", "junk");
    EXPECT_TRUE(NeedsFactorySettings(store));

    GetRegistry(store);
    EXPECT_EQ(store.writes.back(), std::make_pair(std::string("SetReg"), std::string("2")));
    EXPECT_FALSE(NeedsFactorySettings(store));
}

TEST(Registry, KeyTableNamesEveryKeyOnceWithItsFallbacks) {
    std::set<std::pair<std::string, std::string>> seen;
    for (const SettingsKey& entry : FactorySettings()) {
        EXPECT_TRUE(seen.insert({entry.section, entry.key}).second) << entry.key;
    }
    EXPECT_EQ(FindSettingsKey("Settings", "Border").saverFallback, "0");
    EXPECT_EQ(FindSettingsKey("Settings", "Border").dialogFallback, "1");
    EXPECT_EQ(FindSettingsKey("Settings", "PwrSave").dialogFallback, "");
    EXPECT_EQ(FindSettingsKey("Music", "Music17").dialogFallback, "");
    EXPECT_THROW(FindSettingsKey("Settings", "Nonsense"), std::out_of_range);
}
