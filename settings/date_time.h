#pragma once
// Calendar arithmetic and the day-based date-time value (days since
// 30 December 1899, time of day as the fraction of a day) in which countdown
// dates and times are stored.

#include <cstdint>

namespace zentrova {

// The local date and time as the system reports it.
struct LocalTime {
    int year = 1899;
    int month = 12;  // 1..12
    int day = 30;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

constexpr int kMinYear = 1;
constexpr int kMaxYear = 9999;

bool IsLeapYear(int year);
// Days of the month in the Gregorian calendar; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// 1 = Sunday .. 7 = Saturday.
int WeekdayOf(int year, int month, int day);

// Whole day number of a date (30 December 1899 is day 0).
double EncodeDate(int year, int month, int day);
// The same as an integer, for counting days.
long long DayNumber(CivilDate date);
// Fraction of a day for a time of day.
double EncodeTime(int hour, int minute, int second, int millisecond = 0);
// Date part of a date-time value; values outside years 1..9999 clamp to the
// nearest end so that a corrupt stored value can never produce a wild date.
CivilDate DecodeDate(double value);
// Time-of-day part (milliseconds dropped).
TimeOfDay DecodeTime(double value);

}  // namespace zentrova
