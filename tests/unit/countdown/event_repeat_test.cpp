#include "countdown/event_repeat.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentrova {
namespace {

constexpr CountRepeat kNever = CountRepeat::Never;
constexpr CountRepeat kWeek = CountRepeat::Week;
constexpr CountRepeat kMonth = CountRepeat::Month;
constexpr CountRepeat kYear = CountRepeat::Year;
CountdownFields At(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
    return {year, month, day, hour, minute, second};
}

// The next occurrence a countdown counts to and the latest one a notice
// tells, on the wall clock.
TEST(EventRepeat, NextAndLatestOccurrence) {
    struct Case {
        const char* name;
        CountdownFields first;
        CountRepeat repeat;
        CountdownFields now, next;
        std::optional<CountdownFields> latest;
    };
    const Case cases[] = {
        {"once, ahead", At(2026, 5, 1, 9), kNever, At(2026, 4, 1), At(2026, 5, 1, 9), std::nullopt},
        {"once, passed", At(2026, 5, 1, 9), kNever, At(2026, 6, 1), At(2026, 5, 1, 9), At(2026, 5, 1, 9)},
        {"monthly, on time", At(2026, 1, 15, 9), kMonth, At(2026, 3, 15, 9), At(2026, 3, 15, 9), At(2026, 3, 15, 9)},
        {"monthly, a second on", At(2026, 1, 15, 9), kMonth, At(2026, 3, 15, 9, 0, 1), At(2026, 4, 15, 9),
         At(2026, 3, 15, 9)},
        // The 31st falls on a shorter month's last day, and comes back.
        {"31st in February", At(2026, 1, 31, 8), kMonth, At(2026, 2, 10), At(2026, 2, 28, 8), At(2026, 1, 31, 8)},
        {"31st after February", At(2026, 1, 31, 8), kMonth, At(2026, 3, 1), At(2026, 3, 31, 8), At(2026, 2, 28, 8)},
        {"31st in April, later", At(2020, 1, 31, 8), kMonth, At(2026, 4, 15), At(2026, 4, 30, 8), At(2026, 3, 31, 8)},
        {"30th in a leap February", At(2027, 11, 30), kMonth, At(2028, 2, 1), At(2028, 2, 29), At(2028, 1, 30)},
        {"29 Feb., common year", At(2024, 2, 29, 12), kYear, At(2026, 3, 1), At(2027, 2, 28, 12), At(2026, 2, 28, 12)},
        {"29 Feb., leap year", At(2024, 2, 29, 12), kYear, At(2027, 3, 1), At(2028, 2, 29, 12), At(2027, 2, 28, 12)},
        {"weekly, the year end", At(2026, 12, 29, 10), kWeek, At(2027, 1, 2), At(2027, 1, 5, 10), At(2026, 12, 29, 10)},
        {"weekly, months on", At(2026, 1, 6, 10), kWeek, At(2026, 6, 10, 10), At(2026, 6, 16, 10), At(2026, 6, 9, 10)},
        // 02:30 on 29 March 2026 never shows on a clock that springs from
        // 02:00 to 03:00: at 03:00 it has arrived, and the next is 02:30
        // again a week on.
        {"over a skipped hour", At(2026, 3, 22, 2, 30), kWeek, At(2026, 3, 29, 3), At(2026, 4, 5, 2, 30),
         At(2026, 3, 29, 2, 30)},
        {"monthly before the first", At(2026, 5, 31), kMonth, At(2026, 5, 30), At(2026, 5, 31), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NextOccurrence(c.first, c.repeat, c.now), c.next) << c.name;
        EXPECT_EQ(LatestOccurrence(c.first, c.repeat, c.now), c.latest) << c.name;
    }
}

// The calendar marks each occurrence's day, and none before the first.
TEST(EventRepeat, OccursOnTheDaysOfItsOccurrences) {
    const CountdownFields monthly{2026, 1, 31, 23, 0, 0};
    EXPECT_TRUE(OccursOn(monthly, kMonth, {2026, 2, 28}));
    EXPECT_FALSE(OccursOn(monthly, kMonth, {2026, 2, 27}));
    EXPECT_FALSE(OccursOn(monthly, kMonth, {2025, 12, 31}));
}

}  // namespace
}  // namespace zentrova
