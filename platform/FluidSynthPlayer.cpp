#include "platform/FluidSynthPlayer.h"

#include <alsa/asoundlib.h>
#include <fluidsynth.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace {

// General MIDI SoundFonts of Debian's packages, best first.
constexpr const char* SystemSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

// Every MIDI channel of the synthesizer.
constexpr int AllChannels = -1;
// Every effects group of the synthesizer.
constexpr int AllFxGroups = -1;

// ALSA's own error reports, while the drivers are tried.
void IgnoreAlsaError(const char* /*file*/, int /*line*/, const char* /*function*/, int /*err*/,
                     const char* /*format*/, ...) {}

}  // namespace

FluidSynthPlayer::FluidSynthPlayer() : FluidSynthPlayer(Options{}) {}

FluidSynthPlayer::FluidSynthPlayer(Options options) : options_(std::move(options)) {}

FluidSynthPlayer::~FluidSynthPlayer() {
    if (loader_.joinable()) {
        loader_.join();
    }
    {
        std::lock_guard lock(mutex_);
        StopLocked();
    }
    // The driver's thread takes the mutex for every period, so the driver is
    // deleted without it; after that no other thread is left.
    if (driver_ != nullptr) {
        delete_fluid_audio_driver(driver_);
    }
    if (renderer_ != nullptr) {
        delete_fluid_file_renderer(renderer_);
    }
    if (synth_ != nullptr) {
        delete_fluid_synth(synth_);
    }
    if (settings_ != nullptr) {
        delete_fluid_settings(settings_);
    }
}

std::string FluidSynthPlayer::ChooseSoundFont(const char* fromEnvironment) {
    if (fromEnvironment != nullptr && *fromEnvironment != '\0') {
        return fromEnvironment;
    }
    for (const char* path : SystemSoundFonts) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            return path;
        }
    }
    return {};
}

void FluidSynthPlayer::PlayFile(const std::string& path, int32_t /*from*/, int32_t /*to*/) {
    // Reading the file's first bytes is done before taking the mutex, so a
    // slow disk never holds up the audio thread.
    const bool isMidi = fluid_is_midifile(path.c_str()) != 0;
    std::lock_guard lock(mutex_);
    StopLocked();
    if (!isMidi) {
        return;
    }
    switch (stage_) {
        case Stage::Idle:
            pending_ = path;
            stage_ = Stage::Loading;
            loader_ = std::thread([this] { Load(); });
            break;
        case Stage::Loading:
            pending_ = path;
            break;
        case Stage::Ready:
            StartLocked(path);
            break;
        case Stage::Silent:
            break;
    }
}

void FluidSynthPlayer::StopPlaying() {
    std::lock_guard lock(mutex_);
    StopLocked();
}

bool FluidSynthPlayer::IsPlaying() {
    std::lock_guard lock(mutex_);
    switch (stage_) {
        case Stage::Loading:
            return pending_.has_value();
        case Stage::Ready:
            return player_ != nullptr && fluid_player_get_status(player_) == FLUID_PLAYER_PLAYING;
        case Stage::Idle:
        case Stage::Silent:
            break;
    }
    return false;
}

void FluidSynthPlayer::WaitUntilReady() {
    std::unique_lock lock(mutex_);
    stageChanged_.wait(lock, [this] { return stage_ != Stage::Loading; });
}

int64_t FluidSynthPlayer::RenderFrames(int64_t frames) {
    std::unique_lock lock(mutex_);
    if (stage_ != Stage::Ready || renderer_ == nullptr) {
        return renderedFrames_;
    }
    int periodSize = 0;
    fluid_settings_getint(settings_, "audio.period-size", &periodSize);
    const int64_t target = renderedFrames_ + frames;
    while (renderedFrames_ < target && fluid_file_renderer_process_block(renderer_) == FLUID_OK) {
        renderedFrames_ += periodSize;
        // Let the user-interface calls in between two periods, as a device
        // would.
        lock.unlock();
        lock.lock();
    }
    return renderedFrames_;
}

void FluidSynthPlayer::Load() {
    // No other thread touches these objects before the driver starts or the
    // stage turns Ready below.
    settings_ = new_fluid_settings();
    fluid_settings_setnum(settings_, "synth.gain", options_.gain);
    fluid_settings_setnum(settings_, "synth.sample-rate", SampleRate);
    // The players follow the rendered samples, so a song keeps its tempo
    // however the audio is paced, and offline rendering needs no clock.
    fluid_settings_setstr(settings_, "player.timing-source", "sample");
    synth_ = new_fluid_synth(settings_);
    if (synth_ == nullptr) {
        GoSilent("cannot start the synthesizer");
        return;
    }
    // The output comes first: without one the SoundFont need not be loaded.
    if (!OpenOutput()) {
        GoSilent(options_.renderFile.empty() ? "no audio device"
                                             : "cannot write " + options_.renderFile);
        return;
    }
    const std::string soundFont = options_.soundFont.empty()
                                      ? ChooseSoundFont(std::getenv("GLINTFALL_SOUNDFONT"))
                                      : options_.soundFont;
    if (soundFont.empty() || fluid_synth_sfload(synth_, soundFont.c_str(), 1) == FLUID_FAILED) {
        CloseOutput();
        GoSilent(soundFont.empty() ? "no SoundFont found" : "cannot load SoundFont " + soundFont);
        return;
    }
    std::lock_guard lock(mutex_);
    stage_ = Stage::Ready;
    if (pending_) {
        const std::string path = *pending_;
        pending_.reset();
        StartLocked(path);
    }
    stageChanged_.notify_all();
}

bool FluidSynthPlayer::OpenOutput() {
    if (!options_.renderFile.empty()) {
        fluid_settings_setstr(settings_, "audio.file.name", options_.renderFile.c_str());
        fluid_settings_setstr(settings_, "audio.file.type", "raw");
        fluid_settings_setstr(settings_, "audio.file.format", "float");
        fluid_settings_setstr(settings_, "audio.file.endian", "cpu");
        fluid_file_renderer_t* renderer = new_fluid_file_renderer(synth_);
        std::lock_guard lock(mutex_);
        renderer_ = renderer;
        return renderer != nullptr;
    }
    // FluidSynth reports each driver it fails to open as an error, a driver
    // it was built without with a list of the others, and ALSA adds its own
    // lines. Trying the next driver is the normal course here, and the
    // outcome is said in one line of our own, so their messages are held back
    // while the drivers are tried.
    const fluid_log_function_t fluidError = fluid_set_log_function(FLUID_ERR, nullptr, nullptr);
    const fluid_log_function_t fluidWarning = fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    const fluid_log_function_t fluidInfo = fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    snd_lib_error_set_handler(&IgnoreAlsaError);
    fluid_audio_driver_t* driver = nullptr;
    for (const std::string& name : options_.audioDrivers) {
        if (fluid_settings_setstr(settings_, "audio.driver", name.c_str()) != FLUID_OK) {
            continue;
        }
        // The driver may call back at once; the callback renders the
        // synthesizer, which is complete by now.
        driver = new_fluid_audio_driver2(settings_, &Render, this);
        if (driver != nullptr) {
            break;
        }
    }
    snd_lib_error_set_handler(nullptr);
    fluid_set_log_function(FLUID_ERR, fluidError, nullptr);
    fluid_set_log_function(FLUID_WARN, fluidWarning, nullptr);
    fluid_set_log_function(FLUID_INFO, fluidInfo, nullptr);
    std::lock_guard lock(mutex_);
    driver_ = driver;
    return driver != nullptr;
}

void FluidSynthPlayer::CloseOutput() {
    fluid_audio_driver_t* driver = nullptr;
    fluid_file_renderer_t* renderer = nullptr;
    {
        std::lock_guard lock(mutex_);
        driver = std::exchange(driver_, nullptr);
        renderer = std::exchange(renderer_, nullptr);
    }
    // Without the mutex: the driver's thread may be waiting for it.
    if (driver != nullptr) {
        delete_fluid_audio_driver(driver);
    }
    if (renderer != nullptr) {
        delete_fluid_file_renderer(renderer);
    }
}

void FluidSynthPlayer::GoSilent(const std::string& why) {
    *options_.messages << "glintfall: " << why << ", sound is off" << std::endl;
    std::lock_guard lock(mutex_);
    stage_ = Stage::Silent;
    pending_.reset();
    stageChanged_.notify_all();
}

void FluidSynthPlayer::StartLocked(const std::string& path) {
    // Stopping turned the effects off so that their tails end with the song.
    fluid_synth_reverb_on(synth_, AllFxGroups, 1);
    fluid_synth_chorus_on(synth_, AllFxGroups, 1);
    player_ = new_fluid_player(synth_);
    if (player_ == nullptr) {
        return;
    }
    if (fluid_player_add(player_, path.c_str()) != FLUID_OK ||
        fluid_player_play(player_) != FLUID_OK) {
        delete_fluid_player(player_);
        player_ = nullptr;
    }
}

void FluidSynthPlayer::StopLocked() {
    pending_.reset();
    if (player_ == nullptr) {
        return;
    }
    fluid_player_stop(player_);
    delete_fluid_player(player_);
    player_ = nullptr;
    // Notes still held or ringing are cut at once, and the reverb and chorus
    // stop sounding too: their tails would otherwise ring for half a second.
    fluid_synth_all_notes_off(synth_, AllChannels);
    fluid_synth_all_sounds_off(synth_, AllChannels);
    fluid_synth_reverb_on(synth_, AllFxGroups, 0);
    fluid_synth_chorus_on(synth_, AllFxGroups, 0);
}

int FluidSynthPlayer::Render(void* data, int len, int nfx, float* fx[], int nout, float* out[]) {
    auto* self = static_cast<FluidSynthPlayer*>(data);
    std::lock_guard lock(self->mutex_);
    if (nfx == 0 && nout >= 2) {
        // The desktop drivers give no separate effects buffers: the reverb
        // and chorus are mixed into the two output channels.
        float* mixed[] = {out[0], out[1], out[0], out[1]};
        return fluid_synth_process(self->synth_, len, 4, mixed, nout, out);
    }
    return fluid_synth_process(self->synth_, len, nfx, fx, nout, out);
}
