#include "clock/clock_formats.h"

#include <array>

namespace zentrova {
namespace {

using R = RegionalFormat;

// Entries are only ever appended, so a stored index keeps its meaning.
constexpr std::array<TimeFormatEntry, 6> kTimeFormats{{
    {"h:nn AM/PM", "Hours:Minutes (12 hours am/pm)"},
    {"h:nn:ss AM/PM", "Hours:Minutes:Seconds (12 hours am/pm)"},
    {"hh:nn", "Hours:Minutes (24 hours)"},
    {"hh:nn:ss", "Hours:Minutes:Seconds (24 hours)"},
    {"", "As in Windows (short)", R::ShortTime},
    {"", "As in Windows (long)", R::LongTime},
}};

constexpr std::array<DateFormatEntry, 15> kDateFormats{{
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
    {"", "As in Windows (short)", false, R::ShortDate},
    {"", "As in Windows (long)", false, R::LongDate},
}};

// A first start outside English (United States) stores these indices.
static_assert(kTimeFormats[4].regional == R::ShortTime && kDateFormats[13].regional == R::ShortDate);

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

namespace {

std::string Item(std::string_view label, const std::string& sample) {
    std::string item(label);
    item += ": ";
    item += sample;
    return item;
}

}  // namespace

std::vector<std::string> TimeFormatItems(const LocalTime& now, const Locale& locale) {
    std::vector<std::string> items;
    for (const TimeFormatEntry& entry : kTimeFormats) {
        items.push_back(Item(entry.label, FormatWith(entry.Format(), now, locale)));
    }
    return items;
}

std::vector<std::string> DateFormatItems(const LocalTime& now, const Locale& locale) {
    std::vector<std::string> items;
    for (const DateFormatEntry& entry : kDateFormats) {
        std::string sample = FormatWith(entry.Format(), now, locale);
        // As the clock's one line shows it: the weekday item, then the date.
        if (entry.weekdayItem) sample = FormatDateTime(kWeekdayPattern, now, locale) + ", " + sample;
        items.push_back(Item(entry.label, sample));
    }
    return items;
}

bool IsWeekdayDateIndex(int dateIndex) {
    const std::optional<DateFormatEntry> entry = DateFormatAt(dateIndex);
    return entry && entry->weekdayItem;
}

}  // namespace zentrova
