#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "platform/FluidSynthPlayer.h"
#include "sound_TestAudio.h"

namespace {

constexpr int64_t Rate = FluidSynthPlayer::SampleRate;
constexpr int64_t FramesPerMs = Rate / 1000;
// Below -80 dBFS: nothing a listener could hear.
constexpr float Silence = 1e-4f;

std::string TempPath(const std::string& name) {
    return (std::filesystem::path(testing::TempDir()) / ("glintfall-sound-" + name)).string();
}

// A player that renders into a file of its own, with the song of the test.
struct RenderRig {
    explicit RenderRig(const std::string& name, double songSeconds = 2)
        : song(TempPath(name + ".mid")), output(TempPath(name + ".raw")) {
        TestAudio::WriteSong(song, songSeconds);
        FluidSynthPlayer::Options options;
        options.renderFile = output;
        options.messages = &messages;
        player = std::make_unique<FluidSynthPlayer>(options);
    }
    ~RenderRig() {
        std::remove(song.c_str());
        std::remove(output.c_str());
    }

    // Ends the player so that its file is complete, and reads it.
    std::vector<float> Finish() {
        player.reset();
        return TestAudio::ReadRaw(output);
    }

    // Renders in steps of 10 ms until the song has ended; the frames then.
    int64_t RenderToEnd(int64_t limitFrames) {
        int64_t frames = 0;
        while (player->IsPlaying() && frames < limitFrames) {
            frames = player->RenderFrames(10 * FramesPerMs);
        }
        return frames;
    }

    std::string song;
    std::string output;
    std::ostringstream messages;
    std::unique_ptr<FluidSynthPlayer> player;
};

}  // namespace

TEST(FluidSynthPlayer, PlaysASongToItsEnd) {
    RenderRig rig("to-end");
    // Before the SoundFont is ready the song counts as playing, so the song
    // watch waits for it instead of moving on.
    rig.player->PlayFile(rig.song, 0, -1);
    EXPECT_TRUE(rig.player->IsPlaying());
    rig.player->WaitUntilReady();
    EXPECT_TRUE(rig.player->IsPlaying());

    const int64_t frames = rig.RenderToEnd(30 * Rate);
    EXPECT_FALSE(rig.player->IsPlaying());
    // The notes end after 2 s; the player ends once the last voice has died
    // away, which takes a few seconds with strings and organ.
    EXPECT_GE(frames, 2 * Rate);
    EXPECT_LE(frames, 10 * Rate);
    std::printf("song of 2.0 s ended after %.2f s of audio\n", static_cast<double>(frames) / Rate);

    const std::vector<float> samples = rig.Finish();
    EXPECT_EQ(static_cast<int64_t>(samples.size()), 2 * frames);
    EXPECT_GT(TestAudio::Peak(samples, 0, 2 * Rate), 0.05f);
    EXPECT_TRUE(rig.messages.str().empty()) << rig.messages.str();
}

TEST(FluidSynthPlayer, StopSilencesWithinFiftyMilliseconds) {
    RenderRig rig("stop", 10);
    rig.player->PlayFile(rig.song);
    rig.player->WaitUntilReady();
    const int64_t stopAt = rig.player->RenderFrames(Rate);
    rig.player->StopPlaying();
    EXPECT_FALSE(rig.player->IsPlaying());
    rig.player->StopPlaying();  // harmless twice
    const int64_t end = rig.player->RenderFrames(Rate);

    const std::vector<float> samples = rig.Finish();
    EXPECT_GT(TestAudio::Peak(samples, stopAt - 100 * FramesPerMs, stopAt), 0.01f);
    const float after = TestAudio::Peak(samples, stopAt + 50 * FramesPerMs, end);
    EXPECT_LT(after, Silence) << TestAudio::ToDbfs(after) << " dBFS";
}

TEST(FluidSynthPlayer, PlaysAgainAfterAStopAndANewSongReplacesTheOld) {
    RenderRig rig("again", 10);
    rig.player->PlayFile(rig.song);
    rig.player->WaitUntilReady();
    rig.player->RenderFrames(Rate / 2);
    rig.player->StopPlaying();
    rig.player->RenderFrames(Rate / 2);

    const int64_t restart = rig.player->RenderFrames(0);
    rig.player->PlayFile(rig.song);
    EXPECT_TRUE(rig.player->IsPlaying());
    rig.player->RenderFrames(Rate / 2);
    rig.player->PlayFile(rig.song);  // while the first still plays
    const int64_t end = rig.player->RenderFrames(Rate);
    EXPECT_TRUE(rig.player->IsPlaying());

    const std::vector<float> samples = rig.Finish();
    EXPECT_GT(TestAudio::Peak(samples, restart, restart + Rate / 2), 0.05f);
    EXPECT_GT(TestAudio::Peak(samples, end - Rate / 2, end), 0.05f);
}

TEST(FluidSynthPlayer, FilesThatAreNoSongsDoNotPlay) {
    RenderRig rig("missing");
    const std::string text = TempPath("not-a-song.mid");
    {
        std::FILE* file = std::fopen(text.c_str(), "w");
        std::fputs("no MIDI here\n", file);
        std::fclose(file);
    }
    rig.player->PlayFile("/nonexistent/Music/midi7.mid");
    EXPECT_FALSE(rig.player->IsPlaying());
    rig.player->PlayFile(text);
    EXPECT_FALSE(rig.player->IsPlaying());

    // A missing song also ends the one that played before it.
    rig.player->PlayFile(rig.song);
    rig.player->WaitUntilReady();
    rig.player->RenderFrames(Rate / 10);
    EXPECT_TRUE(rig.player->IsPlaying());
    rig.player->PlayFile("/nonexistent/Music/midi8.mid");
    EXPECT_FALSE(rig.player->IsPlaying());
    std::remove(text.c_str());
}

TEST(FluidSynthPlayer, WithoutAnAudioDeviceSaysSoOnceAndStaysQuiet) {
    const std::string song = TempPath("no-device.mid");
    TestAudio::WriteSong(song, 2);
    std::ostringstream messages;
    FluidSynthPlayer::Options options;
    options.audioDrivers = {"no-such-driver"};
    options.messages = &messages;
    {
        FluidSynthPlayer player(options);
        EXPECT_FALSE(player.IsPlaying());
        player.PlayFile(song);
        player.WaitUntilReady();
        EXPECT_FALSE(player.IsPlaying());
        // The song watch goes on trying the next songs: nothing waits.
        for (int i = 0; i < 5; ++i) {
            player.PlayFile(song);
            EXPECT_FALSE(player.IsPlaying());
            player.StopPlaying();
        }
    }
    EXPECT_EQ(messages.str(), "glintfall: no audio device, sound is off\n");
    std::remove(song.c_str());
}

TEST(FluidSynthPlayer, WithoutASoundFontSaysSoOnce) {
    const std::string song = TempPath("no-font.mid");
    TestAudio::WriteSong(song, 2);
    std::ostringstream messages;
    FluidSynthPlayer::Options options;
    options.soundFont = "/nonexistent/font.sf2";
    options.renderFile = TempPath("no-font.raw");
    options.messages = &messages;
    {
        FluidSynthPlayer player(options);
        player.PlayFile(song);
        player.WaitUntilReady();
        EXPECT_FALSE(player.IsPlaying());
        player.PlayFile(song);
        EXPECT_FALSE(player.IsPlaying());
        EXPECT_EQ(player.RenderFrames(Rate), 0);
    }
    EXPECT_EQ(messages.str(),
              "glintfall: cannot load SoundFont /nonexistent/font.sf2, sound is off\n");
    std::remove(song.c_str());
    std::remove(options.renderFile.c_str());
}

TEST(FluidSynthPlayer, EndsCleanlyWhileTheSoundFontStillLoads) {
    RenderRig rig("early-end");
    rig.player->PlayFile(rig.song);
    rig.player.reset();
    SUCCEED();
}

TEST(FluidSynthPlayer, ChoosesTheSoundFontFromTheEnvironmentFirst) {
    EXPECT_EQ(FluidSynthPlayer::ChooseSoundFont("/home/me/Big.sf2"), "/home/me/Big.sf2");
    const std::string system = FluidSynthPlayer::ChooseSoundFont(nullptr);
    EXPECT_TRUE(system == "/usr/share/sounds/sf2/FluidR3_GM.sf2" ||
                system == "/usr/share/sounds/sf2/TimGM6mb.sf2" ||
                system == "/usr/share/sounds/sf2/default-GM.sf2")
        << system;
    EXPECT_EQ(FluidSynthPlayer::ChooseSoundFont(""), system);
}

// How loud the songs come out at the chosen gain: the first built carols when
// they are there, and the test song, over their first 30 seconds. Different
// arrangements peak differently, so the band is wide.
TEST(FluidSynthPlayer, SongsPeakAroundMinusSixDbfs) {
    RenderRig rig("level", 10);
    std::vector<std::string> songs{rig.song};
    for (int n = 1; n <= 36 && songs.size() < 3; ++n) {
        const std::string path =
            std::string(GLINTFALL_MUSIC_DIR) + "/midi" + std::to_string(n) + ".mid";
        if (std::filesystem::exists(path))
            songs.push_back(path);
    }
    for (const std::string& song : songs) {
        RenderRig level("level-song");
        level.player->PlayFile(song);
        level.player->WaitUntilReady();
        level.RenderToEnd(30 * Rate);
        const std::vector<float> samples = level.Finish();
        const double dbfs = TestAudio::ToDbfs(TestAudio::Peak(samples, 0, 30 * Rate));
        std::printf("%s peaks at %.1f dBFS\n", song.c_str(), dbfs);
        EXPECT_GT(dbfs, -20) << song;
        EXPECT_LT(dbfs, -1) << song;
    }
}
