#include "countdown/event_repeat.h"

#include <gtest/gtest.h>

#include <optional>

namespace zentrova {
namespace {

constexpr CountRepeat kNever = CountRepeat::Never;
constexpr CountRepeat kWeek = CountRepeat::Week;
constexpr CountRepeat kMonth = CountRepeat::Month;
constexpr CountRepeat kYear = CountRepeat::Year;

// The next occurrence a countdown counts to and the latest one a notice
// tells, on the wall clock.
TEST(EventRepeat, NextAndLatestOccurrence) {
    struct Case {
        const char* name;
        CountdownFields first;
        CountRepeat repeat;
        CountdownFields now;
        CountdownFields next;
        std::optional<CountdownFields> latest;
    };
    const Case cases[] = {
        {"once, ahead", {2026, 5, 1, 9, 0, 0}, kNever, {2026, 4, 1, 0, 0, 0}, {2026, 5, 1, 9, 0, 0}, std::nullopt},
        {"once, passed", {2026, 5, 1, 9, 0, 0}, kNever, {2026, 6, 1, 0, 0, 0}, {2026, 5, 1, 9, 0, 0},
         CountdownFields{2026, 5, 1, 9, 0, 0}},
        {"monthly, at the moment", {2026, 1, 15, 9, 0, 0}, kMonth, {2026, 3, 15, 9, 0, 0}, {2026, 3, 15, 9, 0, 0},
         CountdownFields{2026, 3, 15, 9, 0, 0}},
        {"monthly, a second after", {2026, 1, 15, 9, 0, 0}, kMonth, {2026, 3, 15, 9, 0, 1}, {2026, 4, 15, 9, 0, 0},
         CountdownFields{2026, 3, 15, 9, 0, 0}},
        // The 31st falls on a shorter month's last day, and comes back.
        {"31st in February", {2026, 1, 31, 8, 0, 0}, kMonth, {2026, 2, 10, 0, 0, 0}, {2026, 2, 28, 8, 0, 0},
         CountdownFields{2026, 1, 31, 8, 0, 0}},
        {"31st after February", {2026, 1, 31, 8, 0, 0}, kMonth, {2026, 3, 1, 0, 0, 0}, {2026, 3, 31, 8, 0, 0},
         CountdownFields{2026, 2, 28, 8, 0, 0}},
        {"31st in April, years on", {2020, 1, 31, 8, 0, 0}, kMonth, {2026, 4, 15, 0, 0, 0}, {2026, 4, 30, 8, 0, 0},
         CountdownFields{2026, 3, 31, 8, 0, 0}},
        {"30th in a leap February", {2027, 11, 30, 0, 0, 0}, kMonth, {2028, 2, 1, 0, 0, 0}, {2028, 2, 29, 0, 0, 0},
         CountdownFields{2028, 1, 30, 0, 0, 0}},
        {"29 February, common year", {2024, 2, 29, 12, 0, 0}, kYear, {2026, 3, 1, 0, 0, 0}, {2027, 2, 28, 12, 0, 0},
         CountdownFields{2026, 2, 28, 12, 0, 0}},
        {"29 February, leap year", {2024, 2, 29, 12, 0, 0}, kYear, {2027, 3, 1, 0, 0, 0}, {2028, 2, 29, 12, 0, 0},
         CountdownFields{2027, 2, 28, 12, 0, 0}},
        {"weekly across the year end", {2026, 12, 29, 10, 0, 0}, kWeek, {2027, 1, 2, 0, 0, 0},
         {2027, 1, 5, 10, 0, 0}, CountdownFields{2026, 12, 29, 10, 0, 0}},
        {"weekly, months on", {2026, 1, 6, 10, 0, 0}, kWeek, {2026, 6, 10, 10, 0, 0}, {2026, 6, 16, 10, 0, 0},
         CountdownFields{2026, 6, 9, 10, 0, 0}},
        // 02:30 on 29 March 2026 never shows on a clock that springs from
        // 02:00 to 03:00: at 03:00 it has arrived, and the next is 02:30
        // again a week on.
        {"weekly over a skipped hour", {2026, 3, 22, 2, 30, 0}, kWeek, {2026, 3, 29, 3, 0, 0},
         {2026, 4, 5, 2, 30, 0}, CountdownFields{2026, 3, 29, 2, 30, 0}},
        {"monthly before the first", {2026, 5, 31, 0, 0, 0}, kMonth, {2026, 5, 30, 0, 0, 0}, {2026, 5, 31, 0, 0, 0},
         std::nullopt},
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
