#pragma once
// Today's date for best-list records, and the time in milliseconds for the learning record.

#include "text.h"

#include <cstdint>

namespace tamurik {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// "dd.mm.yyyy"
Text FormatDate(const Date& date);
// A moment (milliseconds since 1970, UTC) in the computer's time zone: "dd.mm.yyyy hh:mm",
// and the date alone.
Text FormatLocalDateTime(std::int64_t ms);
Text FormatLocalDate(std::int64_t ms);
// The moment in the computer's time zone as it sorts in a file name: "yyyy-mm-dd_hh-mm-ss".
Text FormatSortableLocalTime(std::int64_t ms);

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
    // Milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t NowMs() const = 0;
};

class SystemClock : public Clock {
public:
    Date Today() const override;
    std::int64_t NowMs() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date date) : date_(date) {}
    Date Today() const override { return date_; }
    std::int64_t NowMs() const override { return nowMs_; }
    void Set(Date date) { date_ = date; }
    void SetMs(std::int64_t ms) { nowMs_ = ms; }
    void AdvanceMs(std::int64_t ms) { nowMs_ += ms; }

private:
    Date date_;
    std::int64_t nowMs_ = 0;
};

} // namespace tamurik
