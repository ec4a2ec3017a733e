#include "calendar/month_grid.h"

#include <gtest/gtest.h>

#include "settings/date_time.h"

namespace zentrova {
namespace {

constexpr CalendarMetrics kFace210{210, 236, 30};
constexpr double kRow210 = 236.0 / 9.0;  // 26.222...

void ExpectRect(const RectF& rect, double x, double y, double width, double height) {
    EXPECT_FLOAT_EQ(rect.x, static_cast<float>(x));
    EXPECT_FLOAT_EQ(rect.y, static_cast<float>(y));
    EXPECT_FLOAT_EQ(rect.width, static_cast<float>(width));
    EXPECT_FLOAT_EQ(rect.height, static_cast<float>(height));
}

TEST(MonthDays, LeapYearsFollowTheGregorianRule) {
    struct Case {
        int year, month, days;
    };
    for (const Case& c : {Case{2024, 2, 29}, Case{2000, 2, 29}, Case{1900, 2, 28}, Case{2026, 2, 28},
                          Case{2025, 4, 30}, Case{2025, 12, 31}}) {
        EXPECT_EQ(LayoutMonth(kFace210, c.year, c.month, 0).days.size(), static_cast<std::size_t>(c.days))
            << c.year << "-" << c.month;
    }
}

TEST(MonthLayoutFixedCells, MatchTheFaceOf210) {
    const MonthLayout layout = LayoutMonth(kFace210, 2026, 2, 0);
    ExpectRect(layout.previousArrow, 0, 0, 30, kRow210);
    ExpectRect(layout.nextArrow, 180, 0, 30, kRow210);
    ExpectRect(layout.title, 30, 0, 150, kRow210);
    ExpectRect(layout.dayNames[3], 90, kRow210, 30, kRow210);
    ExpectRect(layout.dayNameRow, 0, kRow210, 210, kRow210);
    ExpectRect(layout.footer, 0, 236 - kRow210, 210, kRow210);
    EXPECT_NEAR(layout.footer.y, 209.777, 0.001);
    ExpectRect(layout.footerLeft, 0, 236 - kRow210, 105, kRow210);
    ExpectRect(layout.footerRight, 105, 236 - kRow210, 105, kRow210);
}

TEST(MonthLayoutFixedCells, DayColumnsUseTheRealSeventhNotTheIntegerCell) {
    // W = 212 gives C = 30 but a column of 30.285...: the last day-name
    // column starts at 6 x 212 / 7, not at 6 x C.
    const MonthLayout layout = LayoutMonth({212, 238, 30}, 2026, 2, 0);
    ExpectRect(layout.dayNames[6], 6 * 212 / 7.0, 238 / 9.0, 212 / 7.0, 238 / 9.0);
    ExpectRect(layout.nextArrow, 182, 0, 30, 238 / 9.0);
}

TEST(MonthLayoutDays, WednesdayInWeekRowTwo) {
    // February 2026 starts on a Sunday: the 18th is the Wednesday of row 2.
    const MonthLayout layout = LayoutMonth(kFace210, 2026, 2, 0);
    const DayCell& day = layout.days[17];
    EXPECT_EQ(day.day, 18);
    EXPECT_EQ(day.weekday, 4);
    EXPECT_EQ(day.weekRow, 2);
    ExpectRect(day.rect, 90, 2 * 236 / 9.0 + 2 * 236 / 9.0, 30, kRow210);
    EXPECT_NEAR(day.rect.y, 104.888, 0.001);
}

TEST(MonthLayoutDays, MonthStartingOnSundayFillsFourRows) {
    const MonthLayout layout = LayoutMonth(kFace210, 2026, 2, 0);
    ASSERT_EQ(layout.days.size(), 28u);
    for (const DayCell& day : layout.days) {
        EXPECT_EQ(day.weekRow, (day.day - 1) / 7) << day.day;
        EXPECT_EQ(day.weekday, (day.day - 1) % 7 + 1) << day.day;
    }
}

TEST(MonthLayoutDays, SaturdayStartSpillsIntoTheSixthRow) {
    for (int year : {2025, 2026}) {
        const int month = year == 2025 ? 3 : 8;
        const MonthLayout layout = LayoutMonth(kFace210, year, month, 0);
        ASSERT_EQ(layout.days.size(), 31u);
        const DayCell& first = layout.days[0];
        EXPECT_EQ(first.weekRow, 0);
        EXPECT_EQ(first.weekday, 7);
        ExpectRect(first.rect, 180, 2 * kRow210, 30, kRow210);
        EXPECT_EQ(layout.days[1].weekRow, 1);  // the 2nd, a Sunday, opens row 1

        const DayCell& thirtieth = layout.days[29];
        const DayCell& last = layout.days[30];
        EXPECT_EQ(thirtieth.weekRow, 5);
        EXPECT_EQ(thirtieth.weekday, 1);
        EXPECT_EQ(last.weekRow, 5);
        EXPECT_EQ(last.weekday, 2);
        ExpectRect(last.rect, 30, 2 * 236 / 9.0 + 5 * 236 / 9.0, 30, kRow210);
    }
}

TEST(TodayMarker, ComparesTheDayNumberOnly) {
    auto marked = [](int year, int month, int todayDay) {
        std::vector<int> days;
        for (const DayCell& day : LayoutMonth(kFace210, year, month, todayDay).days) {
            if (day.today) days.push_back(day.day);
        }
        return days;
    };
    EXPECT_EQ(marked(2026, 4, 31), std::vector<int>{});  // April has no 31st
    EXPECT_EQ(marked(2026, 5, 31), std::vector<int>{31});
    EXPECT_EQ(marked(1999, 7, 4), std::vector<int>{4});  // any month and year
    EXPECT_EQ(marked(2026, 2, 29), std::vector<int>{});
}

TEST(ArrowHitTest, BoundsAreStrict) {
    struct Case {
        PointI point;
        bool previous;
        bool next;
    };
    // W = 210, C = 30: the squares are 0 < X < 30 and 180 < X < 210, 0 < Y < 30.
    const Case cases[] = {
        {{1, 1}, true, false},    {{29, 29}, true, false},  {{1, 29}, true, false},
        {{30, 5}, false, false},  {{5, 0}, false, false},   {{0, 5}, false, false},
        {{5, 30}, false, false},  {{181, 1}, false, true},  {{209, 29}, false, true},
        {{180, 5}, false, false}, {{210, 5}, false, false}, {{200, 0}, false, false},
        {{105, 10}, false, false},
    };
    for (const Case& c : cases) {
        const ArrowHit hit = HitTestArrows(c.point, kFace210);
        EXPECT_EQ(hit.previous, c.previous) << c.point.x << "," << c.point.y;
        EXPECT_EQ(hit.next, c.next) << c.point.x << "," << c.point.y;
    }
}

TEST(ArrowHitTest, SensitiveSquareReachesBelowTheDrawnArrow) {
    // Y = C - 1 = 29 lies below the arrow cell (height 26.2) yet pages.
    const MonthLayout layout = LayoutMonth(kFace210, 2026, 1, 0);
    ASSERT_GT(29.0F, layout.previousArrow.height);
    EXPECT_TRUE(HitTestArrows({1, 29}, kFace210).previous);
}

}  // namespace
}  // namespace zentrova
