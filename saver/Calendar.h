#pragma once

#include <cstdint>

#include "saver/DateTimeSource.h"

// Days from the given date to the next 25 December: 0 on the day itself,
// 1 on 24 December, 364 or 365 on 26 December.
int32_t DaysUntilChristmas(const LocalDateTime& today);

// Days since 1 January 1970 of a date in the proleptic Gregorian calendar.
int64_t DaysFromCivil(int year, int month, int day);
