#pragma once
// The clock's time and date formats by index, with the labels the settings
// window lists them under. The calendar uses the same time formats.

#include <optional>
#include <span>
#include <string_view>

namespace zentrova {

struct TimeFormatEntry {
    std::string_view pattern;
    std::string_view label;
};

struct DateFormatEntry {
    std::string_view pattern;
    std::string_view label;
    bool weekdayItem;  // the weekday name is shown as an item of its own before the date
};

// The weekday item is always formatted with this pattern.
inline constexpr std::string_view kWeekdayPattern = "dddd";

// In index order (the index is the stored TimeIndex / DateIndex).
std::span<const TimeFormatEntry> TimeFormats();
std::span<const DateFormatEntry> DateFormats();

// Nothing for an index outside the table.
std::optional<TimeFormatEntry> TimeFormatAt(int timeIndex);
std::optional<DateFormatEntry> DateFormatAt(int dateIndex);

// DateIndex 5..8: the date formats with a separate weekday item.
bool IsWeekdayDateIndex(int dateIndex);

}  // namespace zentrova
