// Save, the position write-backs, the list dialogs' writes and what happens
// when keys or values cannot be written.

#include <gtest/gtest.h>

#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

Settings Loaded(MemoryStore& store) {
    Settings settings;
    LoadInto(store, settings);
    store.ClearJournal();
    return settings;
}

void SetEntries(Settings& settings, std::initializer_list<const char*> titles) {
    int i = 0;
    for (const char* title : titles) {
        settings.CountList[static_cast<std::size_t>(i)] = {title, 46000.0 + i, 0.125 * i};
        ++i;
    }
    settings.CountMax = i;
}

TEST(SettingsSave, WritesOnlyCountIndexInTheListKey) {
    MemoryStore store = CustomStore();  // three entries
    Settings settings = Loaded(store);
    settings.ClockSize = 22;
    settings.CalendarFont = "Verdana";
    settings.CountMax = 9;
    settings.CountList[0].title = "Changed only in memory";
    ASSERT_FALSE(Save(store, settings, 1));

    EXPECT_EQ(WrittenNames(store, kCountTitlePath), std::vector<std::string>{"CountIndex"});
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountIndex"), 1);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 3);
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count0"), "Exam");
    EXPECT_TRUE(WrittenNames(store, kRootPath).empty());
    EXPECT_EQ(WrittenNames(store, kClockPath).size(), 14u);
    EXPECT_EQ(WrittenNames(store, kCountdownPath).size(), 11u);
    EXPECT_EQ(WrittenNames(store, kCalendarPath).size(), 13u);
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSize"), 22);
    EXPECT_EQ(StoredString(store, kCalendarPath, "CalendarFont"), "Verdana");

    std::vector<std::string> pathOrder;
    for (const auto& op : store.Journal())
        if (pathOrder.empty() || pathOrder.back() != op.path) pathOrder.push_back(op.path);
    EXPECT_EQ(pathOrder, (std::vector<std::string>{kClockPath, kCountdownPath, kCountTitlePath, kCalendarPath}));
}

TEST(SettingsSave, StopsAtAValueThatCannotBeWritten) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    settings.ClockSize = 30;
    settings.CountSize = 10;
    store.FailSet("ClockShow");
    EXPECT_EQ(Save(store, settings, 0), "Failed to set data for 'ClockShow'");
    EXPECT_EQ(WrittenNames(store, kClockPath),
              (std::vector<std::string>{"ClockSize", "ClockSkin", "ClockTransparent", "TimeIndex", "DateIndex",
                                        "ClockFont", "DateShow"}));
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSize"), 30);
    EXPECT_TRUE(WrittenNames(store, kCountdownPath).empty());
    EXPECT_EQ(StoredDword(store, kCountdownPath, "CountSize"), 3);
    EXPECT_TRUE(WrittenNames(store, kCalendarPath).empty());
}

TEST(SettingsSave, KeyThatCannotBeCreatedIsSkipped) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    settings.CountSize = 10;
    settings.CalendarSize = 11;
    store.FailCreate(kCountdownPath);
    EXPECT_FALSE(Save(store, settings, 0));
    EXPECT_EQ(StoredDword(store, kCountdownPath, "CountSize"), 3);
    EXPECT_EQ(StoredDword(store, kCalendarPath, "CalendarSize"), 11);
}

TEST(SettingsPosition, WritesOnlyTheWindowsLeftThenTop) {
    struct Case {
        DisplayWindowId window;
        const std::string* path;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {DisplayWindowId::Clock, &kClockPath, {"ClockLeft", "ClockTop"}},
        {DisplayWindowId::Countdown, &kCountdownPath, {"CountLeft", "CountTop"}},
        {DisplayWindowId::Calendar, &kCalendarPath, {"CalendarLeft", "CalendarTop"}},
    };
    for (const Case& c : cases) {
        MemoryStore store = FirstRunStore();
        Settings settings = Loaded(store);
        settings.ClockLeft = settings.CountLeft = settings.CalendarLeft = 101;
        settings.ClockTop = settings.CountTop = settings.CalendarTop = -7;
        ASSERT_FALSE(WritePosition(store, settings, c.window));
        EXPECT_EQ(store.Journal().size(), 2u);
        EXPECT_EQ(WrittenNames(store, *c.path), c.names);
        EXPECT_EQ(StoredDword(store, *c.path, c.names[0]), 101);
        EXPECT_EQ(StoredDword(store, *c.path, c.names[1]), -7);
    }
}

TEST(SettingsPosition, KeyThatCannotBeCreatedWritesNothingSilently) {
    MemoryStore store;
    store.FailCreate(kClockPath);
    Settings settings;
    settings.ClockLeft = 40;
    EXPECT_FALSE(WritePosition(store, settings, DisplayWindowId::Clock));
    EXPECT_EQ(store.WriteCount(), 0u);
    EXPECT_FALSE(store.HasKey(kClockPath));
    EXPECT_EQ(settings.ClockLeft, 40);
}

TEST(SettingsPosition, TopThatCannotBeWrittenIsReportedAfterLeft) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    settings.CountLeft = 77;
    store.FailSet("CountTop");
    EXPECT_EQ(WritePosition(store, settings, DisplayWindowId::Countdown), "Failed to set data for 'CountTop'");
    EXPECT_EQ(StoredDword(store, kCountdownPath, "CountLeft"), 77);
}

TEST(SettingsList, AddWritesTheNewEntryThenCounters) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    settings.CountList[2] = {"Delta", 46500.0, 0.75};
    settings.CountMax = 3;
    settings.CountIndex = 2;
    ASSERT_FALSE(WriteListAfterAdd(store, settings, 2));
    EXPECT_EQ(WrittenNames(store, kCountTitlePath),
              (std::vector<std::string>{"Count2", "CountDate2", "CountTime2", "CountIndex", "CountMax"}));
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count2"), "Delta");
    EXPECT_EQ(StoredDouble(store, kCountTitlePath, "CountDate2"), 46500.0);
    EXPECT_EQ(StoredDouble(store, kCountTitlePath, "CountTime2"), 0.75);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountIndex"), 2);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 3);

    Settings reloaded;
    ASSERT_FALSE(LoadInto(store, reloaded).error);
    EXPECT_EQ(reloaded.SelectedEntry().title, "Delta");
}

TEST(SettingsList, AddBeyondTheListWritesNothing) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    SetEntries(settings, {"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    settings.CountList[10] = {"K", 1.0, 0.0};
    EXPECT_FALSE(WriteListAfterAdd(store, settings, 10));
    EXPECT_FALSE(WriteListAfterAdd(store, settings, -1));
    EXPECT_EQ(store.WriteCount(), 0u);
}

TEST(SettingsList, DeleteRewritesTheListAndRemovesTheOldLast) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    SetEntries(settings, {"Alpha", "Beta", "Gamma"});
    settings.CountIndex = 1;
    ASSERT_FALSE(WriteListAfterDelete(store, settings));  // stored: Alpha, Beta, Gamma
    store.ClearJournal();

    // Beta deleted by the dialog: Gamma moves down, Alpha is selected.
    settings.CountList[1] = settings.CountList[2];
    settings.CountMax = 2;
    settings.CountIndex = 0;
    ASSERT_FALSE(WriteListAfterDelete(store, settings));

    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count0"), "Alpha");
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count1"), "Gamma");
    EXPECT_EQ(StoredDouble(store, kCountTitlePath, "CountDate1"), 46002.0);
    EXPECT_EQ(StoredDouble(store, kCountTitlePath, "CountTime1"), 0.25);
    for (const char* name : {"Count2", "CountDate2", "CountTime2"})
        EXPECT_FALSE(store.Get(kCountTitlePath, name).has_value()) << name;
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountIndex"), 0);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 2);

    std::vector<std::string> order;
    for (const auto& op : store.Journal())
        order.push_back((op.kind == MemoryStore::Operation::Kind::Delete ? "-" : "") + op.name);
    EXPECT_EQ(order, (std::vector<std::string>{"Count0", "CountDate0", "CountTime0", "Count1", "CountDate1",
                                               "CountTime1", "-Count2", "-CountDate2", "-CountTime2", "CountIndex",
                                               "CountMax"}));
}

TEST(SettingsList, DeleteOnASingleEntryKeepsItAndRemovesIndexOne) {
    MemoryStore store = FirstRunStore();  // holds two entries
    Settings settings = Loaded(store);
    SetEntries(settings, {"Alpha"});
    settings.CountIndex = 0;
    ASSERT_FALSE(WriteListAfterDelete(store, settings));
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count0"), "Alpha");
    EXPECT_FALSE(store.Get(kCountTitlePath, "Count1").has_value());
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 1);
}

TEST(SettingsList, KeyThatCannotBeCreatedLeavesStoreAndMemory) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    store.FailCreate(kCountTitlePath);
    SetEntries(settings, {"Alpha", "Beta", "Gamma"});
    settings.CountIndex = 2;
    EXPECT_FALSE(WriteListAfterAdd(store, settings, 2));
    EXPECT_FALSE(WriteListAfterDelete(store, settings));
    EXPECT_EQ(store.WriteCount(), 0u);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 2);
    EXPECT_EQ(settings.CountMax, 3);
    EXPECT_EQ(settings.CountList[2].title, "Gamma");
}

TEST(SettingsList, ValueThatCannotBeWrittenStopsTheListWrite) {
    MemoryStore store = FirstRunStore();
    Settings settings = Loaded(store);
    SetEntries(settings, {"Alpha", "Beta", "Gamma"});
    store.FailSet("CountDate1");
    EXPECT_EQ(WriteListAfterDelete(store, settings), "Failed to set data for 'CountDate1'");
    EXPECT_EQ(WrittenNames(store, kCountTitlePath), (std::vector<std::string>{"Count0", "CountDate0", "CountTime0", "Count1"}));
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 2);
}

TEST(SettingsFirstRunWrite, ValueThatCannotBeWrittenStopsButMemoryHasDefaults) {
    MemoryStore store;
    store.FailSet("CountFont");
    Settings settings;
    EXPECT_EQ(FirstStart(store, settings), "Failed to set data for 'CountFont'");
    EXPECT_EQ(StoredDword(store, kCountdownPath, "CountTransparent"), 0);
    EXPECT_FALSE(store.HasKey(kCalendarPath));
    EXPECT_EQ(settings.CalendarSize, 5);
    EXPECT_EQ(settings.CountList[1].title, "New Year Countdown");
}

TEST(SettingsFirstRunWrite, KeyThatCannotBeCreatedIsSkipped) {
    MemoryStore store;
    store.FailCreate(kClockPath);
    Settings settings;
    EXPECT_FALSE(FirstStart(store, settings));
    EXPECT_TRUE(store.ValueNames(kClockPath).empty());
    EXPECT_EQ(StoredDword(store, kCalendarPath, "CalendarSize"), 5);
    EXPECT_EQ(settings.ClockSize, 6);
}

TEST(SettingsMarkStarted, KeyThatCannotBeCreatedStillMarksMemory) {
    MemoryStore store;
    store.FailCreate(kRootPath);
    Settings settings;
    EXPECT_FALSE(MarkStarted(store, settings));
    EXPECT_EQ(settings.Start_1, 1);
    EXPECT_EQ(store.WriteCount(), 0u);
}

}  // namespace
}  // namespace zentrova
