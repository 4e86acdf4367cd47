#include "art/Rng.h"

double Rng::unit() {
    // 24 bits are plenty for positions and colours, and exact in a double.
    return static_cast<double>(engine_() >> 8) / 16777216.0;
}

int Rng::between(int low, int high) {
    return low + static_cast<int>(unit() * (high - low + 1));
}
