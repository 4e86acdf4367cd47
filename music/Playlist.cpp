#include "music/Playlist.h"

#include <cmath>
#include <limits>
#include <utility>

#include "settings/NumberText.h"

namespace {

constexpr int16_t SongCount = 36;
// The longest sound-off time the dialog offers, in minutes.
constexpr double MaxSoundOffMinutes = 480;

}  // namespace

Playlist::Playlist(VexoSnd& sound, const SettingsRecord& settings, Timer& timerMidi, Timer& timer2,
                   std::string installPath)
    : sound_(sound),
      settings_(settings),
      timerMidi_(timerMidi),
      timer2_(timer2),
      installPath_(std::move(installPath)) {}

bool Playlist::IsChecked(int16_t song) const {
    return song >= 1 && song <= SongCount && settings_.SongChecked[song - 1] == 1;
}

void Playlist::TimerMIDITick() {
    if (sound_.IsPlaying()) {
        return;
    }
    timerMidi_.Stop();
    ++currentSong_;
    // Key S may have left a number below 1; the list has no such song, so
    // the watch goes on from the first one.
    if (currentSong_ > SongCount || currentSong_ < 1) {
        currentSong_ = 1;
    }
    MidiSoundsCheckedNext();
    MidiSounds();
}

void Playlist::MidiSoundsCheckedNext() {
    if (settings_.NoSongChecked()) {
        return;
    }
    // A flag is either 1 (checked) or anything else (skipped). At least one
    // flag is 1 here, so one round through the list always finds it.
    for (int16_t step = 0; step < SongCount && !IsChecked(currentSong_); ++step) {
        ++currentSong_;
        if (currentSong_ > SongCount) {
            currentSong_ = 1;
        }
    }
    timerMidi_.Start();
}

void Playlist::MidiSounds() {
    if (settings_.NoSongChecked()) {
        return;
    }
    if (IsChecked(currentSong_)) {
        sound_.PlayFile(installPath_ + "Music/midi" + std::to_string(currentSong_) + ".mid", 0, -1);
    }
    timerMidi_.Start();
}

void Playlist::SoundOff() {
    // Only a whole number of minutes that the dialog could offer sets a
    // limit. Any other minute count gets its own limit rather than stopping
    // the music a second after the start; "0", numbers out of range and
    // texts that are no number leave the music on without limit.
    soundOffSeconds_ = 0;
    const std::optional<double> minutes = ParseNumber(settings_.SoundOffSetting);
    if (minutes && *minutes >= 1 && *minutes <= MaxSoundOffMinutes &&
        std::floor(*minutes) == *minutes) {
        soundOffSeconds_ = static_cast<int16_t>(60 * static_cast<int>(*minutes));
    }
}

void Playlist::Timer2Tick() {
    if (soundOffSeconds_ == 0 || soundOffFired_) {
        return;
    }
    ++soundOffElapsed_;
    if (soundOffElapsed_ >= soundOffSeconds_) {
        soundOffFired_ = true;
        sound_.StopPlaying();
        timerMidi_.Stop();
        timer2_.Stop();
    }
}

void Playlist::NextSong() {
    sound_.StopPlaying();
}

void Playlist::PreviousSong() {
    const int song = currentSong_ - 2;
    currentSong_ = song < 1 ? int16_t{35} : static_cast<int16_t>(song);
    sound_.StopPlaying();
}

void Playlist::StopMusic() {
    sound_.StopPlaying();
    timerMidi_.Stop();
}

void Playlist::StartMusic() {
    // No lower limit: the watch treats every number below 1 as the start of
    // the list. Only the end of the number range stops the count.
    if (currentSong_ > std::numeric_limits<int16_t>::min()) {
        --currentSong_;
    }
    timerMidi_.Start();
}

void Playlist::StopForPowerDown() {
    sound_.StopPlaying();
    timerMidi_.Stop();
}
