#include "clock/clock_formats.h"

#include <array>

#include "language/texts.h"

namespace zentrova {
namespace {

using R = RegionalFormat;

// Entries are only ever appended, so a stored index keeps its meaning.
constexpr std::array<TimeFormatEntry, 6> kTimeFormats{{
    {"h:nn AM/PM", TextId::TimeFormat12Short},
    {"h:nn:ss AM/PM", TextId::TimeFormat12Long},
    {"hh:nn", TextId::TimeFormat24Short},
    {"hh:nn:ss", TextId::TimeFormat24Long},
    {"", TextId::FormatAsWindowsShort, R::ShortTime},
    {"", TextId::FormatAsWindowsLong, R::LongTime},
}};

constexpr std::array<DateFormatEntry, 15> kDateFormats{{
    {"dd mmmm", TextId::DateFormatDayMonth, false},
    {"mmmm dd", TextId::DateFormatMonthDay, false},
    {"mmmm dd, yyyy", TextId::DateFormatMonthDayYear, false},
    {"dd mmmm, yyyy", TextId::DateFormatDayMonthYear, false},
    {"dddd", TextId::DateFormatWeekday, false},
    {"dd mmmm", TextId::DateFormatWeekdayDayMonth, true},
    {"mmmm dd", TextId::DateFormatWeekdayMonthDay, true},
    {"dd mmmm, yyyy", TextId::DateFormatWeekdayDayMonthYear, true},
    {"mmmm dd, yyyy", TextId::DateFormatWeekdayMonthDayYear, true},
    {"mm/dd/yyyy", TextId::DateFormatSlashMdy, false},
    {"yyyy/mm/dd", TextId::DateFormatSlashYmd, false},
    {"mm-dd-yyyy", TextId::DateFormatDashMdy, false},
    {"yyyy-mm-dd", TextId::DateFormatDashYmd, false},
    {"", TextId::FormatAsWindowsShort, false, R::ShortDate},
    {"", TextId::FormatAsWindowsLong, false, R::LongDate},
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

std::string Item(TextId label, const std::string& sample) {
    std::string item(Tr(label));
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
