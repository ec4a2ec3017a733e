// Stored values that the program's own writers never produce are held to
// what the windows can index with.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "settings/date_time.h"
#include "settings/settings_sanitise.h"
#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

// Stores `count` whole entries "E0", "E1", ... with CountMax `countMax`.
MemoryStore StoreWithEntries(int count, int countMax) {
    MemoryStore store = FirstRunStore();
    for (int i = 0; i < count; ++i) {
        store.PutString(kCountTitlePath, Numbered("Count", i), Numbered("E", i));
        store.PutDouble(kCountTitlePath, Numbered("CountDate", i), 46000.0 + i);
        store.PutDouble(kCountTitlePath, Numbered("CountTime", i), 0.5);
    }
    store.PutDword(kCountTitlePath, "CountMax", countMax);
    return store;
}

// A count outside 1..10 is no count: every slot is looked at, slot 10 never.
TEST(SettingsClamp, CountMaxOutsideOneThroughTenLooksAtEverySlot) {
    struct Case {
        int stored;
        int expected;
    };
    for (Case c : {Case{0, 10}, Case{-1, 10}, Case{11, 10}, Case{50, 10}, Case{10, 10}, Case{1, 1}}) {
        MemoryStore store = StoreWithEntries(12, c.stored);
        Settings settings;
        LoadResult load = LoadInto(store, settings);
        EXPECT_FALSE(load.error) << c.stored;
        EXPECT_EQ(settings.CountMax, c.expected) << c.stored;
        EXPECT_EQ(settings.CountList[static_cast<std::size_t>(c.expected - 1)].title,
                  Numbered("E", c.expected - 1));
        EXPECT_EQ(settings.CountList[10].title, "") << "slot 10 is never read";
    }
}

TEST(SettingsClamp, CountMaxAboveTheStoredEntriesKeepsThoseEntries) {
    MemoryStore store = StoreWithEntries(3, 50);
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_FALSE(load.error);
    EXPECT_EQ(settings.CountMax, 3);
    EXPECT_EQ(settings.CountList[2].title, "E2");
}

TEST(SettingsClamp, CountIndexIsHeldInsideTheList) {
    struct Case {
        int stored;
        int expected;
    };
    for (Case c : {Case{50, 2}, Case{-3, 0}, Case{3, 2}, Case{1, 1}}) {
        MemoryStore store = StoreWithEntries(3, 3);
        store.PutDword(kCountTitlePath, "CountIndex", c.stored);
        Settings settings;
        ASSERT_FALSE(LoadInto(store, settings).error);
        EXPECT_EQ(settings.CountIndex, c.expected) << c.stored;
        EXPECT_EQ(settings.SelectedEntry().title, Numbered("E", c.expected));
    }
}

TEST(SettingsClamp, SizesSkinsAndTransparenciesAreHeldToTheirControls) {
    struct Case {
        const std::string* path;
        const char* name;
        int stored;
        int Settings::*field;
        int expected;
    };
    const Case cases[] = {
        {&kClockPath, "ClockSkin", 0, &Settings::ClockSkin, 1},
        {&kClockPath, "ClockSkin", 99, &Settings::ClockSkin, 15},
        {&kCountdownPath, "CountSkin", 16, &Settings::CountSkin, 15},
        {&kCalendarPath, "CalendarSkin", -7, &Settings::CalendarSkin, 1},
        {&kClockPath, "ClockSize", -5, &Settings::ClockSize, 0},
        {&kClockPath, "ClockSize", 10000, &Settings::ClockSize, 50},
        {&kCountdownPath, "CountSize", 10000, &Settings::CountSize, 20},
        {&kCalendarPath, "CalendarSize", 21, &Settings::CalendarSize, 20},
        {&kClockPath, "ClockTransparent", 80, &Settings::ClockTransparent, 50},
        {&kCountdownPath, "CountTransparent", -1, &Settings::CountTransparent, 0},
        {&kCalendarPath, "CalendarTransparent", 80, &Settings::CalendarTransparent, 50},
        {&kCalendarPath, "CalendarWeekStart", 40, &Settings::CalendarWeekStart, 6},  // an option added later
        {&kCalendarPath, "CalendarWeekStart", 3, &Settings::CalendarWeekStart, 3},
        // Format indices and positions are kept as stored.
        {&kClockPath, "TimeIndex", 9, &Settings::TimeIndex, 9},
        {&kClockPath, "DateIndex", -2, &Settings::DateIndex, -2},
        {&kCalendarPath, "CalendarTimeIndex", 4, &Settings::CalendarTimeIndex, 4},
        {&kClockPath, "ClockLeft", -50, &Settings::ClockLeft, -50},
        {&kCalendarPath, "CalendarTop", 5000, &Settings::CalendarTop, 5000},
    };
    for (const Case& c : cases) {
        MemoryStore store = FirstRunStore();
        store.PutDword(*c.path, c.name, c.stored);
        Settings settings;
        ASSERT_FALSE(LoadInto(store, settings).error) << c.name;
        EXPECT_EQ(settings.*c.field, c.expected) << c.name << " stored as " << c.stored;
    }
}

// Cut at 4,096 characters, never inside one.
TEST(SettingsClamp, LongStringIsCut) {
    std::string cyrillic;  // two bytes a character
    while (cyrillic.size() < 2 * 5000) cyrillic += "Ж";
    const struct {
        std::string stored;
        std::string kept;
    } cases[] = {
        {std::string(100 * 1024, 'x'), std::string(4096, 'x')},
        {cyrillic, cyrillic.substr(0, 2 * 4096)},
        {std::string(4095, 'x') + "\U0001F386!", std::string(4095, 'x') + "\U0001F386"},  // a pair is one
        {std::string(4095, 'x') + "e\u0301", std::string(4095, 'x')},  // the accent stays with its letter
    };
    for (const auto& c : cases) {
        MemoryStore store = FirstRunStore();
        store.PutString(kCountTitlePath, "Count1", c.stored);
        Settings settings;
        ASSERT_FALSE(LoadInto(store, settings).error);
        EXPECT_EQ(settings.CountList[1].title, c.kept) << c.stored.substr(4090);
        EXPECT_EQ(settings.CountList[1].date, 46388.0);
    }
}

TEST(SettingsClamp, StringWithoutNulEndsWithItsData) {
    MemoryStore store = FirstRunStore();
    store.Put(kClockPath, "ClockFont", {ValueType::String, {'A', 0, 'r', 0, 'i', 0, 'a', 0, 'l', 0}});
    store.Put(kCountdownPath, "CountFont", {ValueType::String, {'V', 0, 'e', 0, 'r', 0, 0, 0, 'x', 0}});
    store.Put(kCalendarPath, "CalendarFont", {ValueType::String, {'A', 0, 'r', 0, 'i'}});  // half a unit at the end
    Settings settings;
    ASSERT_FALSE(LoadInto(store, settings).error);
    EXPECT_EQ(settings.ClockFont, "Arial");
    EXPECT_EQ(settings.CountFont, "Ver");
    EXPECT_EQ(settings.CalendarFont, "Ar");
}

TEST(SettingsClamp, NonFiniteAndFarDatesStayWithinTheCalendar) {
    MemoryStore store = FirstRunStore();
    store.PutDouble(kCountTitlePath, "CountDate0", std::numeric_limits<double>::quiet_NaN());
    store.PutDouble(kCountTitlePath, "CountTime0", std::numeric_limits<double>::infinity());
    store.PutDouble(kCountTitlePath, "CountDate1", -1e300);
    Settings settings;
    ASSERT_FALSE(LoadInto(store, settings).error);
    EXPECT_EQ(settings.CountList[0].date, 0.0);
    EXPECT_EQ(settings.CountList[0].time, EncodeDate(9999, 12, 31) + 1.0);
    EXPECT_EQ(settings.CountList[1].date, EncodeDate(1, 1, 1));
    EXPECT_EQ(ClampDateTime(46381.75), 46381.75);
}

}  // namespace
}  // namespace zentrova
