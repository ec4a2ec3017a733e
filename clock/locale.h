#pragma once
// The user's regional names, separators and pictures that the date and time
// texts use. The platform fills one from the system's regional settings;
// the fixed English (United States) one serves the tests and as a fallback.

#include <array>
#include <string>

namespace zentrova {

struct Locale {
    std::array<std::string, 12> monthNames;   // January first
    std::array<std::string, 7> weekdayNames;  // Sunday first
    // Optional; an empty entry falls back to the full name.
    std::array<std::string, 12> abbreviatedMonthNames;
    std::array<std::string, 7> abbreviatedWeekdayNames;
    std::string timeSeparator = ":";
    std::string dateSeparator = "/";
    // Windows picture syntax ("M/d/yyyy", "h:mm:ss tt").
    std::string shortDatePicture = "M/d/yyyy";
    std::string longTimePicture = "h:mm:ss tt";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // The shortest day names ("Su"), Sunday first; an empty entry falls back
    // to the calendar's own two letters.
    std::array<std::string, 7> shortestWeekdayNames;
    // The week as the region runs it: its first day (1 = Sunday .. 7) and
    // how the first week of a year is chosen (the system's 0..2).
    int firstWeekday = 1;
    int firstWeekRule = 0;
};

Locale EnglishUnitedStates();

// Names for a month 1..12 and a weekday 1 = Sunday .. 7 = Saturday; empty
// for a number outside the range, so a bad date can never index outside.
const std::string& MonthName(const Locale& locale, int month);
const std::string& WeekdayName(const Locale& locale, int weekday);
const std::string& AbbreviatedMonthName(const Locale& locale, int month);
const std::string& AbbreviatedWeekdayName(const Locale& locale, int weekday);

}  // namespace zentrova
