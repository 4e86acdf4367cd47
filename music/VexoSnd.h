#pragma once

#include <cstdint>
#include <string>

// The sound control: plays one music file at a time in the background.
class VexoSnd {
public:
    virtual ~VexoSnd() = default;

    // Starts the file and returns at once. The two numbers are fixed by the
    // callers (0 and -1) and carry no meaning for a MIDI player.
    virtual void PlayFile(const std::string& path, int32_t from = 0, int32_t to = -1) = 0;
    // Stops whatever plays, at once and without ringing notes.
    virtual void StopPlaying() = 0;
    // True while a file started by PlayFile is still sounding.
    virtual bool IsPlaying() = 0;
};
