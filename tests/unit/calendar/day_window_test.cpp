#include "calendar/day_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/calendar_events.h"

namespace zentrova {
namespace {

CountEntry Event(const char* title, CivilDate date, int hour, int minute, bool yearly = false) {
    return {title, EncodeDate(date.year, date.month, date.day), EncodeTime(hour, minute, 0), yearly};
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
    struct Case {
        CivilDate day;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {{2026, 12, 24},
         {"12:00 AM  Holiday", "8:05 AM  Breakfast", "7:30 PM  Dinner", "Add an event on this day..."}},
        {{2024, 12, 24}, {"No events", "Add an event on this day..."}},  // before the yearly one began
        {{2027, 2, 28}, {"9:00 AM  Birthday", "Add an event on this day..."}},
        {{2028, 2, 28}, {"No events", "Add an event on this day..."}},  // a leap year has its own 29th
        {{2028, 2, 29}, {"9:00 AM  Birthday", "Add an event on this day..."}},
    };
    for (const Case& c : cases) {
        const DayWindowContent content = DayWindowContentFor(settings, c.day, locale);
        EXPECT_EQ(content.lines, c.lines) << c.day.year << "-" << c.day.month << "-" << c.day.day;
        EXPECT_EQ(content.AddLine(), static_cast<int>(c.lines.size()) - 1);
        EXPECT_EQ(content.day, c.day);
    }
    EXPECT_EQ(DayWindowContentFor(settings, {2026, 12, 24}, locale).caption, "Thursday, 12/24/2026");
    // The calendar's marks show the repeats as well.
    EXPECT_TRUE(EventDaysOfMonth(settings, 2027, 2).test(28));
    EXPECT_EQ(EventDaysOfMonth(settings, 2026, 12).count(), 1u);
}

TEST(DayWindowContent, TimesLeaveOutTheSeconds) {
    struct Case {
        const char* picture;
        const char* shorter;
    };
    for (const Case& c : {Case{"h:mm:ss tt", "h:mm tt"}, Case{"HH:mm:ss", "HH:mm"}, Case{"tt h:mm:ss", "tt h:mm"},
                          Case{"H.mm.ss 'Uhr'", "H.mm 'Uhr'"}, Case{"H:mm", "H:mm"}}) {
        EXPECT_EQ(WithoutSeconds(c.picture), c.shorter) << c.picture;
    }
}

TEST(DayWindowPlace, BesideTheDayAndWhollyOnItsMonitor) {
    const RectI monitor{0, 0, 1920, 1040};
    const SizeI size{200, 100};
    struct Case {
        const char* what;
        RectI cell;
        DpiScale scale;
        PointI at;
    };
    const Case cases[] = {
        {"right of the day", {500, 300, 530, 326}, {}, {534, 300}},
        {"left where the right has no room", {1800, 300, 1830, 326}, {}, {1596, 300}},
        {"the gap scales", {1800, 300, 1830, 326}, {192}, {1592, 300}},
        {"raised above the monitor's bottom", {500, 1000, 530, 1026}, {}, {534, 940}},
    };
    for (const Case& c : cases) EXPECT_EQ(PlaceBesideDay(c.cell, size, monitor, c.scale), c.at) << c.what;
    // Room on neither side: held at the monitor's left edge.
    EXPECT_EQ(PlaceBesideDay({100, 10, 130, 36}, size, {0, 0, 250, 600}, {}), (PointI{0, 10}));
}

TEST(DayWindowSize, LinesAtTheScaleWithinTheWidthLimits) {
    EXPECT_EQ(DayWindowSize(100, 2, {}), (SizeI{150, 52}));     // the narrowest
    EXPECT_EQ(DayWindowSize(200, 3, {}), (SizeI{212, 72}));
    EXPECT_EQ(DayWindowSize(1000, 1, {}), (SizeI{420, 32}));    // the widest
    EXPECT_EQ(DayWindowSize(400, 3, {192}), (SizeI{424, 144}));
}

// The pointer's place at each moment, and when the window closes.
TEST(PointerAway, ClosesASecondAfterThePointerLeft) {
    struct Step {
        bool inside;
        long long ms;
        bool close;
    };
    const std::vector<Step> steps = {
        {true, 0, false}, {false, 100, false}, {false, 1099, false}, {true, 1100, false},
        {false, 1200, false}, {false, 2199, false}, {false, 2200, true},
    };
    PointerAway away;
    for (const Step& step : steps) EXPECT_EQ(away.Update(step.inside, step.ms), step.close) << step.ms;
}

}  // namespace
}  // namespace zentrova
