#include "clock/time_zone.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace zentrova {
namespace {

// Yearly changes: the n-th (5 = last) weekday (0 = Sunday) of a month.
constexpr ZoneTransition Yearly(int month, int week, int hour) { return {0, month, 0, week, hour, 0, 0}; }

const TimeZoneRules kEastern{{300, 0, -60, Yearly(11, 1, 2), Yearly(3, 2, 2)}, 0, {}};
const TimeZoneRules kCentralEurope{{-60, 0, -60, Yearly(10, 5, 3), Yearly(3, 5, 2)}, 0, {}};
const TimeZoneRules kTokyo{{-540, 0, 0, {}, {}}, 0, {}};
const TimeZoneRules kSydney{{-600, 0, -60, Yearly(4, 1, 3), Yearly(10, 1, 2)}, 0, {}};
const TimeZoneRules kIndia{{-330, 0, 0, {}, {}}, 0, {}};
// Rules that changed: before 2007 the United States changed on the first
// Sunday of April and the last of October.
const TimeZoneRules kEasternByYear{kEastern.rule, 2006,
                                   {{300, 0, -60, Yearly(10, 5, 2), Yearly(4, 1, 2)}, kEastern.rule}};

LocalTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return {year, month, day, hour, minute, second, 0};
}

std::array<int, 6> Fields(const LocalTime& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

TEST(ZoneTime, KnownChangesAndZonesWithout) {
    // At a change the universal second `utc` is checked with the one before it.
    struct Case {
        const TimeZoneRules* zone;
        LocalTime utc, local;
        std::optional<LocalTime> localSecondBefore;
    };
    const Case cases[] = {
        {&kEastern, At(2026, 3, 8, 7, 0), At(2026, 3, 8, 3, 0), At(2026, 3, 8, 1, 59, 59)},
        {&kEastern, At(2026, 11, 1, 6, 0), At(2026, 11, 1, 1, 0), At(2026, 11, 1, 1, 59, 59)},
        {&kEastern, At(2026, 7, 4, 16, 0), At(2026, 7, 4, 12, 0), {}},
        {&kEastern, At(2026, 1, 1, 3, 0), At(2025, 12, 31, 22, 0), {}},  // winter, back across midnight
        {&kCentralEurope, At(2026, 3, 29, 1, 0), At(2026, 3, 29, 3, 0), At(2026, 3, 29, 1, 59, 59)},
        {&kCentralEurope, At(2026, 10, 25, 1, 0), At(2026, 10, 25, 2, 0), At(2026, 10, 25, 2, 59, 59)},
        {&kTokyo, At(2026, 7, 1, 15, 30), At(2026, 7, 2, 0, 30), {}},  // no daylight time in summer
        {&kTokyo, At(2026, 12, 31, 20, 0), At(2027, 1, 1, 5, 0), {}},
        {&kIndia, At(2026, 3, 1, 20, 0), At(2026, 3, 2, 1, 30), {}},   // half an hour
        // South of the equator daylight time spans the new year.
        {&kSydney, At(2026, 1, 15, 0, 0), At(2026, 1, 15, 11, 0), {}},
        {&kSydney, At(2026, 4, 4, 16, 0), At(2026, 4, 5, 2, 0), At(2026, 4, 5, 2, 59, 59)},
        {&kSydney, At(2026, 7, 15, 0, 0), At(2026, 7, 15, 10, 0), {}},
        {&kSydney, At(2026, 10, 3, 16, 0), At(2026, 10, 4, 3, 0), At(2026, 10, 4, 1, 59, 59)},
        {&kSydney, At(2026, 12, 31, 13, 0), At(2027, 1, 1, 0, 0), {}},
        // The old rule in its year (March still standard time), years after
        // the table with its last rule, years before it with its first.
        {&kEasternByYear, At(2006, 4, 2, 7, 0), At(2006, 4, 2, 3, 0), {}},
        {&kEasternByYear, At(2006, 3, 12, 12, 0), At(2006, 3, 12, 7, 0), {}},
        {&kEasternByYear, At(2026, 3, 8, 7, 0), At(2026, 3, 8, 3, 0), {}},
        {&kEasternByYear, At(1990, 3, 12, 12, 0), At(1990, 3, 12, 7, 0), {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Fields(ZoneTimeFromUtc(c.utc, *c.zone)), Fields(c.local)) << ::testing::PrintToString(Fields(c.utc));
        if (!c.localSecondBefore) continue;
        LocalTime before = c.utc;  // every change here falls on the hour
        before.hour -= 1;
        before.minute = before.second = 59;
        EXPECT_EQ(Fields(ZoneTimeFromUtc(before, *c.zone)), Fields(*c.localSecondBefore)) << "before";
    }
}

TEST(ZoneTransitionDay, NthWeekdayLastAndFixedDates) {
    struct Case {
        ZoneTransition change;
        int year, day;
    };
    for (const Case& c : {Case{Yearly(3, 2, 2), 2026, 8}, Case{Yearly(3, 5, 2), 2026, 29}, Case{Yearly(11, 1, 2), 2026, 1},
                          Case{Yearly(2, 5, 0), 2026, 22},  // a fifth Sunday February 2026 lacks
                          Case{{0, 9, 6, 1, 0, 0, 0}, 2026, 5},   // the first Saturday
                          Case{{2026, 4, 0, 12, 0, 0, 0}, 2026, 12},  // a fixed date
                          Case{{0, 13, 0, 1, 0, 0, 0}, 2026, 0}, Case{{0, 3, 7, 1, 0, 0, 0}, 2026, 0},
                          Case{{0, 3, 0, 6, 0, 0, 0}, 2026, 0}}) {
        EXPECT_EQ(TransitionDay(c.change, c.year), c.day) << c.change.month << "/" << c.change.day;
    }
}

TEST(ZoneRuleRecord, ReadsTheSystemsLayout) {
    // Eastern: bias 300, standard 0, daylight -60; first Sunday of November
    // at 2:00, second Sunday of March at 2:00.
    const std::vector<std::uint8_t> record{
        0x2c, 0x01, 0, 0, 0, 0, 0, 0, 0xc4, 0xff, 0xff, 0xff,  // biases
        0, 0, 11, 0, 0, 0, 1, 0, 2, 0, 0, 0, 0, 0, 0, 0,        // standard date
        0, 0, 3, 0, 0, 0, 2, 0, 2, 0, 0, 0, 0, 0, 0, 0};        // daylight date
    EXPECT_EQ(ParseZoneRule(record), std::optional(kEastern.rule));
    EXPECT_FALSE(ParseZoneRule(std::vector<std::uint8_t>(record.begin(), record.end() - 1)));
    EXPECT_FALSE(ParseZoneRule({}));
}

}  // namespace
}  // namespace zentrova
