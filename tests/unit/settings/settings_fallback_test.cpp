// A value that fails to load takes its first-run value in memory, alone:
// every other value is read as stored, and the store is not overwritten.

#include <gtest/gtest.h>

#include <functional>

#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

// The custom settings as they show with `changes` applied.
std::vector<std::string> CustomShownWith(const std::function<void(Settings&)>& changes) {
    MemoryStore store = CustomStore();
    Settings settings;
    LoadInto(store, settings);
    changes(settings);
    return Shown(settings);
}

TEST(SettingsFallback, OnlyTheFailingValueTakesItsFirstRunValue) {
    MemoryStore store = CustomStore();
    store.Remove(kClockPath, "ClockShow");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'ClockShow'");
    EXPECT_FALSE(load.firstRun);
    EXPECT_EQ(Shown(settings), CustomShownWith([](Settings& s) { s.ClockShow = true; }));
    EXPECT_EQ(settings.CountTop, 300);
    EXPECT_EQ(settings.SelectedEntry().title, "Party");
    EXPECT_EQ(store.WriteCount(), 0u);
}

TEST(SettingsFallback, EveryFailingValueIsReportedInLoadOrder) {
    MemoryStore store = CustomStore();
    store.Remove(kCalendarPath, "CalendarBold");
    store.PutDword(kCountdownPath, "CountFont", 7);
    store.Remove(kClockPath, "ClockSize");
    store.Put(kCountTitlePath, "CountTime1", {ValueType::Binary, {1, 2, 3}});
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error,
              "Failed to get data for 'ClockSize'\n"
              "Invalid data type for 'CountFont'\n"
              "Invalid data type for 'CountTime1'\n"
              "Failed to get data for 'CalendarBold'");
    EXPECT_EQ(Shown(settings), CustomShownWith([](Settings& s) {
                  s.ClockSize = 6;
                  s.CountFont = "Tahoma";
                  s.CountList[1].time = 0.0;  // the entry stays, at midnight
                  s.CalendarBold = true;
              }));
}

// An entry whose date cannot be read stays in the list, counting to a
// fallback date, and Save leaves its stored values as they are.
TEST(SettingsFallback, EntryWithAnUnreadableDateStaysAndKeepsItsStoredValues) {
    const std::pair<std::optional<StoredValue>, std::string> cases[] = {
        {std::nullopt, "Failed to get data for 'CountDate0'"},  // missing
        {StoredValue{ValueType{11}, std::vector<std::uint8_t>(8, 1)}, "Invalid data type for 'CountDate0'"},
    };
    for (const auto& [stored, error] : cases) {
        MemoryStore store = CustomStore();
        if (stored) store.Put(kCountTitlePath, "CountDate0", *stored);
        else store.Remove(kCountTitlePath, "CountDate0");
        const StoreSnapshot before = Snapshot(store);
        Settings settings;
        LoadResult load = LoadInto(store, settings);
        EXPECT_EQ(load.error, error);
        ASSERT_EQ(settings.CountMax, 3) << error;
        EXPECT_EQ(settings.CountList[0].title, "Exam") << error;
        EXPECT_EQ(settings.CountList[0].date, 46023.0) << error;  // 1 January 2026
        EXPECT_EQ(settings.CountList[0].time, 0.25) << error;
        EXPECT_EQ(settings.SelectedEntry().title, "Party") << error;

        ASSERT_FALSE(Save(store, settings, settings.CountIndex)) << error;
        StoreSnapshot after = Snapshot(store);
        for (const auto& [where, value] : before)
            if (where.first == kCountTitlePath) {
                EXPECT_EQ(after[where], value) << error << " " << where.second;
            }
    }
}

TEST(SettingsFallback, UnreadableCountLooksAtEverySlot) {
    MemoryStore store = CustomStore();
    store.PutString(kCountTitlePath, "CountMax", "3");
    store.PutString(kCountTitlePath, "Count5", "Stray");  // a title alone: no date to count to
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error,
              "Invalid data type for 'CountMax'\n"
              "Failed to get data for 'CountDate5'\n"
              "Failed to get data for 'CountTime5'");
    EXPECT_EQ(settings.CountMax, 4);  // a readable title is never left out
    EXPECT_EQ(settings.CountList[2].title, "Party");
    EXPECT_EQ(settings.CountList[3].title, "Stray");
    EXPECT_EQ(settings.CountIndex, 2);
}

TEST(SettingsFallback, FailedCountIndexSelectsTheFirstEntry) {
    MemoryStore store = CustomStore();
    store.PutString(kCountTitlePath, "CountIndex", "2");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Invalid data type for 'CountIndex'");
    EXPECT_EQ(settings.CountMax, 3);
    EXPECT_EQ(settings.CountList[2].title, "Party");
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CalendarLeft, 5);
}

TEST(SettingsFallback, FailedStartMarkerIsNoFirstRun) {
    MemoryStore store = CustomStore();
    store.Remove(kRootPath, "Start_1");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_EQ(load.error, "Failed to get data for 'Start_1'");
    EXPECT_FALSE(load.firstRun);
    EXPECT_EQ(Shown(settings), CustomShownWith([](Settings& s) { s.Start_1 = 0; }));
}

TEST(SettingsFallback, KeepLoadedValuesFallBackToInitialValues) {
    MemoryStore store = CustomStore();
    store.PutString(kClockPath, "TimeIndex", "3");
    store.Remove(kClockPath, "ClockGo");
    Settings settings;
    LoadInto(store, settings);
    EXPECT_EQ(settings.TimeIndex, 0);
    EXPECT_FALSE(settings.ClockGo);
    EXPECT_EQ(settings.DateIndex, 4);
    EXPECT_TRUE(settings.ClockSky);
}

}  // namespace
}  // namespace zentrova
