#pragma once
// The teacher's PIN: what a PIN may be, and how long a further try waits after wrong ones.
// Three tries are free; from then on each try waits twice as long as the one before, from five
// seconds on, up to an hour, so that guessing a four-digit PIN takes months.

#include "core/text.h"
#include "learning/record_queries.h"

#include <cstdint>

namespace tamurik {

inline constexpr std::size_t kShortestPin = 4;
inline constexpr std::size_t kLongestPin = 12;
inline constexpr int kFreeTries = 3;
inline constexpr std::int64_t kFirstWaitMs = 5'000;
inline constexpr std::int64_t kLongestWaitMs = 3'600'000;

// Digits only, from kShortestPin to kLongestPin of them.
bool IsValidPin(TextView pin);

// How long the next try waits after this many wrong PINs in a row.
std::int64_t WaitAfter(int failures);

// How long from `nowMs` on the next try must still wait. A clock set back never makes the
// wait longer than the schedule's.
std::int64_t RemainingWaitMs(const TeacherLock& lock, std::int64_t nowMs);

// The lock after a wrong PIN at `nowMs`, and after the right one.
TeacherLock AfterWrongPin(TeacherLock lock, std::int64_t nowMs);
TeacherLock AfterRightPin(TeacherLock lock);

// "Bitte noch 12 Sekunden warten." / "Bitte noch 2 Minuten und 5 Sekunden warten."
Text WaitingText(std::int64_t remainingMs);

} // namespace tamurik
