#pragma once
// Which day a calendar week starts on and how weeks are numbered: ISO 8601
// or a Windows first-week rule. Pure date arithmetic.

#include "settings/date_time.h"

namespace zentrova {

// How the first week of a year is chosen, numbered as the system numbers
// its first-week rule.
enum class FirstWeekRule {
    ContainsJanuaryFirst = 0,  // the week holding 1 January
    FirstFullWeek = 1,         // the first week wholly in the new year
    FirstFourDayWeek = 2,      // the first week with four days in the new year
};

// The week numbers the calendar shows, as stored.
enum class WeekNumbering { Off = 0, Iso8601 = 1, AsInWindows = 2 };

// The days of a week, 1 = Sunday .. 7 = Saturday, as WeekdayOf numbers them.
constexpr int kSunday = 1;
constexpr int kMonday = 2;

// Weekday (1 = Sunday .. 7) from the system's first-day-of-week number
// (0 = Monday .. 6 = Sunday); anything else gives Sunday.
int WeekdayFromSystemFirstDay(int systemDay);

// The calendar's first weekday: the stored choice (0 = Monday .. 6 = Sunday)
// or, for -1 or anything outside that range, the system's `localeFirstWeekday`.
int CalendarFirstWeekday(int storedWeekStart, int localeFirstWeekday);

// The number (1..53) of the week holding `date` when weeks start on
// `firstWeekday` and week 1 is chosen by `rule`.
int WeekNumber(CivilDate date, int firstWeekday, FirstWeekRule rule);

// The number shown beside a grid row whose first day is `rowStart`: the ISO
// week of the row's middle day (for a Monday-first row its Thursday, which
// names the ISO week), or the system's rule with the row's own first day.
// 0 for Off.
int RowWeekNumber(CivilDate rowStart, WeekNumbering numbering, FirstWeekRule localeRule);

// `date` moved by `days` days.
CivilDate AddDays(CivilDate date, int days);

}  // namespace zentrova
