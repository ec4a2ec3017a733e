#include "countdown/event_repeat.h"

#include <algorithm>

namespace zentrova {
namespace {

constexpr long long kSecondsPerDay = 24 * 60 * 60;
constexpr int kDaysPerWeek = 7;
constexpr int kMonthsPerYear = 12;

long long MonthIndex(const CountdownFields& at) { return at.year * 12LL + (at.month - 1); }

// Occurrence `k` of the event (0 is the entry itself). The day of a month
// is worked out from the entry's own day each time, so a 31st that fell on
// a 30th comes back to the 31st.
CountdownFields Occurrence(const CountdownFields& first, CountRepeat repeat, long long k) {
    CountdownFields at = first;
    if (repeat == CountRepeat::Week) {
        const CivilDate date = DecodeDate(EncodeDate(first.year, first.month, first.day) +
                                          static_cast<double>(k * kDaysPerWeek));
        at.year = date.year;
        at.month = date.month;
        at.day = date.day;
        return at;
    }
    const long long step = repeat == CountRepeat::Month ? 1 : kMonthsPerYear;
    const long long month = MonthIndex(first) + k * step;
    at.year = static_cast<int>(month / kMonthsPerYear);
    at.month = static_cast<int>(month % kMonthsPerYear) + 1;
    at.day = std::min(first.day, DaysInMonth(at.year, at.month));
    return at;
}

// A number of occurrences that lies at most one short of the first one at
// or after `now`; occurrences never come closer than a week or further apart
// than a year, so stepping on from it takes a step or two.
long long OccurrencesBefore(const CountdownFields& first, CountRepeat repeat, const CountdownFields& now) {
    long long k = 0;
    if (repeat == CountRepeat::Week) {
        k = (DayNumber({now.year, now.month, now.day}) - DayNumber({first.year, first.month, first.day})) /
            kDaysPerWeek;
    } else {
        k = (MonthIndex(now) - MonthIndex(first)) / (repeat == CountRepeat::Month ? 1 : kMonthsPerYear);
    }
    return std::max(k - 1, 0LL);
}

// The index of the first occurrence at or after `now`.
long long NextIndex(const CountdownFields& first, CountRepeat repeat, const CountdownFields& now) {
    const long long target = WallSeconds(now);
    // Years past 9999 are never reached: the dates clamp there.
    for (long long k = OccurrencesBefore(first, repeat, now);; ++k) {
        const CountdownFields at = Occurrence(first, repeat, k);
        if (WallSeconds(at) >= target || at.year >= kMaxYear) return k;
    }
}

}  // namespace

long long WallSeconds(const CountdownFields& at) {
    return DayNumber({at.year, at.month, at.day}) * kSecondsPerDay + at.hour * 3600LL + at.minute * 60LL + at.second;
}

CountdownFields NextOccurrence(const CountdownFields& first, CountRepeat repeat, const CountdownFields& now) {
    if (repeat == CountRepeat::Never || WallSeconds(first) >= WallSeconds(now)) return first;
    return Occurrence(first, repeat, NextIndex(first, repeat, now));
}

std::optional<CountdownFields> LatestOccurrence(const CountdownFields& first, CountRepeat repeat,
                                                const CountdownFields& now) {
    const long long target = WallSeconds(now);
    if (WallSeconds(first) > target) return std::nullopt;
    if (repeat == CountRepeat::Never) return first;
    long long k = NextIndex(first, repeat, now);
    if (WallSeconds(Occurrence(first, repeat, k)) > target) --k;
    return Occurrence(first, repeat, k);
}

bool OccursOn(const CountdownFields& first, CountRepeat repeat, CivilDate day) {
    // Compared by day alone: an occurrence that day at any time counts.
    const CountdownFields firstDay{first.year, first.month, first.day, 0, 0, 0};
    const std::optional<CountdownFields> latest =
        LatestOccurrence(firstDay, repeat, {day.year, day.month, day.day, 0, 0, 0});
    return latest && CivilDate{latest->year, latest->month, latest->day} == day;
}

}  // namespace zentrova
