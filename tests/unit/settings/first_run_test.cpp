// The first run: the values written, their forms and order, the positions
// and the seeded countdown list.

#include <gtest/gtest.h>

#include "language/language_test_support.h"

#include <tuple>
#include <variant>

#include "settings/date_time.h"
#include "settings/first_run.h"
#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

struct ExpectedValue {
    const std::string* path;
    const char* name;
    std::variant<int, const char*> value;  // int: REG_DWORD, text: REG_SZ
};

TEST(FirstRun, WritesEveryDefaultWithItsType) {
    MemoryStore store;
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    ASSERT_TRUE(load.firstRun);
    ASSERT_FALSE(load.error);
    ASSERT_FALSE(WriteFirstRunDefaults(store, settings, Context2026()));

    const ExpectedValue expected[] = {
        {&kRootPath, "Start_1", 0},
        {&kClockPath, "ClockSize", 6}, {&kClockPath, "ClockSkin", 9}, {&kClockPath, "ClockTransparent", 0},
        {&kClockPath, "TimeIndex", 0}, {&kClockPath, "DateIndex", 1}, {&kClockPath, "ClockFont", "Tahoma"},
        {&kClockPath, "DateShow", 1}, {&kClockPath, "ClockShow", 1}, {&kClockPath, "ClockGo", 0},
        {&kClockPath, "ClockSky", 0}, {&kClockPath, "ClockBorder", 1}, {&kClockPath, "ClockRectOval", 0},
        {&kClockPath, "ClockLeft", 512}, {&kClockPath, "ClockTop", 10},
        {&kCountdownPath, "CountSize", 3}, {&kCountdownPath, "CountSkin", 9},
        {&kCountdownPath, "CountTransparent", 0}, {&kCountdownPath, "CountFont", "Tahoma"},
        {&kCountdownPath, "CountShow", 1}, {&kCountdownPath, "CountGo", 0}, {&kCountdownPath, "CountSky", 0},
        {&kCountdownPath, "CountBorder", 1}, {&kCountdownPath, "CountRectOval", 0},
        {&kCountdownPath, "CountLeft", 512}, {&kCountdownPath, "CountTop", 40},
        {&kCountdownPath, "CountNotify", 1}, {&kCountdownPath, "CountSound", 1},
        {&kCountTitlePath, "Count0", "Christmas Countdown"}, {&kCountTitlePath, "Count1", "New Year Countdown"},
        {&kCountTitlePath, "CountYearly0", 1}, {&kCountTitlePath, "CountYearly1", 1},
        {&kCountTitlePath, "CountRepeat0", 3}, {&kCountTitlePath, "CountRepeat1", 3},
        {&kCountTitlePath, "CountIndex", 0}, {&kCountTitlePath, "CountMax", 2},
        {&kCalendarPath, "CalendarSize", 5}, {&kCalendarPath, "CalendarSkin", 9},
        {&kCalendarPath, "CalendarTransparent", 0}, {&kCalendarPath, "CalendarTimeIndex", 0},
        {&kCalendarPath, "CalendarDateIndex", 0}, {&kCalendarPath, "CalendarFont", "Tahoma"},
        {&kCalendarPath, "CalendarShow", 1}, {&kCalendarPath, "CalendarTimeShow", 0},
        {&kCalendarPath, "CalendarGo", 0}, {&kCalendarPath, "CalendarOval", 0}, {&kCalendarPath, "CalendarBold", 1},
        {&kCalendarPath, "CalendarLeft", 309}, {&kCalendarPath, "CalendarTop", 10},
        {&kClockPath, "ClockZone", ""}, {&kClockPath, "ClockZoneLabel", ""},
        {&kClockPath, "ClockDifference", 1}, {&kClockPath, "ClockNight", 0},
        {&kCalendarPath, "CalendarWeekStart", -1}, {&kCalendarPath, "CalendarWeekNumbers", 0},
        {&kCalendarPath, "CalendarEvents", 1},
        {&kClockPath, "ClockStay", 0}, {&kCountdownPath, "CountStay", 0}, {&kCalendarPath, "CalendarStay", 0},
    };
    for (const ExpectedValue& e : expected) {
        if (const int* number = std::get_if<int>(&e.value)) {
            EXPECT_EQ(StoredDword(store, *e.path, e.name), *number) << e.name;
        } else {
            EXPECT_EQ(StoredString(store, *e.path, e.name), std::get<const char*>(e.value)) << e.name;
        }
    }
    // Nothing beyond the table, the seeded dates and times.
    std::size_t expectedCount = std::size(expected) + 4;
    std::size_t stored = 0;
    for (const std::string* path : {&kRootPath, &kClockPath, &kCountdownPath, &kCountTitlePath, &kCalendarPath})
        stored += store.ValueNames(*path).size();
    EXPECT_EQ(stored, expectedCount);
}

TEST(FirstRun, SeedsChristmasAndNewYearAsEightByteDoubles) {
    MemoryStore store;
    Settings settings;
    ASSERT_FALSE(FirstStart(store, settings));

    const std::vector<std::uint8_t> christmas{0x00, 0x00, 0x00, 0x00, 0xa0, 0xa5, 0xe6, 0x40};
    const std::vector<std::uint8_t> newYear{0x00, 0x00, 0x00, 0x00, 0x80, 0xa6, 0xe6, 0x40};
    const std::vector<std::uint8_t> midnight(8, 0);
    const auto value = [&](const char* name) { return store.Get(kCountTitlePath, name).value_or(StoredValue{}); };
    EXPECT_EQ(value("CountDate0").type, ValueType::Binary);
    EXPECT_EQ(value("CountDate0").data, christmas);
    EXPECT_EQ(value("CountDate1").data, newYear);
    EXPECT_EQ(value("CountTime0").type, ValueType::Binary);
    EXPECT_EQ(value("CountTime0").data, midnight);
    EXPECT_EQ(value("CountTime1").data, midnight);

    // Memory holds the same list.
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CountList[0].title, "Christmas Countdown");
    EXPECT_EQ(settings.CountList[0].date, 46381.0);
    EXPECT_EQ(settings.CountList[1].title, "New Year Countdown");
    EXPECT_EQ(settings.CountList[1].date, 46388.0);
    EXPECT_EQ(settings.CountList[1].time, 0.0);
}

TEST(FirstRun, WritesKeysAndValuesInLoadOrder) {
    MemoryStore store;
    Settings settings;
    ASSERT_FALSE(FirstStart(store, settings));

    std::vector<std::string> pathOrder;
    for (const auto& op : store.Journal())
        if (pathOrder.empty() || pathOrder.back() != op.path) pathOrder.push_back(op.path);
    EXPECT_EQ(pathOrder, (std::vector<std::string>{kRootPath, kClockPath, kCountdownPath, kCountTitlePath, kCalendarPath,
                                                    kGeneralPath}));

    EXPECT_EQ(WrittenNames(store, kClockPath),
              (std::vector<std::string>{"ClockSize", "ClockSkin", "ClockTransparent", "TimeIndex", "DateIndex",
                                        "ClockFont", "DateShow", "ClockShow", "ClockGo", "ClockSky", "ClockBorder",
                                        "ClockRectOval", "ClockLeft", "ClockTop", "ClockZone", "ClockZoneLabel",
                                        "ClockStay", "ClockDifference", "ClockNight"}));
    EXPECT_EQ(WrittenNames(store, kCountdownPath),
              (std::vector<std::string>{"CountSize", "CountSkin", "CountTransparent", "CountFont", "CountShow",
                                        "CountGo", "CountSky", "CountBorder", "CountRectOval", "CountLeft",
                                        "CountTop", "CountStay", "CountNotify", "CountSound"}));
    // Each entry joins the list, through its slot order, only once whole.
    EXPECT_EQ(WrittenNames(store, kCountTitlePath),
              (std::vector<std::string>{"CountOrder", "Count0", "CountDate0", "CountTime0", "CountYearly0",
                                        "CountRepeat0",
                                        "CountOrder", "Count1", "CountDate1", "CountTime1", "CountYearly1",
                                        "CountRepeat1",
                                        "CountOrder", "CountIndex", "CountMax"}));
    EXPECT_FALSE(store.Get(kCountTitlePath, "CountOrder"));
    EXPECT_EQ(WrittenNames(store, kCalendarPath),
              (std::vector<std::string>{"CalendarSize", "CalendarSkin", "CalendarTransparent", "CalendarTimeIndex",
                                        "CalendarDateIndex", "CalendarFont", "CalendarShow", "CalendarTimeShow",
                                        "CalendarGo", "CalendarOval", "CalendarBold", "CalendarLeft",
                                        "CalendarTop", "CalendarWeekStart", "CalendarWeekNumbers",
                                        "CalendarEvents", "CalendarStay"}));
}

TEST(FirstRun, MarkStartedLeavesStartOne) {
    MemoryStore store;
    Settings settings;
    ASSERT_TRUE(LoadInto(store, settings).firstRun);
    ASSERT_FALSE(WriteFirstRunDefaults(store, settings, Context2026()));
    EXPECT_EQ(StoredDword(store, kRootPath, "Start_1"), 0);
    ASSERT_FALSE(MarkStarted(store, settings));
    EXPECT_EQ(StoredDword(store, kRootPath, "Start_1"), 1);
    EXPECT_EQ(settings.Start_1, 1);

    Settings again;
    EXPECT_FALSE(LoadInto(store, again).firstRun);
}

// A first run that did not finish leaves Start_1 at 0 over values the user
// may have saved since; the next start writes only what is missing.
TEST(FirstRun, StoredStartZeroWritesOnlyTheMissingValues) {
    MemoryStore store = CustomStore();
    store.PutDword(kRootPath, "Start_1", 0);
    store.Remove(kClockPath, "ClockFont");
    store.Remove(kCalendarPath, "CalendarTop");
    StoreSnapshot expected = Snapshot(store);
    Settings settings;
    ASSERT_TRUE(LoadInto(store, settings).firstRun);
    ASSERT_FALSE(WriteFirstRunDefaults(store, settings, Context2026()));

    EXPECT_EQ(settings.ClockSize, 12);
    EXPECT_EQ(settings.CountMax, 3);
    expected[{kClockPath, "ClockFont"}] = {ValueType::String, EncodeString("Tahoma")};
    expected[{kCalendarPath, "CalendarTop"}] = {ValueType::Dword, {10, 0, 0, 0}};
    AddOptionsAddedLater(expected);
    EXPECT_EQ(Snapshot(store), expected);
    EXPECT_TRUE(FirstRunDefaultsStored(settings));
}

TEST(FirstRunPositions, FollowTheSettingsWindow) {
    struct Case {
        SizeI screen, window;
        PointI settingsWindow, calendar, clock, countdown;
    };
    const Case cases[] = {
        {{1024, 768}, {406, 346}, {309, 298}, {309, 10}, {512, 10}, {512, 40}},
        {{1366, 768}, {407, 347}, {480, 298}, {480, 9}, {683, 9}, {683, 39}},
        // H / 1.2 = 2.5 and 7.5: halves go to the even neighbour.
        {{100, 100}, {10, 3}, {45, 50}, {45, 48}, {50, 48}, {50, 78}},
        {{100, 100}, {10, 9}, {45, 48}, {45, 40}, {50, 40}, {50, 70}},
        // A screen smaller than the window puts it partly off screen.
        {{200, 100}, {406, 346}, {-103, -36}, {-103, -324}, {100, -324}, {100, -294}},
    };
    for (const Case& c : cases) {
        FirstRunContext context{2026, c.screen, c.window, {}};
        EXPECT_EQ(SettingsWindowPosition(c.screen, c.window), c.settingsWindow);
        const auto at = [&](DisplayWindowId window) {
            return PointI{FirstRunPosition({window, Edge::Left}, context, 6),
                          FirstRunPosition({window, Edge::Top}, context, 6)};
        };
        EXPECT_EQ(at(DisplayWindowId::Calendar), c.calendar) << c.window.height;
        EXPECT_EQ(at(DisplayWindowId::Clock), c.clock) << c.window.height;
        EXPECT_EQ(at(DisplayWindowId::Countdown), c.countdown) << c.window.height;
    }
}

TEST(FirstRunPositions, CountdownSitsFivePixelsPerClockStepBelowTheClock) {
    FirstRunContext context = Context2026();
    EXPECT_EQ(FirstRunPosition({DisplayWindowId::Countdown, Edge::Top}, context, 0), 10);
    EXPECT_EQ(FirstRunPosition({DisplayWindowId::Countdown, Edge::Top}, context, 50), 260);
}

TEST(FirstRunList, SeedsChristmasOfTheCurrentYearEvenWhenPassed) {
    Settings settings;
    SeedCountList(settings, 2024);  // leap year
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountList[0].date, EncodeDate(2024, 12, 25));
    EXPECT_EQ(settings.CountList[1].date, EncodeDate(2025, 1, 1));
    EXPECT_EQ(settings.CountList[1].date - settings.CountList[0].date, 7.0);
    // Titled in the language of the first start; stored as they are then.
    test::ScopedLanguage german(test::LanguageTagged("de-DE"));
    SeedCountList(settings, 2024);
    EXPECT_EQ(settings.CountList[0].title, "Countdown bis Weihnachten");
}

TEST(FirstRunFormats, OutsideTheUnitedStatesTheSystemsShortDateAndTime) {
    // English (United States) keeps the first-run values it always had.
    for (const auto& [regional, time, date, calendarTime] : {std::tuple{false, 0, 1, 0}, {true, 4, 13, 4}}) {
        MemoryStore store;
        Settings settings;
        FirstRunContext context = Context2026();
        context.regionalFormats = regional;
        ASSERT_TRUE(Load(store, settings, context).firstRun);
        ASSERT_FALSE(WriteFirstRunDefaults(store, settings, context));
        // Stored as chosen, so the next start keeps them.
        EXPECT_EQ(StoredDword(store, kClockPath, "TimeIndex"), time) << regional;
        EXPECT_EQ(StoredDword(store, kClockPath, "DateIndex"), date) << regional;
        EXPECT_EQ(StoredDword(store, kCalendarPath, "CalendarTimeIndex"), calendarTime) << regional;
    }
}

}  // namespace
}  // namespace zentrova
