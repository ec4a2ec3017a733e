#include "clock/clock_formats.h"

#include <array>

namespace zentrova {
namespace {

constexpr std::array<TimeFormatEntry, 4> kTimeFormats{{
    {"h:nn AM/PM", "Hours:Minutes (12 hours am/pm)"},
    {"h:nn:ss AM/PM", "Hours:Minutes:Seconds (12 hours am/pm)"},
    {"hh:nn", "Hours:Minutes (24 hours)"},
    {"hh:nn:ss", "Hours:Minutes:Seconds (24 hours)"},
}};

constexpr std::array<DateFormatEntry, 13> kDateFormats{{
    {"dd mmmm", "Day Month", false},
    {"mmmm dd", "Month Day", false},
    {"mmmm dd, yyyy", "Month Day, Year", false},
    {"dd mmmm, yyyy", "Day Month, Year", false},
    {"dddd", "Day of Week", false},
    {"dd mmmm", "Day of Week, Day Month", true},
    {"mmmm dd", "Day of Week, Month Day", true},
    {"dd mmmm, yyyy", "Day of Week, Day Month, Year", true},
    {"mmmm dd, yyyy", "Day of Week, Month Day, Year", true},
    {"mm/dd/yyyy", "Month/Day/Year(short)", false},
    {"yyyy/mm/dd", "Year/Month/Day(short)", false},
    {"mm-dd-yyyy", "Month-Day-Year(short)", false},
    {"yyyy-mm-dd", "Year-Month-Day(short)", false},
}};

template <typename Entry, std::size_t N>
std::optional<Entry> EntryAt(const std::array<Entry, N>& table, int index) {
    if (index < 0 || index >= static_cast<int>(N)) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::span<const TimeFormatEntry> TimeFormats() { return kTimeFormats; }
std::span<const DateFormatEntry> DateFormats() { return kDateFormats; }

std::optional<TimeFormatEntry> TimeFormatAt(int timeIndex) { return EntryAt(kTimeFormats, timeIndex); }
std::optional<DateFormatEntry> DateFormatAt(int dateIndex) { return EntryAt(kDateFormats, dateIndex); }

bool IsWeekdayDateIndex(int dateIndex) {
    const std::optional<DateFormatEntry> entry = DateFormatAt(dateIndex);
    return entry && entry->weekdayItem;
}

}  // namespace zentrova
