#pragma once

#include <cstdint>
#include <random>

#include "scene/RandomSource.h"

// The program's one pseudo-random generator. It starts from a fixed seed,
// never from the clock, so every run re-seeds the snow at the same places.
class SeededRandom : public RandomSource {
public:
    static constexpr uint32_t DefaultSeed = 5489;

    explicit SeededRandom(uint32_t seed = DefaultSeed);

    // The next value r with 0 <= r < 1.
    float Next() override;

private:
    std::mt19937 engine_;
};
