#pragma once

#include <string>

// A local date and time of day.
struct LocalDateTime {
    int year = 2000;
    int month = 1;  // 1 to 12
    int day = 1;    // 1 to 31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Today's date and the time of day, and their texts in the system's language
// and formats.
class DateTimeSource {
public:
    virtual ~DateTimeSource() = default;

    virtual LocalDateTime Now() = 0;
    // The full weekday name ("dddd"), for example "Monday".
    virtual std::string WeekdayName(const LocalDateTime& when) = 0;
    // The abbreviated month name ("mmm"), for example "Dec".
    virtual std::string MonthAbbreviation(const LocalDateTime& when) = 0;
    // The time of day in the system's time format, with seconds.
    virtual std::string TimeText(const LocalDateTime& when) = 0;
};
