#pragma once
// The user's regional names, separators and pictures that the date and time
// texts use. The platform fills one from the system's regional settings;
// the fixed English (United States) one serves the tests and as a fallback.

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "settings/date_time.h"

namespace zentrova {

// The system's own date and time texts, whole, as Windows writes them for
// the region: genitive month names, the region's order and calendar.
enum class RegionalFormat { None, ShortDate, LongDate, ShortTime, LongTime, YearMonth };

struct Locale {
    // The region's name ("en-US", "ru-RU").
    std::string name = "en-US";
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
    std::string longDatePicture = "dddd, MMMM d, yyyy";
    std::string shortTimePicture = "h:mm tt";
    std::string yearMonthPicture = "MMMM yyyy";
    std::string amDesignator = "AM";
    std::string pmDesignator = "PM";
    // The shortest day names ("Su"), Sunday first; an empty entry falls back
    // to the calendar's own two letters.
    std::array<std::string, 7> shortestWeekdayNames;
    // The week as the region runs it: its first day (1 = Sunday .. 7) and
    // how the first week of a year is chosen (the system's 0..2).
    int firstWeekday = 1;
    int firstWeekRule = 0;
    // Asks the system for a regional text; empty when it cannot answer. A
    // locale without one (the tests', the fallback) writes the pictures.
    std::function<std::string(RegionalFormat, const LocalTime&)> systemFormat;
};

inline constexpr std::string_view kUnitedStatesRegion = "en-US";

Locale EnglishUnitedStates();

// Names for a month 1..12 and a weekday 1 = Sunday .. 7 = Saturday; empty
// for a number outside the range, so a bad date can never index outside.
const std::string& MonthName(const Locale& locale, int month);
const std::string& WeekdayName(const Locale& locale, int weekday);
const std::string& AbbreviatedMonthName(const Locale& locale, int month);
const std::string& AbbreviatedWeekdayName(const Locale& locale, int weekday);

}  // namespace zentrova
