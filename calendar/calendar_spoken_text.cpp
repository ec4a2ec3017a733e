#include "calendar/calendar_spoken_text.h"

#include "clock/date_time_format.h"
#include "language/texts.h"

namespace zentrova {

std::string CalendarSpokenValue(const CalendarState& state, const Locale& locale) {
    LocalTime today;
    today.year = state.TodayYear;
    today.month = state.TodayMonth;
    today.day = state.TodayDay;
    return Tr(TextId::CalendarSpoken, {state.CalendarTitle, FormatDateTime("dddd", today, locale),
                                       FormatWindowsPicture(locale.shortDatePicture, today, locale)});
}

}  // namespace zentrova
