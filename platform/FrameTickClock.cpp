#include "platform/FrameTickClock.h"

#include <algorithm>

int64_t FrameTickClock::TickMs() {
    return inFrame_ ? frameTime_ : clamp(steadyMs());
}

void FrameTickClock::startGrid(int64_t nowMs, int intervalMs) {
    interval_ = std::max(intervalMs, 0);
    nextDue_ = nowMs + interval_;
}

bool FrameTickClock::beginDueFrame(int64_t nowMs) {
    if (interval_ <= 0 || nextDue_ > nowMs + 1) {
        return false;
    }
    frameTime_ = clamp(nextDue_);
    nextDue_ += interval_;
    inFrame_ = true;
    return true;
}

int64_t FrameTickClock::clamp(int64_t ms) {
    last_ = std::max(last_, ms);
    return last_;
}
