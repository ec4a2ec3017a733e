#pragma once
// What a screen reader hears of each display window besides its caption:
// the value, in words it can speak, built from the same texts the frames
// draw.

#include <string>
#include <string_view>

#include "calendar/calendar_state.h"
#include "clock/clock_face.h"
#include "clock/locale.h"
#include "countdown/remaining_time.h"

namespace zentrova {

// The clock: the line drawn ("date, time"), or the time alone when the date
// is hidden.
std::string ClockSpokenValue(const ClockTexts& texts, bool dateShown, int dateIndex);

// The countdown: "Title: 15 days, 4 hours, 39 minutes". Units that are zero
// are left out; seconds are said only in the last minute, so the value
// changes once a minute rather than every second. A passed event reads
// "Title: 2 days, 3 hours ago", counted up from the event (the face's
// borrowed fields of a passed event mix signs, which no one could say);
// the moment itself "Title: now".
std::string CountdownSpokenValue(std::string_view title, const CountdownFields& now, const CountdownFields& event);

// True while the event still lies ahead of `now`.
bool CountdownAhead(const CountdownFields& now, const CountdownFields& event);

// Said once when the countdown reaches its event.
std::string CountdownReachedText(std::string_view title);

// The calendar: the month shown and today's date, "December 2026, today
// Thursday, 12/10/2026" (the short date in the user's own picture).
std::string CalendarSpokenValue(const CalendarState& state, const Locale& locale);

// The notification icon's tip: the program's name and, on a second line,
// the clock's time and the countdown's value.
std::string TrayTipText(std::string_view time, std::string_view countdown);

}  // namespace zentrova
