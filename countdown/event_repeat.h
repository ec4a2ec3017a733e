#pragma once
// When a repeating event comes round. Occurrences are counted on the wall
// clock from the entry's own date and time: every week keeps the weekday,
// every month and every year keep the day, falling on the month's last day
// when the month is shorter (29 February on 28 February in a common year),
// and every occurrence keeps the entry's time of day, whatever daylight
// saving time does to the clock in between.

#include <optional>

#include "countdown/remaining_time.h"
#include "settings/date_time.h"
#include "settings/settings.h"

namespace zentrova {

// Seconds since 30 December 1899 of a date and time on the wall clock, so
// that two of them compare and subtract.
long long WallSeconds(const CountdownFields& at);

// The first occurrence at or after `now`; the entry's own date and time
// while that is still ahead, and for an event that never repeats.
CountdownFields NextOccurrence(const CountdownFields& first, CountRepeat repeat, const CountdownFields& now);

// The last occurrence at or before `now`; nothing before the entry's own
// date and time.
std::optional<CountdownFields> LatestOccurrence(const CountdownFields& first, CountRepeat repeat,
                                                const CountdownFields& now);

// Whether the event occurs on `day`, at any time of it.
bool OccursOn(const CountdownFields& first, CountRepeat repeat, CivilDate day);

}  // namespace zentrova
