#include "fakes/FakeClocks.h"

#include <array>
#include <cstdio>

#include "saver/Calendar.h"

std::string FakeDateTime::WeekdayName(const LocalDateTime& when) {
    constexpr std::array<const char*, 7> names{"Thursday", "Friday",  "Saturday", "Sunday",
                                               "Monday",   "Tuesday", "Wednesday"};
    const int64_t days = DaysFromCivil(when.year, when.month, when.day);
    return names[static_cast<size_t>(((days % 7) + 7) % 7)];
}

std::string FakeDateTime::MonthAbbreviation(const LocalDateTime& when) {
    constexpr std::array<const char*, 12> names{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return names[static_cast<size_t>(when.month - 1)];
}

std::string FakeDateTime::TimeText(const LocalDateTime& when) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return text;
}
