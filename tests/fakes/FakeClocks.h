#pragma once

#include <cstdint>
#include <deque>
#include <string>

#include "saver/DateTimeSource.h"
#include "saver/TickClock.h"
#include "scene/RandomSource.h"

// A tick clock that moves only when a test advances it.
class FakeTickClock : public TickClock {
public:
    int64_t TickMs() override { return now; }
    int64_t now = 100000;
};

// A fixed local date and time with English names and a 24-hour clock.
class FakeDateTime : public DateTimeSource {
public:
    LocalDateTime Now() override { return now; }
    std::string WeekdayName(const LocalDateTime& when) override;
    std::string MonthAbbreviation(const LocalDateTime& when) override;
    std::string TimeText(const LocalDateTime& when) override;

    LocalDateTime now{2026, 12, 7, 12, 0, 0};
};

// Hands out the queued values, then 0.5 for ever.
class FakeRandom : public RandomSource {
public:
    float Next() override {
        if (values.empty()) {
            return 0.5f;
        }
        float value = values.front();
        values.pop_front();
        ++drawn;
        return value;
    }
    std::deque<float> values;
    int drawn = 0;
};
