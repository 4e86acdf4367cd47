#include "platform/SteadyTickClock.h"

#include <chrono>

int64_t SteadyTickClock::TickMs() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
}
