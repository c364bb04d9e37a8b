#pragma once
// Days as whole numbers, for the card box and the teacher's weeks: day 0 is 1 January 1970,
// counted in the calendar of the computer's own time zone (the clock's Today()).

#include "core/clock.h"

namespace tamurik {

long long DayNumber(const Date& date);
Date DateOfDay(long long day);
// The Monday of the week the day lies in (weeks run from Monday to Sunday).
long long WeekStart(long long day);

} // namespace tamurik
