#include "calendar/calendar_state.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "clock/locale.h"

namespace zentrova {
namespace {

LocalTime At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return LocalTime{year, month, day, hour, minute, second, 0};
}

CalendarState StartedOn(int year, int month, int day) {
    CalendarState state;
    StartCalendar(state, At(year, month, day));
    return state;
}

TEST(CalendarStart, ShowsTodaysMonth) {
    const CalendarState state = StartedOn(2026, 1, 31);
    EXPECT_EQ(state.TodayYear, 2026);
    EXPECT_EQ(state.TodayMonth, 1);
    EXPECT_EQ(state.TodayDay, 31);
    EXPECT_EQ(state.ShownYear, 2026);
    EXPECT_EQ(state.ShownMonth, 1);
}

TEST(CalendarStart, YearOutsideTheDateRangeIsHeldToIt) {
    EXPECT_EQ(StartedOn(10000, 5, 1).ShownYear, kMaxYear);
    EXPECT_EQ(StartedOn(0, 5, 1).ShownYear, kMinYear);
}

TEST(CalendarPaging, CrossesYearEndsBothWays) {
    CalendarState state = StartedOn(2026, 1, 15);
    EXPECT_TRUE(PageBack(state));
    EXPECT_EQ(state.ShownYear, 2025);
    EXPECT_EQ(state.ShownMonth, 12);

    state = StartedOn(2026, 12, 15);
    EXPECT_TRUE(PageForward(state));
    EXPECT_EQ(state.ShownYear, 2027);
    EXPECT_EQ(state.ShownMonth, 1);

    EXPECT_TRUE(PageForward(state));
    EXPECT_EQ(state.ShownMonth, 2);
    EXPECT_TRUE(PageBack(state));
    EXPECT_EQ(state.ShownMonth, 1);
}

TEST(CalendarPaging, StopsAtTheEndsOfTheDateRange) {
    CalendarState state = StartedOn(1, 2, 10);
    EXPECT_TRUE(PageBack(state));
    EXPECT_FALSE(PageBack(state));
    EXPECT_EQ(state.ShownYear, 1);
    EXPECT_EQ(state.ShownMonth, 1);
    EXPECT_TRUE(PageForward(state));  // still pages away from the end

    state = StartedOn(9999, 11, 10);
    EXPECT_TRUE(PageForward(state));
    EXPECT_FALSE(PageForward(state));
    EXPECT_EQ(state.ShownYear, 9999);
    EXPECT_EQ(state.ShownMonth, 12);
    EXPECT_TRUE(PageBack(state));
    EXPECT_EQ(state.ShownMonth, 11);
}

// Today moves with the date and the shown month follows it, from a month
// turned to as well; the ring marks today's day in today's month alone.
TEST(FollowToday, TheRingAndTheShownMonthFollowTheDate) {
    struct Case {
        const char* what;
        LocalTime started;
        int pages;  // forward (+) or back (-) before the date changes
        LocalTime now;
        bool moved;
        int shownYear, shownMonth, markedDay;
    };
    const Case cases[] = {
        {"past midnight", At(2026, 12, 9, 23, 59, 59), 0, At(2026, 12, 10), true, 2026, 12, 10},
        {"a month end", At(2026, 1, 31, 23, 59, 59), 0, At(2026, 2, 1), true, 2026, 2, 1},
        {"a leap day's end", At(2028, 2, 29, 23, 59, 59), 0, At(2028, 3, 1), true, 2028, 3, 1},
        {"a year end", At(2026, 12, 31, 23, 59, 59), 0, At(2027, 1, 1), true, 2027, 1, 1},
        {"a turned month gives way", At(2026, 12, 31, 23, 59, 59), 3, At(2027, 1, 1), true, 2027, 1, 1},
        {"paged to the new month", At(2026, 12, 31, 23, 59, 59), 1, At(2027, 1, 1), true, 2027, 1, 1},
        {"a year back gives way", At(2026, 12, 31), -12, At(2027, 1, 1), true, 2027, 1, 1},
        {"the clock set back a month", At(2026, 3, 1, 0, 0, 5), 0, At(2026, 2, 20, 0, 0, 5), true, 2026, 2, 20},
        {"the same day later", At(2026, 3, 1, 8), 0, At(2026, 3, 1, 23, 59, 59), false, 2026, 3, 1},
    };
    for (const Case& c : cases) {
        CalendarState state;
        StartCalendar(state, c.started);
        for (int i = 0; i < c.pages; ++i) PageForward(state);
        for (int i = 0; i > c.pages; --i) PageBack(state);
        EXPECT_EQ(FollowToday(state, c.now), c.moved) << c.what;
        EXPECT_EQ(state.TodayYear, c.now.year) << c.what;
        EXPECT_EQ(state.TodayMonth, c.now.month) << c.what;
        EXPECT_EQ(state.TodayDay, c.now.day) << c.what;
        EXPECT_EQ(state.ShownYear, c.shownYear) << c.what;
        EXPECT_EQ(state.ShownMonth, c.shownMonth) << c.what;
        EXPECT_EQ(MarkedDay(state), c.markedDay) << c.what;
    }
}

// A turned month stays a minute after the last turn, then today's month
// comes back by itself; the footer's click brings it back at once.
TEST(ReturnToToday, AMinuteAfterTheLastTurnOrAtMidnight) {
    struct Case {
        const char* what;
        std::vector<std::pair<int, LocalTime>> turns;  // months, and when
        LocalTime now;
        int shownYear, shownMonth;
    };
    const LocalTime noon = At(2026, 12, 10, 12);
    const Case cases[] = {
        {"59 seconds on", {{1, noon}}, At(2026, 12, 10, 12, 0, 59), 2027, 1},
        {"a minute on", {{1, noon}}, At(2026, 12, 10, 12, 1, 0), 2026, 12},
        {"the minute runs from the last turn", {{1, noon}, {1, At(2026, 12, 10, 12, 0, 40)}},
         At(2026, 12, 10, 12, 1, 10), 2027, 2},
        {"the clock set back past the turn", {{-1, noon}}, At(2026, 12, 10, 11, 59, 0), 2026, 12},
        {"midnight within the minute", {{-2, At(2026, 12, 10, 23, 59, 30)}}, At(2026, 12, 11), 2026, 12},
        {"turned there and back", {{1, noon}, {-1, noon}}, At(2026, 12, 10, 12, 5), 2026, 12},
    };
    const Locale locale = EnglishUnitedStates();
    for (const Case& c : cases) {
        CalendarState state = StartedOn(2026, 12, 10);
        for (const auto& [months, at] : c.turns) EXPECT_TRUE(TurnMonths(state, months, at)) << c.what;
        RefreshCalendar(state, c.now, locale);
        EXPECT_EQ(state.ShownYear, c.shownYear) << c.what;
        EXPECT_EQ(state.ShownMonth, c.shownMonth) << c.what;
    }
}

TEST(FollowToday, TheRefreshAfterMidnightRetitlesTheFollowingMonth) {
    const Locale locale = EnglishUnitedStates();
    CalendarState state = StartedOn(2026, 12, 31);
    SelectTimeFormat(state, 3, At(2026, 12, 31), locale);
    ASSERT_TRUE(SecondRefresh(state, At(2026, 12, 31, 23, 59, 59), locale));
    EXPECT_EQ(state.CalendarTitle, "December 2026");
    ASSERT_TRUE(SecondRefresh(state, At(2027, 1, 1, 0, 0, 0), locale));
    EXPECT_EQ(state.CalendarTitle, "January 2027");
    EXPECT_EQ(MarkedDay(state), 1);
}

TEST(CalendarTimeFormat, IndexChoosesTheClocksPatterns) {
    const Locale locale = EnglishUnitedStates();
    struct Case {
        int index;
        const char* format;
        const char* text;
    };
    for (const Case& c : {Case{0, "h:nn AM/PM", "1:05 PM"}, Case{1, "h:nn:ss AM/PM", "1:05:09 PM"},
                          Case{2, "hh:nn", "13:05"}, Case{3, "hh:nn:ss", "13:05:09"}}) {
        CalendarState state = StartedOn(2024, 5, 17);
        SelectTimeFormat(state, c.index, At(2024, 5, 17), locale);
        EXPECT_EQ(state.CalendarTimeFormat, c.format);
        ASSERT_TRUE(SecondRefresh(state, At(2024, 5, 17, 13, 5, 9), locale));
        EXPECT_EQ(state.CalendarTimeText, c.text);
    }
}

TEST(CalendarTimeFormat, IndexOutsideTheTableKeepsThePreviousPattern) {
    const Locale locale = EnglishUnitedStates();
    CalendarState state = StartedOn(2024, 5, 17);
    SelectTimeFormat(state, 6, At(2024, 5, 17), locale);
    EXPECT_EQ(state.CalendarTimeFormat, "");
    ASSERT_TRUE(SecondRefresh(state, At(2024, 5, 17, 9, 30, 0), locale));
    EXPECT_EQ(state.CalendarTimeText, "");  // no pattern yet: no time text

    SelectTimeFormat(state, 2, At(2024, 5, 17), locale);
    SelectTimeFormat(state, -1, At(2024, 5, 17), locale);
    EXPECT_EQ(state.CalendarTimeFormat, "hh:nn");
}

TEST(CalendarTitle, ProvisionalUntilTheFirstRefreshThenShownMonth) {
    const Locale locale = EnglishUnitedStates();
    CalendarState state = StartedOn(2024, 5, 7);
    SelectTimeFormat(state, 0, At(2024, 5, 7, 10), locale);
    EXPECT_EQ(state.CalendarTitle, "May 07");

    PageBack(state);
    ASSERT_TRUE(SecondRefresh(state, At(2024, 5, 7, 10, 0, 1), locale));
    EXPECT_EQ(state.CalendarTitle, "April 2024");
}

TEST(CalendarTitle, FollowsTheLocalesMonthNames) {
    Locale locale = EnglishUnitedStates();
    locale.monthNames[4] = "Mai";
    CalendarState state = StartedOn(2024, 5, 7);
    SelectTimeFormat(state, 0, At(2024, 5, 7), locale);
    ASSERT_TRUE(SecondRefresh(state, At(2024, 5, 7, 8), locale));
    EXPECT_EQ(state.CalendarTitle, "Mai 2024");
}

TEST(SecondRefresh, DrawsOnlyWhenTheSecondChanges) {
    const Locale locale = EnglishUnitedStates();
    CalendarState state = StartedOn(2024, 5, 17);
    SelectTimeFormat(state, 3, At(2024, 5, 17), locale);
    EXPECT_TRUE(SecondRefresh(state, At(2024, 5, 17, 10, 0, 0), locale));
    EXPECT_FALSE(SecondRefresh(state, At(2024, 5, 17, 10, 0, 0), locale));
    EXPECT_TRUE(SecondRefresh(state, At(2024, 5, 17, 10, 0, 1), locale));
    EXPECT_EQ(state.CalendarTimeText, "10:00:01");
    EXPECT_TRUE(SecondRefresh(state, At(2024, 5, 17, 11, 0, 1), locale));  // hour alone
}

TEST(SecondRefresh, FaceBuildingForcesTheNextRefreshExceptAtMidnight) {
    const Locale locale = EnglishUnitedStates();
    CalendarState state = StartedOn(2024, 5, 17);
    SelectTimeFormat(state, 3, At(2024, 5, 17), locale);
    ASSERT_TRUE(SecondRefresh(state, At(2024, 5, 17, 10, 0, 0), locale));
    SelectTimeFormat(state, 3, At(2024, 5, 17), locale);
    EXPECT_TRUE(SecondRefresh(state, At(2024, 5, 17, 10, 0, 0), locale));

    SelectTimeFormat(state, 3, At(2024, 5, 17), locale);
    EXPECT_FALSE(SecondRefresh(state, At(2024, 5, 18, 0, 0, 0), locale));
    EXPECT_TRUE(SecondRefresh(state, At(2024, 5, 18, 0, 0, 1), locale));
}

TEST(FooterDate, PrefixAndSeparatorDependOnTheTimeHalf) {
    Locale locale = EnglishUnitedStates();
    const LocalTime now = At(2024, 5, 7, 10);
    EXPECT_EQ(FooterDateText(now, false, locale), "Today 05/07/2024");
    EXPECT_EQ(FooterDateText(now, true, locale), "05/07/2024");

    locale.dateSeparator = std::string(1, '-');
    EXPECT_EQ(FooterDateText(now, false, locale), "Today 05-07-2024");
    EXPECT_EQ(FooterDateText(now, true, locale), "05-07-2024");  // the region's separator either way
}

TEST(FooterDate, FieldsInTheOrderOfTheShortDatePicture) {
    // {picture, separator, time hidden, time shown}
    const char* const cases[][4] = {
        {"M/d/yyyy", "/", "Today 12/09/2026", "12/09/2026"},                // English (United States)
        {"dd.MM.yyyy", ".", "Today 09.12.2026", "09.12.2026"},              // German
        {"yyyy/MM/dd", "/", "Today 2026/12/09", "2026/12/09"},              // Japanese
        {"d/M/yy", "-", "Today 09-12-2026", "09-12-2026"},                  // two-digit year still four
        {"dddd, d 'de' MMMM 'yy'", "/", "Today 09/12/2026", "09/12/2026"},  // quoted letters skipped
        {"", "/", "Today 12/09/2026", "12/09/2026"}};                       // no picture: month first
    for (const auto& [picture, separator, hidden, shown] : cases) {
        Locale locale = EnglishUnitedStates();
        locale.shortDatePicture = picture;
        locale.dateSeparator = separator;
        EXPECT_EQ(FooterDateText(At(2026, 12, 9, 10), false, locale), hidden) << picture;
        EXPECT_EQ(FooterDateText(At(2026, 12, 9, 10), true, locale), shown) << picture;
    }
}

TEST(CalendarTexts, HeaderNamesAreTheRegionsShortestOrTheCalendarsOwn) {
    Locale locale = EnglishUnitedStates();
    EXPECT_EQ(HeaderDayName(locale, 1), "Su");
    EXPECT_EQ(HeaderDayName(locale, 7), "Sa");
    locale.shortestWeekdayNames = {"So", "Mo", "Di", "Mi", "Do", "", "Sa"};
    EXPECT_EQ(HeaderDayName(locale, 4), "Mi");
    EXPECT_EQ(HeaderDayName(locale, 6), "Fr");  // not given: the calendar's own
    EXPECT_EQ(HeaderDayName(locale, 0), "");
    EXPECT_EQ(HeaderDayName(locale, 8), "");
}

TEST(CalendarTexts, DayNumbersHaveNoLeadingZero) {
    EXPECT_EQ(DayNumberText(7), "7");
    EXPECT_EQ(DayNumberText(31), "31");
}

}  // namespace
}  // namespace zentrova
