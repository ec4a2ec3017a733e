// Loading what an earlier run stored, and how faulty stored values are
// reported.

#include <gtest/gtest.h>

#include "settings/clock_set.h"
#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

TEST(SettingsLoad, SecondStartReadsTheSeededEntriesBack) {
    MemoryStore store = FirstRunStore();
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_FALSE(load.firstRun);
    EXPECT_FALSE(load.error);
    EXPECT_EQ(settings.Start_1, 1);
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountIndex, 0);
    EXPECT_EQ(settings.CountList[0].title, "Christmas Countdown");
    EXPECT_EQ(settings.CountList[0].date, 46381.0);
    EXPECT_EQ(settings.CountList[0].time, 0.0);
    EXPECT_EQ(settings.CountList[1].title, "New Year Countdown");
    EXPECT_EQ(settings.CountList[1].date, 46388.0);
    EXPECT_EQ(settings.CountList[1].time, 0.0);
    EXPECT_EQ(settings.ClockFont, "Tahoma");
    EXPECT_EQ(settings.ClockLeft, 512);
    EXPECT_EQ(settings.CountTop, 40);
    EXPECT_EQ(settings.CalendarSize, 5);
    EXPECT_TRUE(settings.CalendarBold);
    EXPECT_FALSE(settings.CalendarGo);
}

TEST(SettingsLoad, OpensKeysWithoutCreatingThem) {
    MemoryStore store;
    Settings settings;
    EXPECT_TRUE(LoadInto(store, settings).firstRun);
    EXPECT_FALSE(store.HasKey(kRootPath));
    EXPECT_FALSE(store.HasKey(kClockPath));
}

TEST(SettingsLoad, MissingGroupTakesFirstRunValuesWithoutError) {
    MemoryStore store = CustomStore();
    store.RemoveKey(kCountdownPath);  // and the list below it
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_FALSE(load.error);
    EXPECT_FALSE(load.firstRun);
    EXPECT_EQ(settings.CountFont, "Tahoma");
    EXPECT_TRUE(settings.CountShow);
    EXPECT_EQ(settings.CountSize, 3);
    EXPECT_EQ(settings.CountTop, 10 + 5 * 12);  // below the clock's first place, by the stored size
    EXPECT_EQ(settings.CountMax, 2);
    EXPECT_EQ(settings.CountList[1].title, "New Year Countdown");
    EXPECT_EQ(settings.ClockSize, 12);  // the other keys as stored
    EXPECT_EQ(settings.CalendarSize, 9);
    EXPECT_EQ(store.WriteCount(), 0u);
}

TEST(SettingsLoad, NonZeroFlagReadsTrueAndSaveWritesOne) {
    MemoryStore store = FirstRunStore();
    store.PutDword(kClockPath, "ClockGo", 5);
    Settings settings;
    ASSERT_FALSE(LoadInto(store, settings).error);
    EXPECT_TRUE(settings.ClockGo);
    ASSERT_FALSE(Save(store, settings, settings.CountIndex));
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockGo"), 1);
}

TEST(SettingsLoad, MissingStringReadsEmptyWithoutError) {
    MemoryStore store = FirstRunStore();
    store.Remove(kClockPath, "ClockFont");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_FALSE(load.error);
    EXPECT_EQ(settings.ClockFont, "");
    EXPECT_TRUE(settings.DateShow);  // the values after it still load
    EXPECT_EQ(settings.CalendarTop, 10);
}

TEST(SettingsLoad, ExpandStringIsAcceptedAsItIs) {
    MemoryStore store = FirstRunStore();
    store.Put(kClockPath, "ClockFont", {ValueType::ExpandString, EncodeString("%FONT%")});
    Settings settings;
    EXPECT_FALSE(LoadInto(store, settings).error);
    EXPECT_EQ(settings.ClockFont, "%FONT%");
}

TEST(SettingsLoad, ReportsMissingAndMistypedValuesByName) {
    struct Case {
        const char* label;
        std::function<void(MemoryStore&)> damage;
        std::string message;
    };
    const Case cases[] = {
        {"date stored as dword", [](MemoryStore& s) { s.PutDword(kCountTitlePath, "CountDate1", 46388); },
         "Invalid data type for 'CountDate1'"},
        {"time of 4 bytes", [](MemoryStore& s) { s.Put(kCountTitlePath, "CountTime0", {ValueType::Binary, {0, 0, 0, 0}}); },
         "Invalid data type for 'CountTime0'"},
        {"integer missing", [](MemoryStore& s) { s.Remove(kClockPath, "ClockSkin"); }, "Failed to get data for 'ClockSkin'"},
        {"flag missing", [](MemoryStore& s) { s.Remove(kCalendarPath, "CalendarGo"); }, "Failed to get data for 'CalendarGo'"},
        {"date missing", [](MemoryStore& s) { s.Remove(kCountTitlePath, "CountDate0"); }, "Failed to get data for 'CountDate0'"},
        {"integer as string", [](MemoryStore& s) { s.PutString(kCountdownPath, "CountSize", "3"); },
         "Invalid data type for 'CountSize'"},
        {"dword of 8 bytes", [](MemoryStore& s) { s.PutDouble(kClockPath, "ClockTop", 1.0); },
         "Invalid data type for 'ClockTop'"},
        {"string as dword", [](MemoryStore& s) { s.PutDword(kCalendarPath, "CalendarFont", 1); },
         "Invalid data type for 'CalendarFont'"},
        {"unreadable string", [](MemoryStore& s) { s.FailQuery("CountFont"); },
         "Zentrova could not read the countdown's font ('CountFont'); it shows its first value for now, and what "
         "is stored stays as it is."},
        {"start marker missing", [](MemoryStore& s) { s.Remove(kRootPath, "Start_1"); }, "Failed to get data for 'Start_1'"},
        {"another clock's value missing", [](MemoryStore& s) { CopyClockKey(s, 2); s.Remove(ClockPath(2), "ClockSkin"); },
         "Failed to get data for 'ClockSkin' in 'Clock2'"},
        {"another clock's flag as string", [](MemoryStore& s) { CopyClockKey(s, 8); s.PutString(ClockPath(8), "ClockGo", "1"); },
         "Invalid data type for 'ClockGo' in 'Clock8'"},
    };
    for (const Case& c : cases) {
        MemoryStore store = FirstRunStore();
        c.damage(store);
        Settings settings;
        LoadResult load = LoadInto(store, settings);
        EXPECT_EQ(load.error, c.message) << c.label;
        EXPECT_FALSE(load.firstRun) << c.label;
        EXPECT_EQ(store.WriteCount(), 0u) << c.label;
    }
}

TEST(SettingsLoad, OtherClocksLoadFromTheirNumberedKeysAndOthersAreLeftAlone) {
    MemoryStore store = FirstRunStore();
    CopyClockKey(store, 5);
    store.PutString(ClockPath(5), "ClockZone", "Tokyo Standard Time");
    store.PutString(ClockPath(5), "ClockZoneLabel", "Tokyo");
    store.PutDword(ClockPath(5), "ClockSize", 77);  // held to the slider's range like the first clock's
    CopyClockKey(store, 3);
    store.PutDword(ClockPath(3), "ClockLeft", -40);
    // Past the eighth, or not numbered: never read, never touched.
    CopyClockKey(store, 9);
    store.PutDword(kClockPath + "Two", "ClockSize", 1);
    store.PutDword(kClockPath + "0", "ClockSize", 1);
    store.ClearJournal();

    Settings settings;
    ASSERT_FALSE(LoadInto(store, settings).error);
    EXPECT_EQ(ClockNumbers(settings), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(ClockValues(settings, 5)->ClockZoneLabel, "Tokyo");
    EXPECT_EQ(ClockValues(settings, 5)->ClockZone, "Tokyo Standard Time");
    EXPECT_EQ(ClockValues(settings, 5)->ClockSize, 50);
    EXPECT_EQ(ClockValues(settings, 3)->ClockLeft, -40);
    EXPECT_EQ(settings.ClockZone, "");  // the first clock is its own
    EXPECT_EQ(store.WriteCount(), 0u);

    ASSERT_FALSE(Save(store, settings, settings.CountIndex));
    EXPECT_EQ(StoredDword(store, ClockPath(5), "ClockSize"), 50);
    EXPECT_EQ(StoredString(store, ClockPath(5), "ClockZone"), "Tokyo Standard Time");
    EXPECT_EQ(WrittenNames(store, ClockPath(3)).size(), WrittenNames(store, kClockPath).size());
    for (const std::string& untouched : {ClockPath(9), kClockPath + "Two", kClockPath + "0"})
        EXPECT_TRUE(WrittenNames(store, untouched).empty()) << untouched;
}

TEST(SettingsLoad, ReadsEntriesOnlyUpToCountMax) {
    MemoryStore store = FirstRunStore();
    store.PutDword(kCountTitlePath, "CountMax", 1);
    Settings settings;
    ASSERT_FALSE(LoadInto(store, settings).error);
    EXPECT_EQ(settings.CountMax, 1);
    EXPECT_EQ(settings.CountList[1].title, "");
}

// A first run that did not finish: what is missing is still to be written,
// which is no error.
TEST(SettingsLoad, StartZeroIsFirstRunAndAMissingValueTakesItsFirstRunValue) {
    MemoryStore store = FirstRunStore();
    store.PutDword(kRootPath, "Start_1", 0);
    store.Remove(kClockPath, "ClockSize");
    store.Remove(kClockPath, "ClockFont");
    Settings settings;
    LoadResult load = LoadInto(store, settings);
    EXPECT_TRUE(load.firstRun);
    EXPECT_FALSE(load.error);
    EXPECT_EQ(settings.ClockSize, 6);
    EXPECT_EQ(settings.ClockFont, "Tahoma");
    EXPECT_FALSE(FirstRunDefaultsStored(settings));
}

}  // namespace
}  // namespace zentrova
