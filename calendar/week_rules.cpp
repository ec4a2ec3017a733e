#include "calendar/week_rules.h"

namespace zentrova {
namespace {

constexpr int kDaysPerWeek = 7;
constexpr int kMinDaysOfFirstWeek = 4;

// Days from the start of the week back to `date`, 0..6.
int DaysIntoWeek(CivilDate date, int firstWeekday) {
    return (WeekdayOf(date.year, date.month, date.day) - firstWeekday + kDaysPerWeek) % kDaysPerWeek;
}

// The day number on which week 1 of `year` starts.
long long FirstWeekStart(int year, int firstWeekday, FirstWeekRule rule) {
    const CivilDate newYear{year, 1, 1};
    const int offset = DaysIntoWeek(newYear, firstWeekday);
    const long long weekOfNewYear = DayNumber(newYear) - offset;
    switch (rule) {
        case FirstWeekRule::ContainsJanuaryFirst: return weekOfNewYear;
        case FirstWeekRule::FirstFullWeek: return offset == 0 ? weekOfNewYear : weekOfNewYear + kDaysPerWeek;
        case FirstWeekRule::FirstFourDayWeek:
            return kDaysPerWeek - offset >= kMinDaysOfFirstWeek ? weekOfNewYear : weekOfNewYear + kDaysPerWeek;
    }
    return weekOfNewYear;
}

}  // namespace

int WeekdayFromSystemFirstDay(int systemDay) {
    if (systemDay < 0 || systemDay > 6) return kSunday;
    return (systemDay + 1) % kDaysPerWeek + 1;
}

int CalendarFirstWeekday(int storedWeekStart, int localeFirstWeekday) {
    if (storedWeekStart >= 0 && storedWeekStart <= 6) return WeekdayFromSystemFirstDay(storedWeekStart);
    return localeFirstWeekday >= 1 && localeFirstWeekday <= kDaysPerWeek ? localeFirstWeekday : kSunday;
}

CivilDate AddDays(CivilDate date, int days) { return DecodeDate(static_cast<double>(DayNumber(date) + days)); }

int WeekNumber(CivilDate date, int firstWeekday, FirstWeekRule rule) {
    const long long day = DayNumber(date);
    int year = date.year;
    // The week-numbering year is the calendar year or one of its neighbours.
    if (year < kMaxYear && day >= FirstWeekStart(year + 1, firstWeekday, rule)) {
        ++year;
    } else if (year > kMinYear && day < FirstWeekStart(year, firstWeekday, rule)) {
        --year;
    }
    const long long start = FirstWeekStart(year, firstWeekday, rule);
    if (day < start) return 1;  // before week 1 of year 1: nothing earlier to count
    return static_cast<int>((day - start) / kDaysPerWeek) + 1;
}

int RowWeekNumber(CivilDate rowStart, WeekNumbering numbering, FirstWeekRule localeRule) {
    switch (numbering) {
        case WeekNumbering::Off: return 0;
        case WeekNumbering::Iso8601:
            return WeekNumber(AddDays(rowStart, 3), kMonday, FirstWeekRule::FirstFourDayWeek);
        case WeekNumbering::AsInWindows:
            return WeekNumber(rowStart, WeekdayOf(rowStart.year, rowStart.month, rowStart.day), localeRule);
    }
    return 0;
}

}  // namespace zentrova
