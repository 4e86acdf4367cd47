#pragma once

#include <fluidsynth/types.h>

#include <condition_variable>
#include <cstdint>
#include <iostream>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "music/VexoSnd.h"

// The sound control on FluidSynth: plays MIDI files in-process through the
// desktop's audio, or renders them into a file for tests.
//
// Threads. The user-interface thread calls PlayFile, StopPlaying and
// IsPlaying. The SoundFont takes from a tenth of a second to several seconds
// to load, so the first PlayFile starts a loader thread and returns at once;
// a saver that never plays a song never loads it. The audio driver's thread
// renders the synthesizer through a callback of ours. One mutex guards every
// FluidSynth object that more than one thread touches: the callback holds it
// while it renders a period, so a MIDI player is only ever created, stopped or
// deleted between two periods, never under the rendering. The mutex is never
// held while the SoundFont loads or while the driver is made or deleted, so
// the user-interface thread waits at most for one rendered period.
//
// Until the SoundFont is ready, a PlayFile is remembered and started by the
// loader as soon as it can, and IsPlaying reads True meanwhile: the song
// watch polls IsPlaying and would otherwise skip the song that is about to
// start. If no audio device or no SoundFont can be had, one line on the
// message stream says that the sound is off; from then on nothing plays and
// IsPlaying reads False, so the watch goes on as with missing files.
class FluidSynthPlayer : public VexoSnd {
public:
    // The product's carols, rendered with TimGM6mb, peak between -4 and
    // -9 dBFS at this gain, around -6 dBFS in the middle; FluidSynth's own
    // 0.2 leaves them about 11 dB quieter than that.
    static constexpr float DefaultGain = 0.75f;
    static constexpr int SampleRate = 44100;

    struct Options {
        // The SoundFont to load; empty: ChooseSoundFont with the environment.
        std::string soundFont;
        // Audio drivers to try, best first. PulseAudio also reaches PipeWire
        // desktops through their PulseAudio server; a FluidSynth built without
        // one of them skips it.
        std::vector<std::string> audioDrivers{"pulseaudio", "pipewire", "alsa"};
        // Not empty: no device is used; the sound is rendered into this file
        // as raw 32-bit float stereo samples at SampleRate, and only when
        // RenderFrames asks for it.
        std::string renderFile;
        float gain = DefaultGain;
        // Where the line about missing sound goes.
        std::ostream* messages = &std::cerr;
    };

    FluidSynthPlayer();
    explicit FluidSynthPlayer(Options options);
    ~FluidSynthPlayer() override;

    FluidSynthPlayer(const FluidSynthPlayer&) = delete;
    FluidSynthPlayer& operator=(const FluidSynthPlayer&) = delete;

    void PlayFile(const std::string& path, int32_t from = 0, int32_t to = -1) override;
    void StopPlaying() override;
    bool IsPlaying() override;

    // Blocks until the loader has finished, with or without sound. Returns at
    // once when nothing was ever played.
    void WaitUntilReady();

    // Render mode only: renders at least the given number of frames more and
    // returns the frames rendered into the file so far.
    int64_t RenderFrames(int64_t frames);

    // The SoundFont to use: the given path (the value of
    // GLINTFALL_SOUNDFONT) when it is set and not empty, otherwise the first
    // General MIDI font of the system that exists, the larger FluidR3 first;
    // empty when there is none.
    static std::string ChooseSoundFont(const char* fromEnvironment);

private:
    enum class Stage { Idle, Loading, Ready, Silent };

    void Load();
    bool OpenOutput();
    void CloseOutput();
    void StartLocked(const std::string& path);
    void StopLocked();
    void GoSilent(const std::string& why);
    static int Render(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    Options options_;
    std::mutex mutex_;
    std::condition_variable stageChanged_;
    Stage stage_ = Stage::Idle;
    std::optional<std::string> pending_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    fluid_file_renderer_t* renderer_ = nullptr;
    fluid_player_t* player_ = nullptr;
    int64_t renderedFrames_ = 0;
    std::thread loader_;
};
