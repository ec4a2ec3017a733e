#include "countdown/remaining_time.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>

namespace zentrova {
namespace {

using Texts = std::array<std::string, 6>;

Texts Shown(const CountdownFields& now, const CountdownFields& target) {
    return CountdownNumberTexts(ComputeRemainingTime(now, target));
}

// Seconds from `now` to `target` by the calendar, independent of the borrows.
long long SecondsBetween(const CountdownFields& now, const CountdownFields& target) {
    auto secondsOf = [](const CountdownFields& f) {
        return static_cast<long long>(EncodeDate(f.year, f.month, f.day)) * 86400 +
               ((f.hour * 60LL + f.minute) * 60 + f.second);
    };
    return secondsOf(target) - secondsOf(now);
}

long long SecondsShown(const RemainingTime& r) {
    return ((r.days * 24LL + r.hours) * 60 + r.minutes) * 60 + r.seconds;
}

struct BorrowCase {
    const char* name;
    CountdownFields now;
    CountdownFields target;
    Texts expected;
};

void PrintTo(const BorrowCase& c, std::ostream* os) { *os << c.name; }

class CountdownBorrowExamples : public ::testing::TestWithParam<BorrowCase> {};

TEST_P(CountdownBorrowExamples, ShowsTheSixPaddedDifferences) {
    const BorrowCase& c = GetParam();
    EXPECT_EQ(Shown(c.now, c.target), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, CountdownBorrowExamples,
    ::testing::Values(
        // December has 31 days; every field borrows once.
        BorrowCase{"NewYear", {2026, 12, 8, 10, 20, 30}, {2027, 1, 1, 0, 0, 0}, {"00", "00", "23", "13", "39", "30"}},
        // The day borrow adds January's 31 days, not February's.
        BorrowCase{"DayBorrowUsesCurrentMonthLength", {2026, 1, 30, 12, 0, 0}, {2026, 3, 1, 12, 0, 0},
                   {"00", "01", "02", "00", "00", "00"}},
        BorrowCase{"LeapFebruary", {2028, 2, 20, 9, 0, 0}, {2028, 3, 5, 9, 0, 0}, {"00", "00", "14", "00", "00", "00"}},
        BorrowCase{"CommonFebruary", {2027, 2, 20, 9, 0, 0}, {2027, 3, 5, 9, 0, 0}, {"00", "00", "13", "00", "00", "00"}},
        // One day past: the month turns negative and keeps its leading zero.
        BorrowCase{"OneDayPast", {2026, 12, 26, 0, 0, 0}, {2026, 12, 25, 0, 0, 0}, {"00", "0-1", "30", "00", "00", "00"}},
        BorrowCase{"MinuteRaisedThenTaken", {2026, 5, 10, 10, 30, 40}, {2026, 5, 10, 12, 10, 20},
                   {"00", "00", "00", "01", "39", "40"}},
        BorrowCase{"TargetIsNow", {2026, 5, 10, 10, 30, 40}, {2026, 5, 10, 10, 30, 40},
                   {"00", "00", "00", "00", "00", "00"}}),
    [](const ::testing::TestParamInfo<BorrowCase>& info) { return std::string(info.param.name); });

TEST(CountdownBorrow, RaisedFieldsMayLeaveTheirUsualRange) {
    // Step 4 lifts the minute to 70 and step 5 takes it back to 69.
    const CountdownFields now{2026, 5, 10, 10, 30, 40};
    const CountdownFields target = ApplyBorrows({2026, 5, 10, 12, 10, 20}, now, MonthLength(now));
    EXPECT_EQ(target, (CountdownFields{2026, 5, 10, 11, 69, 80}));
}

struct MidnightCase {
    const char* name;
    CountdownFields now;
    CountdownFields target;
    RemainingTime expected;
};

void PrintTo(const MidnightCase& c, std::ostream* os) { *os << c.name; }

class CountdownMidnightBorrow : public ::testing::TestWithParam<MidnightCase> {};

// At midnight a minute or second borrow would take the target's hour or
// minute below zero; it is carried on to the next larger field instead.
TEST_P(CountdownMidnightBorrow, CarriesOnAndStillAddsUp) {
    const MidnightCase& c = GetParam();
    const RemainingTime shown = ComputeRemainingTime(c.now, c.target);
    EXPECT_EQ(shown, c.expected);
    EXPECT_EQ(SecondsShown(shown), SecondsBetween(c.now, c.target));
}

INSTANTIATE_TEST_SUITE_P(
    Countdown, CountdownMidnightBorrow,
    ::testing::Values(
        MidnightCase{"SecondBorrowAtMidnight", {2026, 5, 10, 0, 0, 30}, {2026, 5, 11, 0, 0, 10}, {0, 0, 0, 23, 59, 40}},
        MidnightCase{"MinuteBorrowAtMidnight", {2026, 5, 10, 0, 30, 0}, {2026, 5, 11, 0, 10, 0}, {0, 0, 0, 23, 40, 0}},
        MidnightCase{"SeveralDaysAhead", {2026, 5, 10, 0, 0, 30}, {2026, 5, 13, 0, 0, 10}, {0, 0, 2, 23, 59, 40}},
        MidnightCase{"AcrossMonthEnd", {2026, 1, 31, 0, 0, 30}, {2026, 2, 1, 0, 0, 10}, {0, 0, 0, 23, 59, 40}},
        MidnightCase{"AcrossYearEnd", {2026, 12, 31, 0, 30, 15}, {2027, 1, 1, 0, 10, 5}, {0, 0, 0, 23, 39, 50}},
        MidnightCase{"JustPassed", {2026, 5, 11, 0, 0, 30}, {2026, 5, 11, 0, 0, 10}, {0, 0, -1, 23, 59, 40}}),
    [](const ::testing::TestParamInfo<MidnightCase>& info) { return std::string(info.param.name); });

// Every pairing of awkward times of day, a day apart or on the same day:
// no target field ever goes below zero and the values add up.
TEST(CountdownBorrow, SixValuesAlwaysAddUpToTheTimeRemaining) {
    const int hours[] = {0, 1, 12, 23};
    const int minutesOrSeconds[] = {0, 1, 30, 59};
    for (int dayOffset : {0, 1, 2}) {
        for (int nh : hours) for (int nm : minutesOrSeconds) for (int ns : minutesOrSeconds) {
            for (int th : hours) for (int tm : minutesOrSeconds) for (int ts : minutesOrSeconds) {
                const CountdownFields now{2026, 5, 10, nh, nm, ns};
                const CountdownFields target{2026, 5, 10 + dayOffset, th, tm, ts};
                const CountdownFields borrowed = ApplyBorrows(target, now, MonthLength(now));
                const RemainingTime shown = Differences(borrowed, now);
                SCOPED_TRACE(::testing::Message() << nh << ":" << nm << ":" << ns << " -> +" << dayOffset << "d "
                                                  << th << ":" << tm << ":" << ts);
                ASSERT_GE(borrowed.hour, 0);
                ASSERT_GE(borrowed.minute, 0);
                ASSERT_EQ(shown.years, 0);
                ASSERT_EQ(shown.months, 0);
                ASSERT_EQ(SecondsShown(shown), SecondsBetween(now, target));
            }
        }
    }
}

// A coming target with an equal minute (or hour, day, month) and a smaller
// second would read "-1" in the larger field if borrowed from the top down.
TEST(CountdownBorrow, AComingTargetNeverShowsANegativeValue) {
    EXPECT_EQ(Shown({2026, 12, 9, 6, 20, 37}, {2026, 12, 10, 6, 20, 0}), (Texts{"00", "00", "00", "23", "59", "23"}));
    // The day borrow still adds the current month's length (March: 31).
    EXPECT_EQ(Shown({2026, 3, 15, 8, 0, 0}, {2027, 3, 14, 8, 0, 0}), (Texts{"00", "11", "30", "00", "00", "00"}));
    const int fields[] = {0, 1, 29, 30};
    for (int nowDay : {1, 15, 28}) for (int nm : fields) for (int ns : fields) {
        for (int targetMonth : {2, 3, 8}) for (int td : {1, 15, 28}) for (int tm : fields) for (int ts : fields) {
            const CountdownFields now{2026, 3, nowDay, 12, nm, ns};
            const CountdownFields target{2026, targetMonth, td, 12, tm, ts};
            if (SecondsBetween(now, target) < 0) continue;
            const RemainingTime shown = ComputeRemainingTime(now, target);
            SCOPED_TRACE(::testing::Message() << "3/" << nowDay << " 12:" << nm << ":" << ns << " -> " << targetMonth
                                              << "/" << td << " 12:" << tm << ":" << ts);
            for (int value : {shown.years, shown.months, shown.days, shown.hours, shown.minutes, shown.seconds})
                ASSERT_GE(value, 0);
            ASSERT_LT(shown.minutes, 60);
            ASSERT_LT(shown.seconds, 60);
        }
    }
}

TEST(CountdownTarget, UsesTheDatePartOfTheDateAndTheTimePartOfTheTime) {
    const double date = EncodeDate(2027, 1, 1) + 0.75;
    const double time = EncodeDate(2003, 6, 9) + EncodeTime(13, 39, 30, 900);
    EXPECT_EQ(DecodeTarget(date, time), (CountdownFields{2027, 1, 1, 13, 39, 30}));
}

TEST(CountdownPadding, ValuesBelowTenGetALeadingZero) {
    const std::pair<int, const char*> cases[] = {{0, "00"},   {7, "07"},   {9, "09"},   {10, "10"},
                                                 {59, "59"},  {123, "123"}, {-1, "0-1"}, {-3, "0-3"},
                                                 {-12, "0-12"}};
    for (const auto& [value, text] : cases) EXPECT_EQ(PadCountdownValue(value), text) << value;
}

// Before, at and after the moment, once and every year: a passed event that
// is not yearly counts the time since, with no field negative.
TEST(CountdownReading, ShowsTheTimeLeftOrSince) {
    struct Case {
        const char* name;
        CountdownFields now;
        CountdownFields target;
        bool yearly;
        RemainingTime shown;
        bool passed;
    };
    const Case cases[] = {
        {"once, a second before", {2026, 12, 24, 23, 59, 59}, {2026, 12, 25, 0, 0, 0}, false, {0, 0, 0, 0, 0, 1}, false},
        {"once, at the moment", {2026, 12, 25, 0, 0, 0}, {2026, 12, 25, 0, 0, 0}, false, {}, false},
        {"once, a second after", {2026, 12, 25, 0, 0, 1}, {2026, 12, 25, 0, 0, 0}, false, {0, 0, 0, 0, 0, 1}, true},
        // The old garbled case: a day and a bit since, counted up.
        {"once, a day after", {2026, 12, 26, 10, 2, 20}, {2026, 12, 25, 12, 0, 0}, false, {0, 0, 0, 22, 2, 20}, true},
        {"once, years after", {2029, 3, 1, 0, 0, 0}, {2026, 12, 25, 0, 0, 0}, false, {2, 2, 7, 0, 0, 0}, true},
        {"yearly, at the moment", {2026, 12, 25, 0, 0, 0}, {2026, 12, 25, 0, 0, 0}, true, {}, false},
        {"yearly, a second after", {2026, 12, 25, 0, 0, 1}, {2026, 12, 25, 0, 0, 0}, true, {0, 11, 30, 23, 59, 59}, false},
        // Across the year end, and from an entry stored years ago.
        {"yearly, across the year end", {2026, 12, 31, 23, 0, 0}, {2020, 1, 1, 0, 0, 0}, true, {0, 0, 0, 1, 0, 0}, false},
        {"yearly, later this year", {2026, 3, 1, 0, 0, 0}, {2019, 12, 25, 0, 0, 0}, true, {0, 9, 24, 0, 0, 0}, false},
        {"yearly, still ahead", {2026, 3, 1, 0, 0, 0}, {2030, 3, 1, 0, 0, 0}, true, {4, 0, 0, 0, 0, 0}, false},
        // 29 February falls on 28 February in a common year, and on the
        // 29th again in a leap year.
        {"leap day in a common year", {2026, 2, 27, 12, 0, 0}, {2024, 2, 29, 12, 0, 0}, true, {0, 0, 1, 0, 0, 0}, false},
        {"leap day passed in a common year", {2027, 2, 28, 12, 0, 1}, {2024, 2, 29, 12, 0, 0}, true, {1, 0, 0, 23, 59, 59}, false},
        {"leap day back in a leap year", {2028, 2, 28, 12, 0, 0}, {2024, 2, 29, 12, 0, 0}, true, {0, 0, 1, 0, 0, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadCountdown(c.now, c.target, c.yearly ? CountRepeat::Year : CountRepeat::Never),
                  (CountdownReading{c.shown, c.passed})) << c.name;
}

}  // namespace
}  // namespace zentrova
