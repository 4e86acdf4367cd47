#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Songs written for the sound tests and the audio that the player renders.
class TestAudio {
public:
    // Writes a carol-like song: an organ tune over string chords and a bass
    // line, at velocities that make it about as loud as the product's songs.
    // Its last note ends after songSeconds.
    static void WriteSong(const std::string& path, double songSeconds);

    // The rendered file: interleaved stereo 32-bit float samples.
    static std::vector<float> ReadRaw(const std::string& path);

    // The largest absolute sample from frame `from` (inclusive) to frame `to`
    // (exclusive), clipped to the samples there are.
    static float Peak(const std::vector<float>& samples, int64_t from, int64_t to);

    static double ToDbfs(float peak);
};
