#include "clock.h"

#include <chrono>
#include <ctime>

namespace tamurik {

namespace {

// The number in at least `width` digits, zeros in front.
Text ZeroPadded(int value, std::size_t width) {
    Text digits = Decimal(value < 0 ? -static_cast<long long>(value) : value);
    if (digits.size() < width) {
        digits.insert(0, width - digits.size(), U'0');
    }
    if (value < 0) {
        digits.insert(digits.begin(), U'-');
    }
    return digits;
}

} // namespace

Text FormatDate(const Date& date) {
    return ZeroPadded(date.day, 2) + U"." + ZeroPadded(date.month, 2) + U"." +
           ZeroPadded(date.year, 4);
}

namespace {

std::tm LocalTm(std::int64_t ms) {
    // Rounded down to whole seconds, also before 1970.
    const std::time_t seconds = static_cast<std::time_t>(ms >= 0 ? ms / 1000 : (ms - 999) / 1000);
    std::tm local{};
    if (localtime_r(&seconds, &local) == nullptr)
        return std::tm{};
    return local;
}

Date DateOf(const std::tm& local) {
    return Date{local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

} // namespace

Text FormatLocalDateTime(std::int64_t ms) {
    const std::tm local = LocalTm(ms);
    return FormatDate(DateOf(local)) + U' ' + ZeroPadded(local.tm_hour, 2) + U':' +
           ZeroPadded(local.tm_min, 2);
}

Text FormatLocalDate(std::int64_t ms) {
    return FormatDate(DateOf(LocalTm(ms)));
}

Text FormatSortableLocalTime(std::int64_t ms) {
    const std::tm local = LocalTm(ms);
    return ZeroPadded(local.tm_year + 1900, 4) + U'-' + ZeroPadded(local.tm_mon + 1, 2) + U'-' +
           ZeroPadded(local.tm_mday, 2) + U'_' + ZeroPadded(local.tm_hour, 2) + U'-' +
           ZeroPadded(local.tm_min, 2) + U'-' + ZeroPadded(local.tm_sec, 2);
}

Date SystemClock::Today() const {
    const std::time_t now = std::time(nullptr);
    // std::localtime shares one buffer between calls; the clock is asked on the GUI thread
    // only, and the fields are copied out at once.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) {
        return Date{};
    }
    return Date{local->tm_mday, local->tm_mon + 1, local->tm_year + 1900};
}

std::int64_t SystemClock::NowMs() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

} // namespace tamurik
