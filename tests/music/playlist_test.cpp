#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fakes/FakeDesktop.h"
#include "fakes/FakeTimers.h"
#include "music/Playlist.h"

namespace {

// The playlist with the two timers of the saver form; every tick is fired by
// hand, so one Tick() is one second (or 1.05 s) of the running saver.
struct PlaylistRig {
    PlaylistRig() {
        settings.SongChecked.fill(1);
        timerMidi.Start();
        timer2.Start();
    }

    // What the load sequence does once the settings are read.
    void Load() {
        if (settings.SoundOffSetting != "Never") {
            playlist.SoundOff();
        }
    }

    void CheckOnly(std::initializer_list<int> songs) {
        settings.SongChecked.fill(0);
        for (int song : songs)
            settings.SongChecked[song - 1] = 1;
    }

    // The song that was started last, by its number.
    int LastPlayed() const {
        if (sound.played.empty())
            return 0;
        const std::string& path = sound.played.back();
        const std::string prefix = "/opt/glintfall/Music/midi";
        EXPECT_EQ(path.rfind(prefix, 0), 0u) << path;
        return std::stoi(path.substr(prefix.size()));
    }

    // Lets the current song end and the watch notice it.
    int EndSongAndTick() {
        sound.playing = false;
        timerMidi.Fire();
        return LastPlayed();
    }

    FakeSound sound;
    SettingsRecord settings;
    FakeTimer timerMidi{1050, [this] { playlist.TimerMIDITick(); }};
    FakeTimer timer2{1000, [this] { playlist.Timer2Tick(); }};
    Playlist playlist{sound, settings, timerMidi, timer2, "/opt/glintfall/"};
};

std::vector<int> PlaySongs(PlaylistRig& rig, int count) {
    std::vector<int> songs;
    for (int i = 0; i < count; ++i)
        songs.push_back(rig.EndSongAndTick());
    return songs;
}

}  // namespace

TEST(PlaylistWatch, FactorySettingsPlayEverySongInOrderAndRoundAgain) {
    PlaylistRig rig;
    rig.Load();
    std::vector<int> expected;
    for (int song = 1; song <= 36; ++song)
        expected.push_back(song);
    expected.push_back(1);
    EXPECT_EQ(PlaySongs(rig, 37), expected);
    EXPECT_EQ(rig.sound.played[6], "/opt/glintfall/Music/midi7.mid");
    EXPECT_EQ(rig.sound.played[35], "/opt/glintfall/Music/midi36.mid");
}

TEST(PlaylistWatch, WaitsWhileASongPlays) {
    PlaylistRig rig;
    rig.Load();
    rig.timerMidi.Fire();
    for (int i = 0; i < 100; ++i)
        rig.timerMidi.Fire();
    EXPECT_EQ(rig.sound.played.size(), 1u);
    EXPECT_TRUE(rig.timerMidi.running);
}

TEST(PlaylistWatch, SkipsUncheckedSongsAndPreviousGoesBackOne) {
    PlaylistRig rig;
    rig.CheckOnly({3, 7});
    rig.Load();
    EXPECT_EQ(PlaySongs(rig, 4), (std::vector<int>{3, 7, 3, 7}));

    // P while 7 plays: the number goes to 5, the watch steps from 6 to the
    // next checked song, 7.
    rig.playlist.PreviousSong();
    EXPECT_EQ(rig.playlist.CurrentSong(), 5);
    EXPECT_FALSE(rig.sound.playing);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 7);
}

TEST(PlaylistWatch, SongsThatCannotPlayAreSteppedOverOncePerTick) {
    PlaylistRig rig;
    rig.CheckOnly({2, 5, 9});
    rig.Load();
    std::vector<int> songs;
    for (int i = 0; i < 4; ++i) {
        rig.timerMidi.Fire();
        rig.sound.playing = false;  // the file was missing
        songs.push_back(rig.LastPlayed());
    }
    EXPECT_EQ(songs, (std::vector<int>{2, 5, 9, 2}));
}

TEST(PlaylistWatch, NoSongCheckedPlaysNothingAndStopsTheWatch) {
    PlaylistRig rig;
    rig.CheckOnly({});
    rig.Load();
    rig.timerMidi.Fire();
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_FALSE(rig.timerMidi.running);

    // S starts the watch again, which stops at its next tick.
    rig.playlist.StartMusic();
    EXPECT_TRUE(rig.timerMidi.running);
    rig.timerMidi.Fire();
    EXPECT_FALSE(rig.timerMidi.running);
    EXPECT_TRUE(rig.sound.played.empty());
}

TEST(PlaylistWatch, FlagsOtherThanZeroAndOneCountAsUnchecked) {
    // A hand-edited store: no flag is 1. The search ends and nothing plays.
    PlaylistRig rig;
    rig.settings.SongChecked.fill(2);
    rig.timerMidi.Fire();
    EXPECT_TRUE(rig.sound.played.empty());
    EXPECT_FALSE(rig.timerMidi.running);

    PlaylistRig mixed;
    mixed.settings.SongChecked.fill(-1);
    mixed.settings.SongChecked[9] = 1;
    mixed.settings.SongChecked[20] = 2;
    mixed.Load();
    EXPECT_EQ(PlaySongs(mixed, 3), (std::vector<int>{10, 10, 10}));
}

TEST(PlaylistKeys, QuitThenStartResumesTheSameSong) {
    PlaylistRig rig;
    rig.Load();
    PlaySongs(rig, 5);
    rig.playlist.StopMusic();
    EXPECT_FALSE(rig.sound.playing);
    EXPECT_FALSE(rig.timerMidi.running);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.sound.played.size(), 5u);

    rig.playlist.StartMusic();
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 5);
    EXPECT_EQ(rig.sound.played.size(), 6u);
}

TEST(PlaylistKeys, StartWhilePlayingRepeatsTheSongOnceWhenItEnds) {
    PlaylistRig rig;
    rig.Load();
    PlaySongs(rig, 3);
    rig.playlist.StartMusic();
    EXPECT_TRUE(rig.sound.playing);
    EXPECT_EQ(PlaySongs(rig, 2), (std::vector<int>{3, 4}));
}

TEST(PlaylistKeys, NextStopsTheSongAndTheWatchMovesOn) {
    PlaylistRig rig;
    rig.Load();
    PlaySongs(rig, 2);
    rig.playlist.NextSong();
    EXPECT_FALSE(rig.sound.playing);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 3);
}

TEST(PlaylistKeys, PreviousOnTheFirstTwoSongsGoesToTheLast) {
    for (int start : {1, 2}) {
        PlaylistRig rig;
        rig.Load();
        PlaySongs(rig, start);
        rig.playlist.PreviousSong();
        rig.timerMidi.Fire();
        EXPECT_EQ(rig.LastPlayed(), 36) << start;
    }
    PlaylistRig rig;
    rig.Load();
    PlaySongs(rig, 5);
    rig.playlist.PreviousSong();
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 4);
}

TEST(PlaylistKeys, StartBeforeTheFirstSongAndManyTimesResumesFromTheFirst) {
    PlaylistRig rig;
    rig.CheckOnly({4, 30});
    rig.Load();
    rig.playlist.StartMusic();
    rig.playlist.StartMusic();
    EXPECT_EQ(rig.playlist.CurrentSong(), -2);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 4);

    // Held down for a very long time: the number stays in range and P and
    // the watch still find their way back into the list.
    for (int i = 0; i < 70000; ++i)
        rig.playlist.StartMusic();
    rig.playlist.PreviousSong();
    EXPECT_EQ(rig.playlist.CurrentSong(), 35);
    for (int i = 0; i < 70000; ++i)
        rig.playlist.StartMusic();
    EXPECT_EQ(rig.EndSongAndTick(), 4);
}

TEST(PlaylistKeys, PowerDownStopsTheMusicForGood) {
    PlaylistRig rig;
    rig.Load();
    PlaySongs(rig, 2);
    rig.playlist.StopForPowerDown();
    EXPECT_FALSE(rig.sound.playing);
    EXPECT_FALSE(rig.timerMidi.running);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.sound.played.size(), 2u);
}

TEST(PlaylistSoundOff, FiveMinutesStopTheMusicAndTheCountdownStaysOff) {
    PlaylistRig rig;
    rig.settings.SoundOffSetting = "5";
    rig.Load();
    EXPECT_EQ(rig.playlist.SoundOffSeconds(), 300);
    rig.timerMidi.Fire();
    for (int second = 1; second < 300; ++second)
        rig.timer2.Fire();
    EXPECT_TRUE(rig.sound.playing);
    EXPECT_EQ(rig.sound.stops, 0);

    rig.timer2.Fire();
    EXPECT_FALSE(rig.sound.playing);
    EXPECT_FALSE(rig.timerMidi.running);
    EXPECT_FALSE(rig.timer2.running);
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.sound.played.size(), 1u);

    // Music resumed with S is never stopped by the countdown again.
    rig.playlist.StartMusic();
    rig.timerMidi.Fire();
    EXPECT_EQ(rig.LastPlayed(), 1);
    rig.timer2.Start();
    for (int second = 0; second < 1000; ++second)
        rig.timer2.Fire();
    EXPECT_TRUE(rig.sound.playing);
    EXPECT_EQ(rig.sound.stops, 1);
}

TEST(PlaylistSoundOff, MinuteCountsBecomeSeconds) {
    // 7 is not among the dialog's choices but is a plain minute count.
    const std::vector<std::pair<std::string, int>> cases{
        {"1", 60}, {"7", 420}, {"45", 2700}, {" 90 ", 5400}, {"480", 28800}, {"5.0", 300}};
    for (const auto& [text, seconds] : cases) {
        PlaylistRig rig;
        rig.settings.SoundOffSetting = text;
        rig.Load();
        EXPECT_EQ(rig.playlist.SoundOffSeconds(), seconds) << text;
        rig.timerMidi.Fire();
        for (int second = 1; second < seconds; ++second)
            rig.timer2.Fire();
        EXPECT_TRUE(rig.sound.playing) << text;
        rig.timer2.Fire();
        EXPECT_FALSE(rig.sound.playing) << text;
    }
}

TEST(PlaylistSoundOff, NoLimitForZeroAndForAnythingThatIsNoMinuteCount) {
    for (const std::string text : {"0", "Never", "abc", "", "-5", "2.5", "481", "99999"}) {
        PlaylistRig rig;
        rig.settings.SoundOffSetting = text;
        rig.Load();
        EXPECT_EQ(rig.playlist.SoundOffSeconds(), 0) << text;
        rig.timerMidi.Fire();
        for (int second = 0; second < 30000; ++second)
            rig.timer2.Fire();
        EXPECT_TRUE(rig.sound.playing) << text;
        EXPECT_TRUE(rig.timerMidi.running) << text;
        EXPECT_EQ(rig.sound.stops, 0) << text;
    }
}
