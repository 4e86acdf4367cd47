#pragma once

#include <cstdint>
#include <random>

// The one source of randomness of the picture generator. It is always seeded
// with a fixed number, and it turns the engine's output into numbers itself
// (the standard distributions differ between libraries), so every build draws
// exactly the same pictures.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : engine_(seed) {}

    // A value in [0, 1).
    double unit();

    // A value in [low, high).
    double range(double low, double high) { return low + (high - low) * unit(); }

    // An integer in [low, high].
    int between(int low, int high);

private:
    std::mt19937 engine_;
};
