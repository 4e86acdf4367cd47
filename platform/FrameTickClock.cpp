#include "platform/FrameTickClock.h"

#include <algorithm>

int64_t FrameTickClock::TickMs() {
    return inFrame_ ? frameTime_ : clamp(steadyMs());
}

void FrameTickClock::startGrid(int64_t nowMs, int intervalMs) {
    interval_ = std::max(intervalMs, 0);
    nextDue_ = nowMs + interval_;
}

void FrameTickClock::beginFrame(int64_t nowMs) {
    // The frame timer fires on its grid with nanosecond deadlines; counted in
    // whole milliseconds the event may appear to come one millisecond early.
    const bool onGrid = interval_ > 0 && nowMs >= nextDue_ - 1 && nowMs < nextDue_ + interval_;
    const int64_t due = onGrid ? nextDue_ : nowMs;
    nextDue_ = due + interval_;
    frameTime_ = clamp(due);
    inFrame_ = true;
}

int64_t FrameTickClock::clamp(int64_t ms) {
    last_ = std::max(last_, ms);
    return last_;
}
