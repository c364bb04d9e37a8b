#include "learning/days.h"

#include <chrono>

namespace tamurik {

long long DayNumber(const Date& date) {
    const std::chrono::year_month_day ymd{std::chrono::year(date.year),
                                          std::chrono::month(static_cast<unsigned>(date.month)),
                                          std::chrono::day(static_cast<unsigned>(date.day))};
    return std::chrono::sys_days(ymd).time_since_epoch().count();
}

Date DateOfDay(long long day) {
    const std::chrono::year_month_day ymd{std::chrono::sys_days(std::chrono::days(day))};
    return Date{static_cast<int>(static_cast<unsigned>(ymd.day())),
                static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year())};
}

long long WeekStart(long long day) {
    const std::chrono::sys_days date{std::chrono::days(day)};
    const std::chrono::weekday weekday{date};
    // iso_encoding: Monday is 1, Sunday is 7.
    return day - static_cast<long long>(weekday.iso_encoding() - 1);
}

} // namespace tamurik
