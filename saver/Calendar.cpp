#include "saver/Calendar.h"

int64_t DaysFromCivil(int year, int month, int day) {
    // Counts in eras of 400 years that start on 1 March, so that the leap
    // day comes last in its year.
    const int64_t y = static_cast<int64_t>(year) - (month <= 2 ? 1 : 0);
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

int32_t DaysUntilChristmas(const LocalDateTime& today) {
    const int64_t now = DaysFromCivil(today.year, today.month, today.day);
    int64_t christmas = DaysFromCivil(today.year, 12, 25);
    // After Christmas the count runs towards next year's: a negative number
    // of days "until Christmas" would make no sense on screen.
    if (christmas < now) {
        christmas = DaysFromCivil(today.year + 1, 12, 25);
    }
    return static_cast<int32_t>(christmas - now);
}
