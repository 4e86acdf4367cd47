#pragma once

#include <cstdint>

#include "platform/SteadyTickClock.h"
#include "saver/TickClock.h"

// The saver's tick count, kept in step with the frame events. The flakes and
// the greeting step when enough milliseconds have passed since their last
// step; read when a frame event actually runs, the count would carry the
// event loop's wake-up delay, which varies by up to a millisecond. A front
// flake that is due every second event of a 5 ms rhythm would then often
// find only 9 ms gone and wait for the next event, falling at about 85
// instead of 100 pixels a second. So frame events are due on a grid of the
// frame interval, and during one the count stands at its due time; between
// frames it is the monotonic clock. Readings never go back.
class FrameTickClock : public TickClock {
public:
    int64_t TickMs() override;

    // Starts the grid: frame events are due every intervalMs from nowMs on.
    void startGrid(int64_t nowMs, int intervalMs);
    // Begins the oldest frame event that is due by nowMs, if there is one,
    // and tells whether there was. Until endFrame the count stands at its
    // due time. The frame timer fires on its grid with nanosecond deadlines;
    // counted in whole milliseconds it may seem to come one millisecond
    // early, so an event due a millisecond after nowMs counts as due.
    bool beginDueFrame(int64_t nowMs);
    void endFrame() { inFrame_ = false; }

    // The monotonic clock in milliseconds.
    int64_t steadyMs() { return steady_.TickMs(); }

private:
    int64_t clamp(int64_t ms);

    SteadyTickClock steady_;
    int64_t interval_ = 0;
    int64_t nextDue_ = 0;
    int64_t frameTime_ = 0;
    int64_t last_ = 0;
    bool inFrame_ = false;
};
