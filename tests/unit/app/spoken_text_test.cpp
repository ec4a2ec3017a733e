#include "app/tray_tip.h"
#include "calendar/calendar_spoken_text.h"
#include "clock/clock_spoken_text.h"
#include "countdown/countdown_spoken_text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace zentrova {
namespace {

std::string Tip(std::vector<std::string> clocks, std::string_view countdown) { return TrayTipText(clocks, countdown); }

// What the calendar says showing `title` with `today` as today.
std::string Calendar(const char* title, CivilDate today, const Locale& locale) {
    CalendarState state;
    state.CalendarTitle = title;
    state.TodayYear = static_cast<std::uint16_t>(today.year);
    state.TodayMonth = static_cast<std::uint16_t>(today.month);
    state.TodayDay = static_cast<std::uint16_t>(today.day);
    return CalendarSpokenValue(state, locale);
}

Locale GermanNames() {
    Locale locale = EnglishUnitedStates();
    locale.weekdayNames = {"Sonntag", "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag"};
    locale.shortDatePicture = "dd.MM.yyyy";
    return locale;
}

// What a screen reader hears of each window, one row a case.
constexpr CountdownFields kNow{2026, 12, 10, 10, 16, 0};

TEST(SpokenTextTest, EachWindowSpeaksWhatItShows) {
    const ClockTexts clock{"10:15 AM", "December 10", "Thursday"};
    const Locale english = EnglishUnitedStates();
    const auto Count = [](const char* title, CountdownFields at) { return CountdownSpokenValue(title, kNow, at); };
    struct Row {
        const char* what;
        std::string spoken;
        std::string expected;
    };
    const Row rows[] = {
        {"clock, date hidden", ClockSpokenValue(clock, false, 1), "10:15 AM"},
        {"clock, date shown", ClockSpokenValue(clock, true, 1), "December 10, 10:15 AM"},
        {"clock, date with weekday", ClockSpokenValue(clock, true, 5), "Thursday, December 10, 10:15 AM"},
        {"days ahead", Count("Christmas", {2026, 12, 25, 14, 55, 12}), "Christmas: 15 days, 4 hours, 39 minutes"},
        {"singulars, no zeros", Count("Trip", {2028, 1, 10, 11, 17, 59}), "Trip: 1 year, 1 month, 1 hour, 1 minute"},
        {"across the year's end", Count("New Year", {2027, 1, 1, 0, 0, 0}), "New Year: 21 days, 13 hours, 44 minutes"},
        {"last minute", Count("Launch", {2026, 12, 10, 10, 16, 42}), "Launch: 42 seconds"},
        {"one second", Count("Launch", {2026, 12, 10, 10, 16, 1}), "Launch: 1 second"},
        {"the moment", Count("Launch", kNow), "Launch: now"},
        {"passed", Count("Party", {2026, 12, 8, 7, 16, 0}), "Party: 2 days, 3 hours ago"},
        // The face shows this one as -1 minute and 59 seconds.
        {"passed by a second", Count("Party", {2026, 12, 10, 10, 15, 59}), "Party: 1 second ago"},
        {"empty title", Count("", {2026, 12, 10, 12, 16, 0}), ": 2 hours"},
        {"tray tip", Tip({"3:21 AM"}, "Christmas: 14 days"), "Zentrova\n3:21 AM; Christmas: 14 days"},
        {"tray tip before the windows speak", Tip({""}, ""), "Zentrova"},
        {"tray tip, three clocks", Tip({"3:21 AM", "Tokyo 17:21", "Kathmandu 14:06"}, "Christmas: 14 days"),
         "Zentrova\n3:21 AM; Tokyo 17:21; Kathmandu 14:06; Christmas: 14 days"},
        // 31 units a clock: the fourth would pass the shell's 127.
        {"tray tip, clocks past its room left out from the last", Tip(std::vector<std::string>(5, std::string(29, 'x')), ""),
         "Zentrova\n" + std::string(29, 'x') + "; " + std::string(29, 'x') + "; " + std::string(29, 'x')},
        {"calendar", Calendar("December 2026", {2026, 12, 10}, english), "December 2026, today Thursday, 12/10/2026"},
        {"calendar, paged", Calendar("March 2027", {2026, 12, 31}, english), "March 2027, today Thursday, 12/31/2026"},
        {"calendar, the user's names and picture", Calendar("Februar 2028", {2028, 2, 29}, GermanNames()),
         "Februar 2028, today Dienstag, 29.02.2028"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.spoken, row.expected) << row.what;
}

TEST(SpokenTextTest, AheadUntilTheEventsSecond) {
    for (const auto& [target, ahead] : {std::pair{CountdownFields{2026, 12, 10, 10, 16, 1}, true},
                                        {{2027, 1, 1, 0, 0, 0}, true}, {kNow, false},
                                        {{2026, 12, 10, 10, 15, 59}, false}, {{2025, 12, 31, 23, 59, 59}, false}})
        EXPECT_EQ(CountdownAhead(kNow, target), ahead) << target.day << " " << target.second;
}

}  // namespace
}  // namespace zentrova
