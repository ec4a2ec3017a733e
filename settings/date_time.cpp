#include "settings/date_time.h"

#include <cmath>

namespace zentrova {
namespace {

// Days from 0001-03-01 style civil algorithm (proleptic Gregorian).
constexpr long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;  // days since 1970-01-01
}

CivilDate CivilFromDays(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = static_cast<long long>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp + (mp < 10 ? 3 : -9);
    return {static_cast<int>(y + (m <= 2)), static_cast<int>(m), static_cast<int>(d)};
}

// Fixed at compile time, so that dates encoded while other files' statics
// are initialised do not read it before it is set.
constexpr long long kEpochOffset = DaysFromCivil(1899, 12, 30);

}  // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    switch (month) {
        case 1: case 3: case 5: case 7: case 8: case 10: case 12: return 31;
        case 4: case 6: case 9: case 11: return 30;
        case 2: return IsLeapYear(year) ? 29 : 28;
        default: return 0;
    }
}

int WeekdayOf(int year, int month, int day) {
    long long days = DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day));
    // 1970-01-01 was a Thursday (5 in the Sunday = 1 numbering).
    long long wd = (days % 7 + 7 + 4) % 7;  // 0 = Sunday
    return static_cast<int>(wd) + 1;
}

long long DayNumber(CivilDate date) {
    return DaysFromCivil(date.year, static_cast<unsigned>(date.month), static_cast<unsigned>(date.day)) - kEpochOffset;
}

double EncodeDate(int year, int month, int day) { return static_cast<double>(DayNumber({year, month, day})); }

double EncodeTime(int hour, int minute, int second, int millisecond) {
    return (((hour * 60.0 + minute) * 60.0 + second) * 1000.0 + millisecond) / 86400000.0;
}

CivilDate DecodeDate(double value) {
    static const double kFirst = EncodeDate(kMinYear, 1, 1);
    static const double kLast = EncodeDate(kMaxYear, 12, 31);
    if (!std::isfinite(value)) value = 0;
    double whole = std::trunc(value);
    if (whole < kFirst) whole = kFirst;
    if (whole > kLast) whole = kLast;
    return CivilFromDays(static_cast<long long>(whole) + kEpochOffset);
}

TimeOfDay DecodeTime(double value) {
    if (!std::isfinite(value)) return {};
    double fraction = std::fabs(value - std::trunc(value));
    // Round to the millisecond first, as stored times come from whole seconds.
    long long ms = static_cast<long long>(std::llround(fraction * 86400000.0));
    if (ms >= 86400000) ms = 86400000 - 1;
    long long seconds = ms / 1000;
    return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
}

}  // namespace zentrova
