// The "As in Windows" entries: the system's own texts for the region, asked
// for by kind, and the calendar's title as the region writes it.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "calendar/calendar_state.h"
#include "clock/clock_formats.h"
#include "clock/date_time_format.h"

namespace zentrova {
namespace {

// What Windows' date and time calls give on 10 December 2026 at 13:21:05
// for a region (short date, long date, short time, long time, month and
// year, in RegionalFormat's order), its month-and-year picture, December's
// name in its month list, and the calendar's title.
struct Region {
    const char* name;
    std::array<const char*, 5> windows;
    const char* yearMonthPicture;
    const char* monthName;
    const char* title;
};

const Region kRegions[] = {
    {"en-US", {"12/10/2026", "Thursday, December 10, 2026", "1:21 PM", "1:21:05 PM", "December 2026"},
     "MMMM yyyy", "December", "December 2026"},
    {"de-DE", {"10.12.2026", "Donnerstag, 10. Dezember 2026", "13:21", "13:21:05", "Dezember 2026"},
     "MMMM yyyy", "Dezember", "Dezember 2026"},
    {"ru-RU", {"10.12.2026", "10 декабря 2026 г.", "13:21", "13:21:05", "Декабрь 2026"},
     "MMMM yyyy", "Декабрь", "Декабрь 2026"},
    {"ja-JP", {"2026/12/10", "2026年12月10日", "13:21", "13:21:05", "2026年12月"},
     "yyyy'年'M'月'", "12月", "2026年12月"},
};

const LocalTime kNow{2026, 12, 10, 13, 21, 5, 0};

std::string WindowsText(const Region& region, RegionalFormat format) {
    return region.windows[static_cast<std::size_t>(format) - 1];
}

Locale RegionLocale(const Region& region) {
    Locale locale = EnglishUnitedStates();
    locale.name = region.name;
    locale.monthNames[11] = region.monthName;
    locale.yearMonthPicture = region.yearMonthPicture;
    locale.systemFormat = [&region](RegionalFormat format, const LocalTime& time) {
        const bool asked = time.year == 2026 && time.month == 12 && (time.day == 10 || time.day == 1);
        return asked ? WindowsText(region, format) : std::string("asked for another day");
    };
    return locale;
}

TEST(RegionalFormats, EntriesShowTheirOwnTextOrWhatWindowsWritesForTheRegion) {
    // In the time list or the date list, at an index, and the entry's label.
    const std::tuple<bool, int, RegionalFormat, const char*> entries[] = {
        {true, 4, RegionalFormat::ShortTime, "As in Windows (short): "},
        {true, 5, RegionalFormat::LongTime, "As in Windows (long): "},
        {false, 13, RegionalFormat::ShortDate, "As in Windows (short): "},
        {false, 14, RegionalFormat::LongDate, "As in Windows (long): "}};
    for (const Region& region : kRegions) {
        const Locale locale = RegionLocale(region);
        // The date list, then the time list, as `time` picks them.
        const std::vector<std::string> items[] = {DateFormatItems(kNow, locale), TimeFormatItems(kNow, locale)};
        for (const auto& [time, index, format, label] : entries) {
            const std::string windows = WindowsText(region, format);
            const DateTimeFormat entry = time ? TimeFormatAt(index)->Format() : DateFormatAt(index)->Format();
            EXPECT_EQ(FormatWith(entry, kNow, locale), windows) << region.name << " " << index;
            EXPECT_EQ(items[time][index], label + windows) << region.name;
        }
        EXPECT_EQ(CalendarTitleText(2026, 12, locale), region.title) << region.name;
    }
    // The program's own formats keep their output and show it as their sample.
    const Locale english = RegionLocale(kRegions[0]);
    const std::vector<std::string> timeItems = TimeFormatItems(kNow, english);
    const std::vector<std::string> dateItems = DateFormatItems(kNow, english);
    EXPECT_EQ(timeItems[0], "Hours:Minutes (12 hours am/pm): 1:21 PM");
    EXPECT_EQ(timeItems[3], "Hours:Minutes:Seconds (24 hours): 13:21:05");
    EXPECT_EQ(dateItems[3], "Day Month, Year: 10 December, 2026");
    EXPECT_EQ(dateItems[4], "Day of Week: Thursday");
    EXPECT_EQ(dateItems[7], "Day of Week, Day Month, Year: Thursday, 10 December, 2026");
    EXPECT_EQ(dateItems[9], "Month/Day/Year(short): 12/10/2026");
}

TEST(RegionalFormats, WithoutTheSystemThePicturesWriteTheTexts) {
    const LocalTime now{2026, 12, 10, 9, 5, 7, 0};
    Locale locale = EnglishUnitedStates();
    const std::pair<RegionalFormat, const char*> cases[] = {
        {RegionalFormat::ShortDate, "12/10/2026"},  {RegionalFormat::LongDate, "Thursday, December 10, 2026"},
        {RegionalFormat::ShortTime, "9:05 AM"},     {RegionalFormat::LongTime, "9:05:07 AM"},
        {RegionalFormat::YearMonth, "December 2026"}, {RegionalFormat::None, ""}};
    for (const auto& [format, text] : cases) EXPECT_EQ(FormatRegional(format, now, locale), text);
    // A system that declines (a date it does not format) falls back too.
    locale.systemFormat = [](RegionalFormat, const LocalTime&) { return std::string(); };
    EXPECT_EQ(FormatRegional(RegionalFormat::ShortDate, now, locale), "12/10/2026");
}

TEST(CalendarTitle, MonthNameFirstKeepsTheTitleElseTheRegionWritesIt) {
    const std::pair<const char*, bool> cases[] = {
        {"MMMM yyyy", true},      {"MMMM, yyyy", true},        {"yyyy'年'M'月'", false}, {"yyyy. MMMM", false},
        {"'Monat' yyyy MMMM", false}, {"MMM yy", true},        {"M/yyyy", false},        {"", false}};
    for (const auto& [picture, monthFirst] : cases) EXPECT_EQ(MonthNameBeforeYear(picture), monthFirst) << picture;
}

}  // namespace
}  // namespace zentrova
