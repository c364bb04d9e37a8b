#pragma once
// Today's date for best-list records.

#include "text.h"

namespace tamurik {

struct Date {
    int day = 1;
    int month = 1;
    int year = 2000;
};

// "dd.mm.yyyy"
Text FormatDate(const Date& date);

class Clock {
public:
    virtual ~Clock() = default;
    virtual Date Today() const = 0;
};

class SystemClock : public Clock {
public:
    Date Today() const override;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(Date date) : date_(date) {}
    Date Today() const override { return date_; }
    void Set(Date date) { date_ = date; }

private:
    Date date_;
};

} // namespace tamurik
