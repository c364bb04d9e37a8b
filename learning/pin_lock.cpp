#include "learning/pin_lock.h"

#include <algorithm>

namespace tamurik {

bool IsValidPin(TextView pin) {
    return pin.size() >= kShortestPin && pin.size() <= kLongestPin &&
           std::all_of(pin.begin(), pin.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

std::int64_t WaitAfter(int failures) {
    if (failures < kFreeTries)
        return 0;
    std::int64_t wait = kFirstWaitMs;
    for (int n = kFreeTries; n < failures && wait < kLongestWaitMs; ++n)
        wait *= 2;
    return std::min(wait, kLongestWaitMs);
}

std::int64_t RemainingWaitMs(const TeacherLock& lock, std::int64_t nowMs) {
    const std::int64_t wait = WaitAfter(lock.failures);
    const std::int64_t passed = std::max<std::int64_t>(0, nowMs - lock.lastFailureMs);
    return std::max<std::int64_t>(0, wait - passed);
}

TeacherLock AfterWrongPin(TeacherLock lock, std::int64_t nowMs) {
    lock.failures = std::min(lock.failures + 1, 1000);
    lock.lastFailureMs = nowMs;
    return lock;
}

TeacherLock AfterRightPin(TeacherLock lock) {
    lock.failures = 0;
    lock.lastFailureMs = 0;
    return lock;
}

namespace {

Text Count(long long n, TextView one, TextView many) {
    return Decimal(n) + U' ' + Text(n == 1 ? one : many);
}

} // namespace

Text WaitingText(std::int64_t remainingMs) {
    // Rounded up: the countdown never shows 0 while the entry is still closed.
    const long long seconds = (remainingMs + 999) / 1000;
    Text time;
    if (seconds >= 60) {
        time = Count(seconds / 60, U"Minute", U"Minuten");
        if (seconds % 60 != 0)
            time += U" und " + Count(seconds % 60, U"Sekunde", U"Sekunden");
    } else {
        time = Count(seconds, U"Sekunde", U"Sekunden");
    }
    return U"Bitte noch " + time + U" warten.";
}

} // namespace tamurik
