// The "As in Windows" entries: the system's own texts for the region, asked
// for by kind, and the calendar's title as the region writes it.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calendar/calendar_state.h"
#include "clock/clock_formats.h"
#include "clock/date_time_format.h"

namespace zentrova {
namespace {

// What Windows' date and time calls give on 10 December 2026 at 13:21:05
// for a region, and the region's month-and-year picture.
struct Region {
    const char* name;
    const char* yearMonthPicture;
    const char* monthName;  // December, as the month list names it
    std::map<RegionalFormat, std::string> windows;
    const char* title;  // the calendar's
};

const Region kRegions[] = {
    {"en-US", "MMMM yyyy", "December",
     {{RegionalFormat::ShortDate, "12/10/2026"}, {RegionalFormat::LongDate, "Thursday, December 10, 2026"},
      {RegionalFormat::ShortTime, "1:21 PM"}, {RegionalFormat::LongTime, "1:21:05 PM"},
      {RegionalFormat::YearMonth, "December 2026"}},
     "December 2026"},
    {"de-DE", "MMMM yyyy", "Dezember",
     {{RegionalFormat::ShortDate, "10.12.2026"}, {RegionalFormat::LongDate, "Donnerstag, 10. Dezember 2026"},
      {RegionalFormat::ShortTime, "13:21"}, {RegionalFormat::LongTime, "13:21:05"},
      {RegionalFormat::YearMonth, "Dezember 2026"}},
     "Dezember 2026"},
    {"ru-RU", "MMMM yyyy", "Декабрь",
     {{RegionalFormat::ShortDate, "10.12.2026"}, {RegionalFormat::LongDate, "10 декабря 2026 г."},
      {RegionalFormat::ShortTime, "13:21"}, {RegionalFormat::LongTime, "13:21:05"},
      {RegionalFormat::YearMonth, "Декабрь 2026"}},
     "Декабрь 2026"},
    {"ja-JP", "yyyy'年'M'月'", "12月",
     {{RegionalFormat::ShortDate, "2026/12/10"}, {RegionalFormat::LongDate, "2026年12月10日"},
      {RegionalFormat::ShortTime, "13:21"}, {RegionalFormat::LongTime, "13:21:05"},
      {RegionalFormat::YearMonth, "2026年12月"}},
     "2026年12月"},
};

Locale RegionLocale(const Region& region) {
    Locale locale = EnglishUnitedStates();
    locale.name = region.name;
    locale.monthNames[11] = region.monthName;
    locale.yearMonthPicture = region.yearMonthPicture;
    locale.systemFormat = [&region](RegionalFormat format, const LocalTime& time) {
        const bool tenth = time.year == 2026 && time.month == 12 && (time.day == 10 || time.day == 1);
        return tenth ? region.windows.at(format) : std::string("asked for another day");
    };
    return locale;
}

TEST(RegionalFormats, EntriesShowWhatWindowsWritesForTheRegion) {
    const LocalTime now{2026, 12, 10, 13, 21, 5, 0};
    struct Entry {
        bool time;
        int index;
        RegionalFormat format;
    };
    const Entry entries[] = {{true, 4, RegionalFormat::ShortTime},
                             {true, 5, RegionalFormat::LongTime},
                             {false, 13, RegionalFormat::ShortDate},
                             {false, 14, RegionalFormat::LongDate}};
    for (const Region& region : kRegions) {
        const Locale locale = RegionLocale(region);
        const std::vector<std::string> timeItems = TimeFormatItems(now, locale);
        const std::vector<std::string> dateItems = DateFormatItems(now, locale);
        for (const Entry& entry : entries) {
            const std::string& windows = region.windows.at(entry.format);
            const DateTimeFormat format =
                entry.time ? TimeFormatAt(entry.index)->Format() : DateFormatAt(entry.index)->Format();
            EXPECT_EQ(FormatWith(format, now, locale), windows) << region.name << " " << entry.index;
            const std::string& item = entry.time ? timeItems[entry.index] : dateItems[entry.index];
            const char* label = entry.index == 4 || entry.index == 13 ? "As in Windows (short): "
                                                                       : "As in Windows (long): ";
            EXPECT_EQ(item, label + windows) << region.name;
        }
        EXPECT_EQ(CalendarTitleText(2026, 12, locale), region.title) << region.name;
    }
}

TEST(RegionalFormats, ThePartsOwnFormatsKeepTheirOutputAndShowItAsTheirSample) {
    const LocalTime now{2026, 12, 10, 13, 21, 5, 0};
    const Locale locale = RegionLocale(kRegions[0]);
    const std::vector<std::string> timeItems = TimeFormatItems(now, locale);
    const std::vector<std::string> dateItems = DateFormatItems(now, locale);
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
