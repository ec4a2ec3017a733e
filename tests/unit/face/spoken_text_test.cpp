#include "face/spoken_text.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

CalendarState CalendarShowing(const char* title, int year, int month, int day) {
    CalendarState state;
    state.CalendarTitle = title;
    state.TodayYear = static_cast<std::uint16_t>(year);
    state.TodayMonth = static_cast<std::uint16_t>(month);
    state.TodayDay = static_cast<std::uint16_t>(day);
    return state;
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
    struct Row {
        const char* what;
        std::string spoken;
        const char* expected;
    };
    const Row rows[] = {
        {"clock, date hidden", ClockSpokenValue(clock, false, 1), "10:15 AM"},
        {"clock, date shown", ClockSpokenValue(clock, true, 1), "December 10, 10:15 AM"},
        {"clock, date with weekday", ClockSpokenValue(clock, true, 5), "Thursday, December 10, 10:15 AM"},
        {"countdown, days ahead", CountdownSpokenValue("Christmas", kNow, {2026, 12, 25, 14, 55, 12}),
         "Christmas: 15 days, 4 hours, 39 minutes"},
        {"countdown, singulars and a zero left out", CountdownSpokenValue("Trip", kNow, {2028, 1, 10, 11, 17, 59}),
         "Trip: 1 year, 1 month, 1 hour, 1 minute"},
        {"countdown, across the year's end", CountdownSpokenValue("New Year", kNow, {2027, 1, 1, 0, 0, 0}),
         "New Year: 21 days, 13 hours, 44 minutes"},
        {"countdown, last minute", CountdownSpokenValue("Launch", kNow, {2026, 12, 10, 10, 16, 42}),
         "Launch: 42 seconds"},
        {"countdown, one second", CountdownSpokenValue("Launch", kNow, {2026, 12, 10, 10, 16, 1}), "Launch: 1 second"},
        {"countdown, the moment", CountdownSpokenValue("Launch", kNow, kNow), "Launch: now"},
        {"countdown, passed", CountdownSpokenValue("Party", kNow, {2026, 12, 8, 7, 16, 0}),
         "Party: 2 days, 3 hours ago"},
        // The face shows this one as -1 minute and 59 seconds.
        {"countdown, passed by a second", CountdownSpokenValue("Party", kNow, {2026, 12, 10, 10, 15, 59}),
         "Party: 1 second ago"},
        {"countdown, empty title", CountdownSpokenValue("", kNow, {2026, 12, 10, 12, 16, 0}), ": 2 hours"},
        {"tray tip", TrayTipText("3:21 AM", "Christmas: 14 days"), "Zentrova\n3:21 AM; Christmas: 14 days"},
        {"tray tip before the windows speak", TrayTipText("", ""), "Zentrova"},
        {"calendar", CalendarSpokenValue(CalendarShowing("December 2026", 2026, 12, 10), english),
         "December 2026, today Thursday, 12/10/2026"},
        {"calendar paged away", CalendarSpokenValue(CalendarShowing("March 2027", 2026, 12, 31), english),
         "March 2027, today Thursday, 12/31/2026"},
        {"calendar, the user's names and picture",
         CalendarSpokenValue(CalendarShowing("Februar 2028", 2028, 2, 29), GermanNames()),
         "Februar 2028, today Dienstag, 29.02.2028"},
    };
    for (const Row& row : rows) EXPECT_EQ(row.spoken, row.expected) << row.what;
}

TEST(SpokenTextTest, AheadUntilTheEventsSecond) {
    EXPECT_TRUE(CountdownAhead(kNow, {2026, 12, 10, 10, 16, 1}));
    EXPECT_TRUE(CountdownAhead(kNow, {2027, 1, 1, 0, 0, 0}));
    EXPECT_FALSE(CountdownAhead(kNow, kNow));
    EXPECT_FALSE(CountdownAhead(kNow, {2026, 12, 10, 10, 15, 59}));
    EXPECT_FALSE(CountdownAhead(kNow, {2025, 12, 31, 23, 59, 59}));
}

}  // namespace
}  // namespace zentrova
