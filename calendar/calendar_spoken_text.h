#pragma once
// What a screen reader hears of the calendar besides its caption.

#include <string>

#include "calendar/calendar_state.h"
#include "clock/locale.h"

namespace zentrova {

// The month shown and today's date, "December 2026, today Thursday,
// 12/10/2026" (the short date in the user's own picture).
std::string CalendarSpokenValue(const CalendarState& state, const Locale& locale);

}  // namespace zentrova
