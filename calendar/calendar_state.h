#pragma once
// The calendar's month model: today's date, which moves on when the date
// changes, the month on display and its paging, and every text drawn in the
// cells.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "clock/locale.h"
#include "settings/date_time.h"

namespace zentrova {

struct CalendarState {
    // The local date as the last refresh read it (at first, the creation's).
    std::uint16_t TodayYear = 0;
    std::uint16_t TodayMonth = 0;
    std::uint16_t TodayDay = 0;
    // The month on display, 1..12, within years 1..9999.
    std::uint16_t ShownYear = 0;
    std::uint16_t ShownMonth = 0;
    std::string CalendarTitle;
    std::string CalendarTimeFormat;  // empty until a valid CalendarTimeIndex
    // Set for an "As in Windows" time, whose text the system writes.
    RegionalFormat CalendarTimeRegional = RegionalFormat::None;
    std::string CalendarTimeText;
    // The time of day of the previous tick; face building zeroes it.
    std::uint16_t LastHour = 0;
    std::uint16_t LastMinute = 0;
    std::uint16_t LastSecond = 0;
    // When the user last turned the month (SecondsOf), or -1; the calendar
    // comes back to today's month a while after it.
    std::int64_t TurnedAt = -1;
};

// How long a month turned to stays on show before today's month comes back.
inline constexpr int kReturnToTodaySeconds = 60;

inline constexpr std::array<std::string_view, 7> kDayNames{"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
inline constexpr std::string_view kPreviousArrowText = "<<";
inline constexpr std::string_view kNextArrowText = ">>";

// Captures today's date and shows today's month (a year outside 1..9999 is
// shown as the nearest end of the range).
void StartCalendar(CalendarState& state, const LocalTime& today);

// Moves today to `now`'s date when the date has changed (midnight, a change
// of the clock or the time zone), and shows the new today's month, even
// over a month the user has turned to, so that a calendar left alone never
// misleads about today. True when today moved.
bool FollowToday(CalendarState& state, const LocalTime& now);

// `now` as one running count of seconds, for spans across midnight.
std::int64_t SecondsOf(const LocalTime& now);

// The user turns the month by `months` (negative back) at `now`; stops at
// the ends of the years it can show. True when the shown month changed.
bool TurnMonths(CalendarState& state, int months, const LocalTime& now);

// Shows today's month (the footer's click); true when it was not on show.
bool ShowTodaysMonth(CalendarState& state);

// Today's month comes back kReturnToTodaySeconds after the last turn (at
// once when the clock was set back past the turn); a month shown without a
// turn stays. True when it came back.
bool ReturnToToday(CalendarState& state, const LocalTime& now);

// The title of the shown month, as the region writes a month and its year.
std::string ShownMonthTitle(const CalendarState& state, const Locale& locale);

// The day number that carries today's ring in the shown month: today's day
// when the shown month is today's month, else 0 (no cell).
int MarkedDay(const CalendarState& state);

// Face building's part: the time pattern for `timeIndex` (an index outside
// 0..3 keeps the previous one), the provisional title "mmmm dd" of `now`,
// and the remembered time zeroed so that the next tick draws.
void SelectTimeFormat(CalendarState& state, int timeIndex, const LocalTime& now, const Locale& locale);

// A redraw's texts for `now`: today followed (FollowToday), the time text
// and the title of the shown month (CalendarTitleText); remembers `now`'s time.
void RefreshCalendar(CalendarState& state, const LocalTime& now, const Locale& locale);

// When hour, minute or second differs from the previous refresh's, runs
// RefreshCalendar and returns true (draw).
bool SecondRefresh(CalendarState& state, const LocalTime& now, const Locale& locale);

// The shown month one back / forward. They stop, returning false, at
// January of year 1 and December of year 9999.
bool PageBack(CalendarState& state);
bool PageForward(CalendarState& state);

// The footer's date: "Today " and "mm/dd/yyyy" (the locale's separator)
// when the time is hidden, "mm/dd/yyyy" alone when the time takes the
// right half. Day, month and year stand in the order of the locale's short
// date picture, so "dd.mm.yyyy" for German and "yyyy/mm/dd" for Japanese.
std::string FooterDateText(const LocalTime& now, bool timeShown, const Locale& locale);

// The footer's pattern: two-digit day and month and the four-digit year in
// the picture's order (month, day, year where the picture lacks a field),
// joined by `separator`.
std::string FooterDatePattern(std::string_view shortDatePicture, char separator);

// The day name over a column showing `weekday` (1 = Sunday .. 7): the
// locale's shortest name, or the calendar's own two letters.
std::string_view HeaderDayName(const Locale& locale, int weekday);

std::string DayNumberText(int day);

// The month's title: "mmmm yyyy" where the region writes the month's name
// before the year, else the year and month as the system writes them
// ("2026年12月").
std::string CalendarTitleText(int year, int month, const Locale& locale);

// Whether a picture names the month by name before any year field.
bool MonthNameBeforeYear(std::string_view picture);

}  // namespace zentrova
