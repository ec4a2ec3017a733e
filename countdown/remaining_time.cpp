#include "countdown/remaining_time.h"

#include <algorithm>

#include "countdown/event_repeat.h"

namespace zentrova {
namespace {

constexpr int kMonthsPerYear = 12;
constexpr int kHoursPerDay = 24;
constexpr int kMinutesPerHour = 60;
constexpr int kSecondsPerMinute = 60;

// Takes one from the target's hour, borrowing a day when it would go below 0.
void TakeHour(CountdownFields& target) {
    target.hour -= 1;
    if (target.hour < 0) {
        target.day -= 1;
        target.hour += kHoursPerDay;
    }
}

// Takes one from the target's minute, borrowing an hour when it would go below 0.
void TakeMinute(CountdownFields& target) {
    target.minute -= 1;
    if (target.minute < 0) {
        TakeHour(target);
        target.minute += kMinutesPerHour;
    }
}

bool Before(const CountdownFields& a, const CountdownFields& b) {
    const int left[] = {a.year, a.month, a.day, a.hour, a.minute, a.second};
    const int right[] = {b.year, b.month, b.day, b.hour, b.minute, b.second};
    for (int i = 0; i < 6; ++i)
        if (left[i] != right[i]) return left[i] < right[i];
    return false;
}

// One borrow: when the target's smaller field is below the current one, the
// larger field gives one unit of `span`.
void Borrow(int& larger, int& smaller, int currentSmaller, int span) {
    if (smaller >= currentSmaller) return;
    larger -= 1;
    smaller += span;
}

// Ordinary subtraction, from the seconds up: every difference comes out
// between zero and its field's range.
CountdownFields BorrowFromTheSecondsUp(CountdownFields target, const CountdownFields& now, int monthLength) {
    Borrow(target.minute, target.second, now.second, kSecondsPerMinute);
    Borrow(target.hour, target.minute, now.minute, kMinutesPerHour);
    Borrow(target.day, target.hour, now.hour, kHoursPerDay);
    Borrow(target.month, target.day, now.day, monthLength);
    Borrow(target.year, target.month, now.month, kMonthsPerYear);
    return target;
}

}  // namespace

CountdownFields NowFields(const LocalTime& now) {
    return {now.year, now.month, now.day, now.hour, now.minute, now.second};
}

CountdownFields DecodeTarget(double date, double time) {
    const CivilDate day = DecodeDate(date);
    const TimeOfDay clock = DecodeTime(time);
    return {day.year, day.month, day.day, clock.hour, clock.minute, clock.second};
}

int MonthLength(const CountdownFields& now) { return DaysInMonth(now.year, now.month); }

CountdownFields ApplyBorrows(CountdownFields target, const CountdownFields& now, int monthLength) {
    // Borrowing from the largest field down shows a coming target with a
    // negative field whenever a smaller field's borrow meets an equal larger
    // one (a day and one second ahead read "1 day, 0 hours, -1 minutes,
    // 1 second"), so a target still ahead is counted from the seconds up.
    if (!Before(target, now)) return BorrowFromTheSecondsUp(target, now, monthLength);
    Borrow(target.year, target.month, now.month, kMonthsPerYear);
    Borrow(target.month, target.day, now.day, monthLength);
    Borrow(target.day, target.hour, now.hour, kHoursPerDay);
    if (target.minute < now.minute) {
        TakeHour(target);
        target.minute += kMinutesPerHour;
    }
    if (target.second < now.second) {
        TakeMinute(target);
        target.second += kSecondsPerMinute;
    }
    return target;
}

RemainingTime Differences(const CountdownFields& borrowedTarget, const CountdownFields& now) {
    return {borrowedTarget.year - now.year,     borrowedTarget.month - now.month,
            borrowedTarget.day - now.day,       borrowedTarget.hour - now.hour,
            borrowedTarget.minute - now.minute, borrowedTarget.second - now.second};
}

RemainingTime ComputeRemainingTime(const CountdownFields& now, const CountdownFields& target) {
    return Differences(ApplyBorrows(target, now, MonthLength(now)), now);
}

CountdownReading ReadCountdown(const CountdownFields& now, const CountdownFields& target, CountRepeat repeat) {
    const CountdownFields counted = NextOccurrence(target, repeat, now);
    if (!Before(counted, now)) return {ComputeRemainingTime(now, counted), false};
    // Counting up from the event is counting down from it to now.
    return {ComputeRemainingTime(counted, now), true};
}

std::string PadCountdownValue(int value) {
    std::string text = std::to_string(value);
    return value < 10 ? "0" + text : text;
}

std::array<std::string, 6> CountdownNumberTexts(const RemainingTime& remaining) {
    return {PadCountdownValue(remaining.years),   PadCountdownValue(remaining.months),
            PadCountdownValue(remaining.days),    PadCountdownValue(remaining.hours),
            PadCountdownValue(remaining.minutes), PadCountdownValue(remaining.seconds)};
}

}  // namespace zentrova
