#pragma once
// The clock's time and date formats by index, with the labels the settings
// window lists them under. The calendar uses the same time formats.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "clock/date_time_format.h"
#include "language/text_id.h"

namespace zentrova {

struct TimeFormatEntry {
    std::string_view pattern;
    TextId label;
    // The "As in Windows" entries have no pattern: the system writes them.
    RegionalFormat regional = RegionalFormat::None;
    DateTimeFormat Format() const { return {std::string(pattern), regional}; }
};

struct DateFormatEntry {
    std::string_view pattern;
    TextId label;
    bool weekdayItem;  // the weekday name is shown as an item of its own before the date
    RegionalFormat regional = RegionalFormat::None;
    DateTimeFormat Format() const { return {std::string(pattern), regional}; }
};

// The weekday item is always formatted with this pattern.
inline constexpr std::string_view kWeekdayPattern = "dddd";

// In index order (the index is the stored TimeIndex / DateIndex).
std::span<const TimeFormatEntry> TimeFormats();
std::span<const DateFormatEntry> DateFormats();

// Nothing for an index outside the table.
std::optional<TimeFormatEntry> TimeFormatAt(int timeIndex);
std::optional<DateFormatEntry> DateFormatAt(int dateIndex);

// Each entry's label followed by what it makes of `now` ("Day Month, Year:
// 10 December, 2026"), in index order, for the settings window's lists.
std::vector<std::string> TimeFormatItems(const LocalTime& now, const Locale& locale);
std::vector<std::string> DateFormatItems(const LocalTime& now, const Locale& locale);

// DateIndex 5..8: the date formats with a separate weekday item.
bool IsWeekdayDateIndex(int dateIndex);

}  // namespace zentrova
