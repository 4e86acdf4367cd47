#pragma once

#include "saver/TickClock.h"

// Milliseconds on the monotonic clock of the system.
class SteadyTickClock : public TickClock {
public:
    int64_t TickMs() override;
};
