#pragma once

#include <cstdint>

// A monotonic millisecond clock. It never wraps and never jumps with the wall
// clock, so differences of two readings are always elapsed time.
class TickClock {
public:
    virtual ~TickClock() = default;

    virtual int64_t TickMs() = 0;
};
