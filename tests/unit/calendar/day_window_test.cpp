#include "calendar/day_window.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "calendar/calendar_events.h"

namespace zentrova {
namespace {

CountEntry Event(const char* title, CivilDate date, int hour, int minute, bool yearly = false) {
    return {title, EncodeDate(date.year, date.month, date.day), EncodeTime(hour, minute, 0),
            yearly ? CountRepeat::Year : CountRepeat::Never};
}

// The events of a day, by their times, repeats included.
TEST(DayWindowContent, ListsTheDaysEventsByTimeThenTheAddLine) {
    Settings settings;
    settings.CountList[0] = Event("Dinner", {2026, 12, 24}, 19, 30);
    settings.CountList[1] = Event("Birthday", {2020, 2, 29}, 9, 0, true);
    settings.CountList[2] = Event("Breakfast", {2026, 12, 24}, 8, 5);
    settings.CountList[3] = Event("Holiday", {2025, 12, 24}, 0, 0, true);
    settings.CountList[4] = Event("Beyond the list", {2026, 12, 24}, 10, 0);
    settings.CountMax = 4;
    const Locale locale = EnglishUnitedStates();
    struct Case { CivilDate day; std::vector<std::string> lines; };
    const std::string add = "Add an event on this day...";
    const Case cases[] = {
        {{2026, 12, 24}, {"12:00 AM  Holiday", "8:05 AM  Breakfast", "7:30 PM  Dinner", add}},
        {{2024, 12, 24}, {"No events", add}},  // before the yearly one began
        {{2027, 2, 28}, {"9:00 AM  Birthday", add}},
        {{2028, 2, 28}, {"No events", add}},  // a leap year has its own 29th
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DayWindowContentFor(settings, c.day, locale).lines, c.lines) << c.day.year << "-" << c.day.month;
    }
    EXPECT_EQ(DayWindowContentFor(settings, {2026, 12, 24}, locale).caption, "Thursday, 12/24/2026");
    // The calendar's marks show the repeats as well.
    EXPECT_TRUE(EventDaysOfMonth(settings, 2027, 2).test(28));
    EXPECT_EQ(EventDaysOfMonth(settings, 2026, 12).count(), 1u);
}

TEST(DayWindowContent, TimesLeaveOutTheSeconds) {
    for (const auto& [picture, shorter] : {std::pair{"HH:mm:ss", "HH:mm"}, {"tt h:mm:ss", "tt h:mm"},
                                           {"H.mm.ss 'Uhr'", "H.mm 'Uhr'"}}) {
        EXPECT_EQ(WithoutSeconds(picture), shorter) << picture;
    }
}

// Right of the day, else left of it; moved up or right to lie wholly on the monitor.
TEST(DayWindowPlace, BesideTheDayAndWhollyOnItsMonitor) {
    const RectI wide{0, 0, 1920, 1040};
    const std::tuple<RectI, RectI, PointI> cases[] = {
        {{500, 300, 530, 326}, wide, {534, 300}}, {{1800, 300, 1830, 326}, wide, {1596, 300}},
        {{500, 1000, 530, 1026}, wide, {534, 940}}, {{100, 10, 130, 36}, {0, 0, 250, 600}, {0, 10}}};
    for (const auto& [cell, monitor, at] : cases) {
        EXPECT_EQ(PlaceBesideDay(cell, {200, 100}, monitor, {}), at) << cell.left << "," << cell.top;
    }
}

TEST(PointerAway, ClosesASecondAfterThePointerLeft) {
    PointerAway away;
    for (const auto& [inside, ms, close] : std::vector<std::tuple<bool, long long, bool>>{
             {false, 100, false}, {false, 1099, false}, {true, 1100, false}, {false, 1200, false}, {false, 2200, true}}) {
        EXPECT_EQ(away.Update(inside, ms), close) << ms;
    }
}

}  // namespace
}  // namespace zentrova
