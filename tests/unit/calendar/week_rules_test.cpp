#include "calendar/week_rules.h"

#include <gtest/gtest.h>

#include "calendar/calendar_face.h"
#include "calendar/month_grid.h"

namespace zentrova {
namespace {

constexpr int kSaturday = 7;

TEST(WeekNumber, YearEndsInIsoAndUnitedStatesNumbering) {
    struct Case {
        CivilDate date;
        int firstWeekday;
        FirstWeekRule rule;
        int week;
    };
    constexpr FirstWeekRule kIso = FirstWeekRule::FirstFourDayWeek;
    constexpr FirstWeekRule kUs = FirstWeekRule::ContainsJanuaryFirst;
    const Case cases[] = {
        {{2024, 12, 30}, kMonday, kIso, 1},   // Monday of week 1 of 2025
        {{2024, 12, 29}, kMonday, kIso, 52},  // the Sunday before it
        {{2021, 1, 3}, kMonday, kIso, 53},    // still week 53 of 2020
        {{2021, 1, 4}, kMonday, kIso, 1},
        {{2027, 1, 1}, kMonday, kIso, 53},    // a Friday in week 53 of 2026
        {{2026, 12, 28}, kMonday, kIso, 53},
        {{2026, 3, 12}, kMonday, kIso, 11},
        {{2022, 1, 1}, kSunday, kUs, 1},      // a Saturday: the week holding 1 January
        {{2022, 1, 2}, kSunday, kUs, 2},
        {{2022, 12, 31}, kSunday, kUs, 53},
        {{2023, 1, 1}, kSunday, kUs, 1},
        {{2022, 1, 1}, kSunday, FirstWeekRule::FirstFullWeek, 52},  // the full week starts on the 2nd
        {{2022, 1, 2}, kSunday, FirstWeekRule::FirstFullWeek, 1},
        {{1, 1, 1}, kMonday, kIso, 1},        // the first date there is, a Monday
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekNumber(c.date, c.firstWeekday, c.rule), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day << " rule " << static_cast<int>(c.rule);
    }
}

TEST(WeekNumber, EveryDayOfAWeekHasItsNumberAndWeeksCountUpByOne) {
    // Across the years around the ends in question, seven days share a
    // number and the next week's is one more or restarts at 1.
    for (FirstWeekRule rule :
         {FirstWeekRule::ContainsJanuaryFirst, FirstWeekRule::FirstFullWeek, FirstWeekRule::FirstFourDayWeek}) {
        for (int first = kSunday; first <= kSaturday; ++first) {
            CivilDate day{2019, 12, 1};
            while (WeekdayOf(day.year, day.month, day.day) != first) day = AddDays(day, 1);
            int previous = WeekNumber(day, first, rule);
            for (int week = 0; week < 8 * 53; ++week, day = AddDays(day, 7)) {
                const int number = WeekNumber(day, first, rule);
                for (int i = 1; i < 7; ++i) ASSERT_EQ(WeekNumber(AddDays(day, i), first, rule), number);
                if (week > 0) ASSERT_TRUE(number == previous + 1 || number == 1) << day.year << "-" << day.month;
                ASSERT_LE(number, 53);
                previous = number;
            }
        }
    }
}

TEST(FirstWeekday, StoredChoiceOverTheRegions) {
    struct Case {
        int stored, locale, expected;
    };
    for (const Case& c : {Case{-1, kSunday, kSunday}, Case{-1, kMonday, kMonday}, Case{0, kSunday, kMonday},
                          Case{5, kMonday, kSaturday}, Case{6, kMonday, kSunday}, Case{7, kMonday, kMonday},
                          Case{-1, 0, kSunday}}) {
        EXPECT_EQ(CalendarFirstWeekday(c.stored, c.locale), c.expected) << c.stored << " " << c.locale;
    }
    // The system numbers its days from Monday = 0.
    EXPECT_EQ(WeekdayFromSystemFirstDay(0), kMonday);
    EXPECT_EQ(WeekdayFromSystemFirstDay(6), kSunday);
    EXPECT_EQ(WeekdayFromSystemFirstDay(9), kSunday);
}

TEST(MondayFirstGrid, ColumnsRowsAndNamesFollowTheFirstDay) {
    // March 2026 starts on a Sunday: last column of row 0 when Monday is first.
    const WeekLayout monday{kMonday, WeekNumbering::Iso8601, FirstWeekRule::ContainsJanuaryFirst};
    const MonthLayout layout = LayoutMonth({210, 236, 30}, 2026, 3, 9, monday);
    EXPECT_EQ(layout.dayNameWeekdays, (std::array<int, 7>{2, 3, 4, 5, 6, 7, 1}));
    ASSERT_EQ(layout.days.size(), 31u);
    for (const DayCell& day : layout.days) {
        EXPECT_EQ(day.column, (day.day + 5) % 7) << day.day;
        EXPECT_EQ(day.weekRow, (day.day + 5) / 7) << day.day;
        EXPECT_FLOAT_EQ(day.rect.x, static_cast<float>(day.column * 30));
    }
    EXPECT_TRUE(layout.days[8].today);
    // Six rows, numbered by ISO weeks 9 to 14.
    ASSERT_EQ(layout.weekNumbers.size(), 6u);
    for (int row = 0; row < 6; ++row) {
        EXPECT_EQ(layout.weekNumbers[row].weekRow, row);
        EXPECT_EQ(layout.weekNumbers[row].number, 9 + row);
    }
}

TEST(WeekNumberRows, SundayFirstRowsAcrossTheYearsEnd) {
    struct Case {
        WeekNumbering numbering;
        int year, month;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        // December 2024 rows start 1, 8, 15, 22, 29: ISO takes each row's Wednesday.
        {WeekNumbering::Iso8601, 2024, 12, {49, 50, 51, 52, 1}},
        {WeekNumbering::AsInWindows, 2022, 1, {1, 2, 3, 4, 5, 6}},
        {WeekNumbering::AsInWindows, 2022, 12, {49, 50, 51, 52, 53}},
        {WeekNumbering::Off, 2022, 12, {}},
    };
    for (const Case& c : cases) {
        const MonthLayout layout =
            LayoutMonth({210, 236, 30, 0}, c.year, c.month, 0, {kSunday, c.numbering, FirstWeekRule::ContainsJanuaryFirst});
        std::vector<int> numbers;
        for (const WeekNumberCell& cell : layout.weekNumbers) numbers.push_back(cell.number);
        EXPECT_EQ(numbers, c.numbers) << c.year << "-" << c.month;
    }
}

TEST(WeekColumn, WidensTheFaceAndShiftsTheGridAt96And144Dpi) {
    struct Case {
        int dpi;
        CalendarMetrics metrics;
    };
    // A header 191 wide gives W 210 at 96 DPI and 315 at 144 DPI.
    for (const Case& c : {Case{96, {210, 236, 30, 22}}, Case{144, {315, 354, 45, 34}}}) {
        const DpiScale scale{c.dpi};
        const CalendarMetrics metrics = MetricsForHeaderWidth(191, scale, true);
        EXPECT_EQ(metrics, c.metrics) << c.dpi;
        const CalendarMetrics plain = MetricsForHeaderWidth(191, scale);
        EXPECT_EQ(plain.weekColumn, 0);
        EXPECT_EQ(metrics.FaceWidth(), plain.width + c.metrics.weekColumn);
        EXPECT_LE(metrics.FaceWidth(), CalendarFaceCapacity(scale, true).width);

        const WeekLayout iso{kMonday, WeekNumbering::Iso8601, FirstWeekRule::ContainsJanuaryFirst};
        const MonthLayout shifted = LayoutMonth(metrics, 2026, 3, 0, iso);
        const MonthLayout unshifted = LayoutMonth(plain, 2026, 3, 0, iso);
        const float column = static_cast<float>(metrics.weekColumn);
        EXPECT_FLOAT_EQ(shifted.title.x, unshifted.title.x + column);
        EXPECT_FLOAT_EQ(shifted.nextArrow.x, unshifted.nextArrow.x + column);
        EXPECT_FLOAT_EQ(shifted.footer.x, column);
        EXPECT_FLOAT_EQ(shifted.days[0].rect.x, unshifted.days[0].rect.x + column);
        ASSERT_EQ(shifted.weekNumbers.size(), 6u);
        for (const WeekNumberCell& cell : shifted.weekNumbers) {
            EXPECT_EQ(cell.rect.x, 0.0f);
            EXPECT_EQ(cell.rect.width, column);
            for (const DayCell& day : shifted.days) {
                if (day.weekRow == cell.weekRow) EXPECT_EQ(cell.rect.y, day.rect.y) << day.day;
            }
        }
        // The arrows' sensitive squares move with them.
        const int c0 = metrics.cell;
        EXPECT_TRUE(HitTestArrows({metrics.weekColumn + 1, 1}, metrics).previous);
        EXPECT_FALSE(HitTestArrows({metrics.weekColumn - 1, 1}, metrics).previous);
        EXPECT_TRUE(HitTestArrows({metrics.FaceWidth() - 1, c0 - 1}, metrics).next);
    }
}

}  // namespace
}  // namespace zentrova
