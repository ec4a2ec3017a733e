#include "clock/zone_difference.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/time_zone.h"

namespace zentrova {
namespace {

constexpr ZoneTransition Yearly(int month, int week, int hour) { return {0, month, 0, week, hour, 0, 0}; }

const TimeZoneRules kUtc{{0, 0, 0, {}, {}}, 0, {}};
const TimeZoneRules kEastern{{300, 0, -60, Yearly(11, 1, 2), Yearly(3, 2, 2)}, 0, {}};
const TimeZoneRules kCentralEurope{{-60, 0, -60, Yearly(10, 5, 3), Yearly(3, 5, 2)}, 0, {}};
const TimeZoneRules kTokyo{{-540, 0, 0, {}, {}}, 0, {}};
const TimeZoneRules kIndia{{-330, 0, 0, {}, {}}, 0, {}};
const TimeZoneRules kNepal{{-345, 0, 0, {}, {}}, 0, {}};

LocalTime At(int year, int month, int day, int hour, int minute, int second = 0) {
    return {year, month, day, hour, minute, second, 0};
}

// Both clocks read at the same universal moment, each by its own zone's rules.
TEST(ZoneDifference, FromLocalTimeAtTheSameMoment) {
    struct Case {
        const char* what;
        const TimeZoneRules *local, *clock;
        LocalTime utc;
        std::string shown;
    };
    const Case cases[] = {
        {"Europe before its change, the US after theirs", &kEastern, &kCentralEurope, At(2026, 3, 20, 12, 0), "+5 h"},
        {"the second before Europe changes", &kEastern, &kCentralEurope, At(2026, 3, 29, 0, 59, 59), "+5 h, +1 day"},
        {"the second Europe changes", &kEastern, &kCentralEurope, At(2026, 3, 29, 1, 0), "+6 h, +1 day"},
        {"local time changes, the clock's zone has none", &kEastern, &kTokyo, At(2026, 3, 8, 6, 59, 59), "+14 h"},
        {"after the local change", &kEastern, &kTokyo, At(2026, 3, 8, 7, 0), "+13 h"},
        {"a quarter hour", &kUtc, &kNepal, At(2026, 12, 10, 12, 0), "+5:45 h"},
        {"behind by half an hour, the day before", &kIndia, &kUtc, At(2026, 3, 1, 20, 0), "\u22125:30 h, \u22121 day"},
        {"ahead across midnight and the year", &kEastern, &kTokyo, At(2026, 12, 31, 20, 0), "+14 h, +1 day"},
        {"the same zone", &kTokyo, &kTokyo, At(2026, 6, 1, 3, 0), "0 h"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ZoneDifferenceText(ZoneTimeFromUtc(c.utc, *c.clock), ZoneTimeFromUtc(c.utc, *c.local)), c.shown)
            << c.what;
    }
    // Read a second apart across a minute's turn, still whole quarters.
    EXPECT_EQ(ZoneDifferenceText(At(2026, 12, 10, 17, 46, 0), At(2026, 12, 10, 12, 0, 59)), "+5:45 h");
}

TEST(ZoneDifference, NightCueFromEightToSevenDarkensAndKeepsAlpha) {
    for (int hour : {20, 23, 0, 6}) EXPECT_TRUE(IsNightHour(hour)) << hour;
    for (int hour : {7, 12, 19}) EXPECT_FALSE(IsNightHour(hour)) << hour;
    std::vector<std::uint32_t> pixels{0xFF808080u, 0x40404040u};
    Rgb text{240, 16, 0};
    DarkenForNight(pixels, text);
    EXPECT_EQ(pixels, (std::vector<std::uint32_t>{0xFF505050u, 0x40282828u}));
    EXPECT_EQ(text, (Rgb{150, 10, 0}));
}

}  // namespace
}  // namespace zentrova
