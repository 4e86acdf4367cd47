#pragma once

#include <cstdint>
#include <string>

#include "music/VexoSnd.h"
#include "saver/Timer.h"
#include "settings/SettingsRecord.h"

// The 36-song playlist of the running saver: the song watch, the command keys
// that move within the list, and the sound-off countdown.
class Playlist {
public:
    // timerMidi is the song watch (1050 ms), timer2 the sound-off countdown
    // (1000 ms); both belong to the saver form, whose ticks call back here.
    Playlist(VexoSnd& sound, const SettingsRecord& settings, Timer& timerMidi, Timer& timer2,
             std::string installPath);

    void TimerMIDITick();
    void Timer2Tick();
    void SoundOff();
    void MidiSoundsCheckedNext();
    void MidiSounds();

    // Command keys.
    void NextSong();      // N
    void PreviousSong();  // P
    void StopMusic();     // Q
    void StartMusic();    // S
    // The monitor powered down: the music stops and no further song starts.
    void StopForPowerDown();

    int16_t CurrentSong() const { return currentSong_; }
    int16_t SoundOffSeconds() const { return soundOffSeconds_; }

private:
    // True for a song number of the list whose flag is 1; a hand-edited
    // store may hold other flags, which count as unchecked.
    bool IsChecked(int16_t song) const;

    VexoSnd& sound_;
    const SettingsRecord& settings_;
    Timer& timerMidi_;
    Timer& timer2_;
    std::string installPath_;
    int16_t currentSong_ = 0;
    int16_t soundOffSeconds_ = 0;
    int32_t soundOffElapsed_ = 0;
    bool soundOffFired_ = false;
};
