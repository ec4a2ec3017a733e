#include "calendar/week_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "calendar/calendar_face.h"
#include "calendar/month_grid.h"

namespace zentrova {
namespace {

constexpr int kSaturday = 7;
constexpr FirstWeekRule kIso = FirstWeekRule::FirstFourDayWeek;
constexpr FirstWeekRule kUs = FirstWeekRule::ContainsJanuaryFirst;
constexpr FirstWeekRule kFull = FirstWeekRule::FirstFullWeek;

TEST(WeekNumber, YearEndsInIsoAndUnitedStatesNumbering) {
    struct Case {
        CivilDate date;
        int firstWeekday;
        FirstWeekRule rule;
        int week;
    };
    const Case cases[] = {
        // ISO: Monday 30 December 2024 opens week 1 of 2025; 3 January 2021 is still in week 53 of 2020 and
        // Friday 1 January 2027 in week 53 of 2026; 1 January of year 1, the first date there is, is a Monday.
        {{2024, 12, 30}, kMonday, kIso, 1}, {{2024, 12, 29}, kMonday, kIso, 52}, {{2021, 1, 3}, kMonday, kIso, 53},
        {{2021, 1, 4}, kMonday, kIso, 1},   {{2027, 1, 1}, kMonday, kIso, 53},   {{2026, 12, 28}, kMonday, kIso, 53},
        {{2026, 3, 12}, kMonday, kIso, 11}, {{1, 1, 1}, kMonday, kIso, 1},
        // Saturday 1 January 2022 is week 1 when week 1 holds it, week 52 when week 1 is the first full one.
        {{2022, 1, 1}, kSunday, kUs, 1},    {{2022, 1, 2}, kSunday, kUs, 2},     {{2022, 12, 31}, kSunday, kUs, 53},
        {{2023, 1, 1}, kSunday, kUs, 1},    {{2022, 1, 1}, kSunday, kFull, 52},  {{2022, 1, 2}, kSunday, kFull, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WeekNumber(c.date, c.firstWeekday, c.rule), c.week)
            << c.date.year << "-" << c.date.month << "-" << c.date.day << " rule " << static_cast<int>(c.rule);
    }
}

TEST(WeekNumber, EveryDayOfAWeekHasItsNumberAndWeeksCountUpByOne) {
    // Across the years around the ends in question, seven days share a
    // number and the next week's is one more or restarts at 1.
    for (FirstWeekRule rule : {kUs, kFull, kIso}) {
        for (int first = kSunday; first <= kSaturday; ++first) {
            CivilDate day{2019, 12, 1};
            while (WeekdayOf(day.year, day.month, day.day) != first) day = AddDays(day, 1);
            int previous = WeekNumber(day, first, rule);
            for (int week = 0; week < 8 * 53; ++week, day = AddDays(day, 7)) {
                const int number = WeekNumber(day, first, rule);
                for (int i = 1; i < 7; ++i) ASSERT_EQ(WeekNumber(AddDays(day, i), first, rule), number);
                if (week > 0) {
                    ASSERT_TRUE(number == previous + 1 || number == 1) << day.year << "-" << day.month;
                }
                ASSERT_LE(number, 53);
                previous = number;
            }
        }
    }
}

TEST(FirstWeekday, StoredChoiceOverTheRegions) {
    // {stored, region's, expected}: stored days count from Monday = 0, as the system numbers them.
    const int cases[][3] = {{-1, kSunday, kSunday}, {-1, kMonday, kMonday}, {0, kSunday, kMonday},
                            {5, kMonday, kSaturday}, {6, kMonday, kSunday}, {7, kMonday, kMonday}, {-1, 0, kSunday}};
    for (const auto& c : cases) EXPECT_EQ(CalendarFirstWeekday(c[0], c[1]), c[2]) << c[0] << " " << c[1];
    for (const auto& [system, weekday] : {std::pair{0, kMonday}, {6, kSunday}, {9, kSunday}}) {
        EXPECT_EQ(WeekdayFromSystemFirstDay(system), weekday) << system;
    }
}

TEST(WeekColumn, WidensTheFaceAndNumbersTheRowsOfTheShiftedGridAt96And144Dpi) {
    struct Case {
        int firstWeekday;
        WeekNumbering numbering;
        int year, month, columnOfTheFirst;
        std::vector<int> numbers;
    };
    const Case cases[] = {
        // December 2024 rows start 1, 8, 15, 22, 29: ISO takes each row's Wednesday.
        {kSunday, WeekNumbering::Iso8601, 2024, 12, 0, {49, 50, 51, 52, 1}},
        {kSunday, WeekNumbering::AsInWindows, 2022, 1, 6, {1, 2, 3, 4, 5, 6}},
        {kSunday, WeekNumbering::AsInWindows, 2022, 12, 4, {49, 50, 51, 52, 53}},
        {kSunday, WeekNumbering::Off, 2022, 12, 4, {}},
        // March 2026 starts on a Sunday, the last column of row 0 with Monday first.
        {kMonday, WeekNumbering::Iso8601, 2026, 3, 6, {9, 10, 11, 12, 13, 14}},
    };
    // A header 191 wide gives W 210 at 96 DPI and 315 at 144 DPI.
    for (const auto& [dpi, expected] : {std::pair{96, CalendarMetrics{210, 236, 30, 22}}, {144, {315, 354, 45, 34}}}) {
        const DpiScale scale{dpi};
        const CalendarMetrics metrics = MetricsForHeaderWidth(191, scale, true);
        const CalendarMetrics plain = MetricsForHeaderWidth(191, scale);
        EXPECT_EQ(metrics, expected) << dpi;
        EXPECT_EQ(plain.weekColumn, 0);
        EXPECT_EQ(metrics.FaceWidth(), plain.width + metrics.weekColumn);
        EXPECT_LE(metrics.FaceWidth(), CalendarFaceCapacity(scale, true).width);
        // The arrows' sensitive squares move with the grid.
        EXPECT_TRUE(HitTestArrows({metrics.weekColumn + 1, 1}, metrics).previous);
        EXPECT_FALSE(HitTestArrows({metrics.weekColumn - 1, 1}, metrics).previous);
        EXPECT_TRUE(HitTestArrows({metrics.FaceWidth() - 1, metrics.cell - 1}, metrics).next);

        const float column = static_cast<float>(metrics.weekColumn);
        for (const Case& c : cases) {
            const WeekLayout weeks{c.firstWeekday, c.numbering, kUs};
            const MonthLayout layout = LayoutMonth(metrics, c.year, c.month, 0, weeks);
            const MonthLayout unshifted = LayoutMonth(plain, c.year, c.month, 0, weeks);
            EXPECT_FLOAT_EQ(layout.title.x, unshifted.title.x + column);
            EXPECT_FLOAT_EQ(layout.nextArrow.x, unshifted.nextArrow.x + column);
            EXPECT_FLOAT_EQ(layout.footer.x, column);
            for (const DayCell& day : layout.days) {
                const int slot = day.day - 1 + c.columnOfTheFirst;
                EXPECT_EQ(day.column, slot % 7) << day.day;
                EXPECT_EQ(day.weekRow, slot / 7) << day.day;
                EXPECT_FLOAT_EQ(day.rect.x, column + static_cast<float>(day.column * metrics.cell)) << day.day;
                EXPECT_EQ(layout.dayNameWeekdays[static_cast<std::size_t>(day.column)], day.weekday) << day.day;
            }
            std::vector<int> numbers;
            for (const WeekNumberCell& cell : layout.weekNumbers) {
                const std::size_t firstOfRow = static_cast<std::size_t>(std::max(0, 7 * cell.weekRow - c.columnOfTheFirst));
                const RectF& row = layout.days[firstOfRow].rect;
                EXPECT_EQ(cell.weekRow, static_cast<int>(numbers.size()));
                EXPECT_EQ(cell.rect, (RectF{0, row.y, column, row.height})) << cell.weekRow;
                numbers.push_back(cell.number);
            }
            EXPECT_EQ(numbers, c.numbers) << c.year << "-" << c.month;
        }
    }
}

}  // namespace
}  // namespace zentrova
