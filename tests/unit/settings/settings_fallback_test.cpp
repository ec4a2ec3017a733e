// After a value fails to load, it and every later value take their
// first-run values in memory, and the store is not overwritten.

#include <gtest/gtest.h>

#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

// A store whose every value differs from its first-run value.
MemoryStore CustomisedStore() {
    MemoryStore store = FirstRunStore();
    store.PutDword(kClockPath, "ClockSize", 12);
    store.PutDword(kClockPath, "DateIndex", 4);
    store.PutString(kClockPath, "ClockFont", "Arial");
    store.PutDword(kClockPath, "ClockShow", 0);
    store.PutDword(kClockPath, "ClockLeft", 700);
    store.PutDword(kClockPath, "ClockTop", 600);
    store.PutDword(kCountdownPath, "CountSkin", 3);
    store.PutDword(kCountdownPath, "CountTop", 300);
    store.PutString(kCountTitlePath, "Count2", "Alpha");
    store.PutDouble(kCountTitlePath, "CountDate2", 47000.0);
    store.PutDouble(kCountTitlePath, "CountTime2", 0.25);
    store.PutDword(kCountTitlePath, "CountMax", 3);
    store.PutDword(kCountTitlePath, "CountIndex", 2);
    store.PutDword(kCalendarPath, "CalendarSkin", 4);
    store.PutDword(kCalendarPath, "CalendarLeft", 5);
    return store;
}

TEST(SettingsFallback, FailingValueAndLaterOnesTakeFirstRunValues) {
    MemoryStore store = CustomisedStore();
    store.Remove(kClockPath, "ClockShow");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'ClockShow'");
    EXPECT_FALSE(load.firstRun);

    // Before the failure: as stored.
    EXPECT_EQ(settings.ClockSize, 12);
    EXPECT_EQ(settings.DateIndex, 4);
    EXPECT_EQ(settings.ClockFont, "Arial");
    // From the failure on: first-run values, positions from the screen.
    EXPECT_TRUE(settings.ClockShow);
    EXPECT_EQ(settings.ClockLeft, 512);
    EXPECT_EQ(settings.ClockTop, 10);
    EXPECT_EQ(settings.CountSkin, 9);
    EXPECT_EQ(settings.CountTop, 10 + 5 * 12);  // below the loaded clock size
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CountList[0].title, "Christmas Countdown");
    EXPECT_EQ(settings.CountList[1].date, 46388.0);
    EXPECT_EQ(settings.CalendarSkin, 9);
    EXPECT_EQ(settings.CalendarLeft, 309);
    EXPECT_EQ(settings.Start_1, 1);

    // The user's stored settings stay as they were.
    EXPECT_EQ(store.WriteCount(), 0u);
    EXPECT_EQ(StoredDword(store, kCountdownPath, "CountSkin"), 3);
}

TEST(SettingsFallback, ListKeepsTheEntriesThatLoadedWhole) {
    MemoryStore store = CustomisedStore();
    store.Remove(kCountTitlePath, "CountTime2");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'CountTime2'");
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CountList[0].title, "Christmas Countdown");
    EXPECT_EQ(settings.CountList[1].title, "New Year Countdown");
    EXPECT_EQ(settings.CountList[2].title, "");  // the partly read entry is not kept
    EXPECT_EQ(settings.CalendarSkin, 9);
    EXPECT_EQ(settings.CountSkin, 3);
}

TEST(SettingsFallback, ListWithNoWholeEntryIsSeeded) {
    MemoryStore store = CustomisedStore();
    store.PutString(kCountTitlePath, "Count0", "Mine");
    store.Remove(kCountTitlePath, "CountDate0");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'CountDate0'");
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CountList[0].title, "Christmas Countdown");
    EXPECT_EQ(settings.CountList[0].date, 46381.0);
}

TEST(SettingsFallback, FailedCountIndexSelectsTheFirstEntry) {
    MemoryStore store = CustomisedStore();
    store.PutString(kCountTitlePath, "CountIndex", "2");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Invalid data type for 'CountIndex'");
    EXPECT_EQ(settings.CountMax, 3);
    EXPECT_EQ(settings.CountList[2].title, "Alpha");
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CalendarLeft, 309);
}

TEST(SettingsFallback, FailedStartMarkerIsNoFirstRun) {
    MemoryStore store = CustomisedStore();
    store.Remove(kRootPath, "Start_1");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'Start_1'");
    EXPECT_FALSE(load.firstRun);
    EXPECT_EQ(settings.ClockSize, 6);
    EXPECT_TRUE(settings.ClockShow);
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSize"), 12);
}

TEST(SettingsFallback, KeepLoadedValuesFallBackToInitialValues) {
    MemoryStore store = CustomisedStore();
    store.PutDword(kClockPath, "TimeIndex", 3);
    store.PutDword(kClockPath, "ClockGo", 1);
    store.Remove(kClockPath, "ClockSkin");
    Settings settings;
    LoadInto(store, settings);
    EXPECT_EQ(settings.TimeIndex, 0);
    EXPECT_FALSE(settings.ClockGo);
    EXPECT_EQ(settings.DateIndex, 1);
}

}  // namespace
}  // namespace zentrova
