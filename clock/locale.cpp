#include "clock/locale.h"

namespace zentrova {
namespace {

const std::string kNoName;

template <std::size_t N>
const std::string& NameAt(const std::array<std::string, N>& names, int number) {
    if (number < 1 || number > static_cast<int>(N)) return kNoName;
    return names[static_cast<std::size_t>(number - 1)];
}

template <std::size_t N>
const std::string& AbbreviationAt(const std::array<std::string, N>& abbreviations,
                                  const std::array<std::string, N>& names, int number) {
    const std::string& abbreviation = NameAt(abbreviations, number);
    return abbreviation.empty() ? NameAt(names, number) : abbreviation;
}

}  // namespace

Locale EnglishUnitedStates() {
    Locale locale;
    locale.monthNames = {"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};
    locale.weekdayNames = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    locale.abbreviatedMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                    "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    locale.abbreviatedWeekdayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    locale.shortestWeekdayNames = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    return locale;
}

const std::string& MonthName(const Locale& locale, int month) { return NameAt(locale.monthNames, month); }

const std::string& WeekdayName(const Locale& locale, int weekday) { return NameAt(locale.weekdayNames, weekday); }

const std::string& AbbreviatedMonthName(const Locale& locale, int month) {
    return AbbreviationAt(locale.abbreviatedMonthNames, locale.monthNames, month);
}

const std::string& AbbreviatedWeekdayName(const Locale& locale, int weekday) {
    return AbbreviationAt(locale.abbreviatedWeekdayNames, locale.weekdayNames, weekday);
}

}  // namespace zentrova
