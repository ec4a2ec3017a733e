#pragma once
// The time left until a countdown entry, broken into years, months, days,
// hours, minutes and seconds by borrowing from the larger fields of the
// target, the way a person counts it down on paper.

#include <array>
#include <string>

#include "settings/date_time.h"
#include "settings/settings.h"

namespace zentrova {

// A date and a time of day as separate fields. All are plain signed ints: a
// borrowed target field may leave its usual range, and none may ever wrap.
struct CountdownFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const CountdownFields&, const CountdownFields&) = default;
};

// The six shown values; negative once the target has passed.
struct RemainingTime {
    int years = 0;
    int months = 0;
    int days = 0;
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    friend bool operator==(const RemainingTime&, const RemainingTime&) = default;
};

// The current date and time of day; milliseconds dropped.
CountdownFields NowFields(const LocalTime& now);

// A stored entry: the date part of `date` and the time part of `time`.
CountdownFields DecodeTarget(double date, double time);

// Days of the current month; a day borrow always adds this, never the length
// of the target's month.
int MonthLength(const CountdownFields& now);

// A target still ahead (or now): ordinary subtraction from the seconds up,
// so every shown value lies in its field's range. A target that has passed:
// the five borrows from the largest field down, each comparing the target
// field as the earlier borrows left it with the current field, the values
// turning negative; a borrow that takes the target's hour or minute below
// zero (only at midnight) is carried on to the next larger field, so the six
// differences still add up to the time remaining.
CountdownFields ApplyBorrows(CountdownFields target, const CountdownFields& now, int monthLength);

// Field-by-field target minus now.
RemainingTime Differences(const CountdownFields& borrowedTarget, const CountdownFields& now);

// MonthLength, ApplyBorrows and Differences in one.
RemainingTime ComputeRemainingTime(const CountdownFields& now, const CountdownFields& target);

// What the countdown shows for an entry. A target still ahead (or now) is
// counted down; one that has passed is counted up, the time since it, with
// `passed` set so that the window can say so. Every field is at least 0.
struct CountdownReading {
    RemainingTime fields;
    bool passed = false;
    friend bool operator==(const CountdownReading&, const CountdownReading&) = default;
};

// A repeating entry counts to its next occurrence (event_repeat.h).
CountdownReading ReadCountdown(const CountdownFields& now, const CountdownFields& target, CountRepeat repeat);

// Values below 10 get a leading "0": 7 -> "07", 0 -> "00", -3 -> "0-3".
std::string PadCountdownValue(int value);

// Years, months, days, hours, minutes, seconds, padded.
std::array<std::string, 6> CountdownNumberTexts(const RemainingTime& remaining);

}  // namespace zentrova
