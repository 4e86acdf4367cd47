#include "scene/SeededRandom.h"

SeededRandom::SeededRandom(uint32_t seed) : engine_(seed) {}

float SeededRandom::Next() {
    // The top 24 bits fit a float's mantissa exactly, so the result is one of
    // 2^24 evenly spaced values below 1 and the same on every platform, which
    // a standard distribution does not promise.
    constexpr float Scale = 1.0f / 16777216.0f;
    return static_cast<float>(engine_() >> 8) * Scale;
}
