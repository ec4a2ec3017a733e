#pragma once
// Date and time texts: the clock's patterns ("h:nn AM/PM", "mmmm dd, yyyy"),
// the system's short date and long time pictures ("M/d/yyyy", "h:mm:ss tt"),
// and the countdown list's entry line built from them.

#include <string>
#include <string_view>

#include "clock/locale.h"
#include "settings/date_time.h"

namespace zentrova {

// Clock pattern specifiers (case-sensitive):
//   h, hh  hour without / with a leading zero; 12-hour (0 -> 12, 13 -> 1)
//          when the pattern holds "AM/PM", else 24-hour
//   nn, ss minute, second, two digits
//   AM/PM  "AM" before noon, "PM" from noon on
//   dd, mm day, month number, two digits
//   mmmm   full month name;  dddd  full weekday name;  yyyy  four-digit year
//   :  /   the locale's time and date separators
// Anything else is copied unchanged; an empty pattern gives an empty text.
std::string FormatDateTime(std::string_view pattern, const LocalTime& time, const Locale& locale);

// Windows picture syntax: d dd ddd dddd, M MM MMM MMMM, y yy yyyy, h hh
// (12-hour), H HH (24-hour), m mm, s ss, t (first letter of the designator),
// tt, and 'quoted literals' ('' is a quote). Era letters (g, gg) are left
// out; every other character is copied, separators included.
std::string FormatWindowsPicture(std::string_view picture, const LocalTime& time, const Locale& locale);

// The region's own text of `format` (RegionalFormat::None gives nothing):
// the system's answer where the locale can ask, else the matching picture.
std::string FormatRegional(RegionalFormat format, const LocalTime& time, const Locale& locale);

// A chosen format: the clock's pattern, or the system's regional text.
struct DateTimeFormat {
    std::string pattern;
    RegionalFormat regional = RegionalFormat::None;
    bool Empty() const { return pattern.empty() && regional == RegionalFormat::None; }
};

std::string FormatWith(const DateTimeFormat& format, const LocalTime& time, const Locale& locale);

// A countdown list line, the same for every entry however it came into the
// list: title, two blanks, the date in the short date picture, two blanks,
// the time in the long time picture. `date` and `time` are day-based
// date-time values; only the date part of `date` and the time-of-day part of
// `time` count.
std::string CountEntryLine(std::string_view title, double date, double time, const Locale& locale);

// An entry's day and time as the region writes them, for naming the entry
// on its own: the long date, a blank and the short time.
std::string CountEntryWhen(double date, double time, const Locale& locale);

}  // namespace zentrova
