#pragma once

// Uniform pseudo-random values r with 0 <= r < 1, single precision.
class RandomSource {
public:
    virtual ~RandomSource() = default;

    virtual float Next() = 0;
};
