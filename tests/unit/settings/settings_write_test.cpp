// Save, the position write-backs, the list dialogs' writes and what happens
// when keys or values cannot be written.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <tuple>

#include "settings/clock_set.h"
#include "settings/clock_store.h"
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

// A finished first run's store whose list holds `titles` instead.
MemoryStore StoreWithEntries(std::initializer_list<const char*> titles) {
    MemoryStore store = FirstRunStore();
    int i = 0;
    for (const char* title : titles) {
        store.PutString(kCountTitlePath, Numbered("Count", i), title);
        store.PutDouble(kCountTitlePath, Numbered("CountDate", i), 46000.0 + i);
        store.PutDouble(kCountTitlePath, Numbered("CountTime", i), 0.125 * i);
        store.PutDword(kCountTitlePath, Numbered("CountYearly", i), 0);
        ++i;
    }
    store.PutDword(kCountTitlePath, "CountMax", i);
    return store;
}

// The delete dialog's change to memory, then its write.
StoreError DeleteAt(MemoryStore& store, Settings& settings, int index, int selected) {
    const CountEntry gone = settings.CountList.at(static_cast<std::size_t>(index));
    for (int i = index; i + 1 < settings.CountMax; ++i) settings.CountList.at(i) = settings.CountList.at(i + 1);
    settings.CountMax = std::max(settings.CountMax - 1, 1);
    settings.CountIndex = selected;
    return WriteListAfterDelete(store, settings, gone);
}

TEST(SettingsSave, WritesOnlyCountIndexInTheListKey) {
    MemoryStore store = CustomStore();  // three entries
    Settings settings = Loaded(store);
    settings.ClockSize = 22;
    settings.CalendarFont = "Verdana";
    settings.CountList[0].title = "Changed only in memory";
    ASSERT_FALSE(Save(store, settings, 1));

    EXPECT_EQ(WrittenNames(store, kCountTitlePath), std::vector<std::string>{"CountIndex"});
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountIndex"), 1);
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 3);
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count0"), "Exam");
    EXPECT_TRUE(WrittenNames(store, kRootPath).empty());
    // The options changed, and those this store predates.
    EXPECT_EQ(WrittenNames(store, kClockPath), (std::vector<std::string>{"ClockSize", "ClockZone", "ClockZoneLabel",
                                                                        "ClockStay", "ClockDifference", "ClockNight"}));
    EXPECT_EQ(WrittenNames(store, kCountdownPath), (std::vector<std::string>{"CountStay", "CountNotify", "CountSound"}));
    EXPECT_EQ(WrittenNames(store, kCalendarPath), (std::vector<std::string>{"CalendarFont", "CalendarWeekStart",
                                                   "CalendarWeekNumbers", "CalendarEvents", "CalendarStay"}));
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSize"), 22);
    EXPECT_EQ(StoredString(store, kCalendarPath, "CalendarFont"), "Verdana");

    std::vector<std::string> pathOrder;
    for (const auto& op : store.Journal())
        if (pathOrder.empty() || pathOrder.back() != op.path) pathOrder.push_back(op.path);
    EXPECT_EQ(pathOrder,
              (std::vector<std::string>{kClockPath, kCountdownPath, kCountTitlePath, kCalendarPath, kGeneralPath}));
}

TEST(SettingsPosition, WritesOnlyTheWindowsLeftThenTop) {
    struct Case {
        DisplayWindowId window;
        const std::string* path;
        std::vector<std::string> names;
        int clock = 1;  // which clock, for the clock
    };
    const std::string clock4 = ClockPath(4);
    const Case cases[] = {
        {DisplayWindowId::Clock, &kClockPath, {"ClockLeft", "ClockTop"}},
        {DisplayWindowId::Clock, &clock4, {"ClockLeft", "ClockTop"}, 4},
        {DisplayWindowId::Countdown, &kCountdownPath, {"CountLeft", "CountTop"}},
        {DisplayWindowId::Calendar, &kCalendarPath, {"CalendarLeft", "CalendarTop"}},
    };
    for (const Case& c : cases) {
        MemoryStore store = FirstRunStore();
        CopyClockKey(store, 4);
        Settings settings = Loaded(store);
        settings.ClockLeft = settings.CountLeft = settings.CalendarLeft = 101;
        settings.ClockTop = settings.CountTop = settings.CalendarTop = -7;
        ClockValues(settings, 4)->ClockLeft = 101;
        ClockValues(settings, 4)->ClockTop = -7;
        ASSERT_FALSE(c.clock > 1 ? WriteClockPosition(store, settings, c.clock)
                                 : WritePosition(store, settings, c.window));
        EXPECT_EQ(store.Journal().size(), 2u);
        EXPECT_EQ(WrittenNames(store, *c.path), c.names);
        EXPECT_EQ(StoredDword(store, *c.path, c.names[0]), 101);
        EXPECT_EQ(StoredDword(store, *c.path, c.names[1]), -7);
    }
}

TEST(SettingsClocks, RemovingAClockDeletesItsKeyAlone) {
    MemoryStore store = FirstRunStore();
    CopyClockKey(store, 2);
    CopyClockKey(store, 3);
    store.ClearJournal();
    ASSERT_FALSE(DeleteClockKey(store, 2));
    EXPECT_FALSE(store.HasKey(ClockPath(2)));
    EXPECT_TRUE(store.HasKey(ClockPath(3)));
    EXPECT_EQ(store.Journal().size(), 1u);
    // The first clock's key is never the one deleted.
    ASSERT_FALSE(DeleteClockKey(store, 1));
    EXPECT_TRUE(store.HasKey(kClockPath));
    store.FailCreate(ClockPath(3));
    EXPECT_EQ(DeleteClockKey(store, 3), "Failed to set data for 'Clock3'");
    EXPECT_TRUE(store.HasKey(ClockPath(3)));
}

TEST(SettingsClocks, AddTakesTheLowestFreeNumberAndCopiesOnlyTheClockValues) {
    // The clocks' numbers, the first clock's 1 among them, and the next free one.
    const std::pair<std::vector<int>, int> cases[] = {
        {{1}, 2}, {{1, 2, 3}, 4}, {{1, 3, 5}, 2}, {{1, 2, 4}, 3}, {{1, 2, 3, 4, 5, 6, 7, 8}, 0}};
    for (const auto& [numbers, free] : cases) {
        Settings settings;
        for (std::size_t i = 1; i < numbers.size(); ++i) InsertClock(settings, numbers[i], settings);
        EXPECT_EQ(FreeClockNumber(settings), free) << numbers.size();
        EXPECT_EQ(ClockNumbers(settings), numbers);
    }
    Settings settings;
    settings.ClockSkin = 12;
    settings.ClockZoneLabel = "Lima";
    settings.CountSize = 17;
    InsertClock(settings, 3, settings);
    const Settings& added = *ClockValues(settings, 3);
    EXPECT_EQ(std::tuple(added.ClockSkin, added.ClockZoneLabel, added.CountSize), std::tuple(12, "Lima", 0));
    EXPECT_TRUE(added.ExtraClocks.empty());
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
              (std::vector<std::string>{"Count2", "CountDate2", "CountTime2", "CountYearly2", "CountRepeat2",
                                        "CountIndex", "CountMax"}));
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
    MemoryStore store = StoreWithEntries({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"});
    Settings settings = Loaded(store);
    settings.CountList[10] = {"K", 1.0, 0.0};
    EXPECT_FALSE(WriteListAfterAdd(store, settings, 10));
    EXPECT_FALSE(WriteListAfterAdd(store, settings, -1));
    EXPECT_EQ(store.WriteCount(), 0u);
}

TEST(SettingsList, DeleteRewritesTheListAndRemovesTheOldLast) {
    MemoryStore store = StoreWithEntries({"Alpha", "Beta", "Gamma"});
    Settings settings = Loaded(store);
    settings.CountIndex = 1;

    // Beta deleted by the dialog: Gamma moves down, Alpha is selected.
    ASSERT_FALSE(DeleteAt(store, settings, 1, 0));

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
    // The order drops Beta at once; Gamma joins it in slot 1 only once whole.
    // Gamma was stored without a repeat value, and its copy has none either.
    EXPECT_EQ(order, (std::vector<std::string>{"CountOrder", "Count1", "CountDate1", "CountTime1", "CountYearly1",
                                               "-CountRepeat1",
                                               "CountOrder", "CountIndex", "CountMax", "-CountOrder", "-Count2",
                                               "-CountDate2", "-CountTime2", "-CountYearly2"}));
}

TEST(SettingsList, DeleteOnASingleEntryKeepsItAndRemovesIndexOne) {
    MemoryStore store = StoreWithEntries({"Alpha", "Beta"});
    Settings settings = Loaded(store);
    ASSERT_FALSE(DeleteAt(store, settings, 1, 0));
    EXPECT_EQ(StoredString(store, kCountTitlePath, "Count0"), "Alpha");
    EXPECT_FALSE(store.Get(kCountTitlePath, "Count1").has_value());
    EXPECT_EQ(StoredDword(store, kCountTitlePath, "CountMax"), 1);
}

// Memory after the add dialog appended "Delta" and the delete dialog
// removed the first entry.
StoreError AddDelta(MemoryStore& store, Settings& settings) {
    const int added = settings.CountMax;
    settings.CountList.at(static_cast<std::size_t>(added)) = {"Delta", 46999.0, 0.5};
    settings.CountMax = added + 1;
    settings.CountIndex = added;
    return WriteListAfterAdd(store, settings, added);
}
StoreError DeleteFirst(MemoryStore& store, Settings& settings) { return DeleteAt(store, settings, 0, 0); }
StoreError SaveAll(MemoryStore& store, Settings& settings) {
    settings.ClockSize = 30;
    settings.CalendarSize = 11;
    return Save(store, settings, settings.CountIndex);
}

// Values the program does not change keep their type and bytes through
// every later write: an entry moved up by a Delete, a font through Save.
TEST(SettingsList, ValuesTheProgramDoesNotChangeKeepTheirExactForm) {
    std::vector<std::uint8_t> longTitle(5000, 'x');
    longTitle.push_back(0);
    const struct {
        const char* label;
        const char* name;  // of entry 1 (Trip), or of the Clock key
        StoredValue value;
    } cases[] = {
        {"title over 4096 characters", "Count1", {ValueType::String, longTitle}},
        {"title with an embedded NUL", "Count1", {ValueType::String, {'T', 'r', 0, 'i', 'p', 0}}},
        {"title as REG_EXPAND_SZ", "Count1", {ValueType::ExpandString, {'%', 'T', '%', 0}}},
        {"date of another type", "CountDate1", {ValueType{11}, {0, 0, 0, 0, 0, 0xa0, 0xe6, 0x40}}},
        {"font as REG_EXPAND_SZ", "ClockFont", {ValueType::ExpandString, {'A', 'r', 'i', 'a', 'l', 0}}},
    };
    for (const auto& c : cases) {
        MemoryStore store = CustomStore();
        const bool entry = std::string_view(c.name) != "ClockFont";
        const std::string& path = entry ? kCountTitlePath : kClockPath;
        store.Put(path, c.name, c.value);
        Settings settings = Loaded(store);
        ASSERT_FALSE(Save(store, settings, 1)) << c.label;
        std::string name = c.name;
        if (entry) {
            DeleteFirst(store, settings);  // Trip moves up to slot 0
            name.back() = '2';
            EXPECT_FALSE(store.Get(path, name)) << c.label;  // the old last slot is gone
            name.back() = '0';
        }
        const auto stored = store.Get(path, name);
        ASSERT_TRUE(stored) << c.label;
        EXPECT_EQ(stored->type, c.value.type) << c.label;
        EXPECT_EQ(stored->data, c.value.data) << c.label;
    }
}

std::string FailedToSet(const std::vector<std::string_view>& names) {
    std::string box;
    for (std::string_view name : names)
        box += (box.empty() ? "" : "\n") + ("Failed to set data for '" + std::string(name) + "'");
    return box;
}

// A write that fails is reported once, goes on with what it can, and is
// retried by the next write of its key; then the store loads back to
// exactly what memory shows.
TEST(SettingsFailedWrite, IsReportedOnceAndTheNextWriteOfItsKeyCompletesIt) {
    using Write = std::function<StoreError(MemoryStore&, Settings&)>;
    struct Case {
        const char* label;
        bool firstRun;  // over an empty store; else over CustomStore()
        std::function<void(MemoryStore&)> fail;
        Write write;
        std::string error;
        bool listWrite;  // each list write is the user's own, reported on its own
        Write retry;
    };
    const auto failSet = [](const char* name) { return [=](MemoryStore& s) { s.FailSet(name); }; };
    const auto failCreate = [](const std::string& path) { return [=](MemoryStore& s) { s.FailCreate(path); }; };
    const Write moveClock = [](MemoryStore& s, Settings& m) {
        m.ClockLeft += 40;
        return WritePosition(s, m, DisplayWindowId::Clock);
    };
    const Write markStarted = [](MemoryStore& s, Settings& m) { return MarkStarted(s, m); };
    const Write firstRun = [](MemoryStore& s, Settings& m) { return WriteFirstRunDefaults(s, m, Context2026()); };
    const std::string deltaNotSaved = "The event 'Delta' could not be saved yet; Zentrova will try again.";
    const std::string examNotDeleted = "The event 'Exam' was not deleted yet; Zentrova will try again.";
    const std::string listNotSaved = "The countdown list could not be saved completely; Zentrova will try again.";
    const std::string partyNotSelected =
        "The selection of the event 'Party' could not be saved yet; Zentrova will try again.";
    const Case cases[] = {
        {"Save, one value", false, failSet("ClockSize"), SaveAll, FailedToSet({"ClockSize"}), false, moveClock},
        {"Save, a key", false, failCreate(kCalendarPath), SaveAll, FailedToSet({"CalendarSize", "CalendarWeekStart",
         "CalendarWeekNumbers", "CalendarEvents", "CalendarStay"}), false, SaveAll},
        {"position, its key", false, failCreate(kClockPath), moveClock, FailedToSet({"ClockLeft", "ClockTop"}), false,
         SaveAll},
        {"Add, the list key", false, failCreate(kCountTitlePath), AddDelta, deltaNotSaved, true, DeleteFirst},
        {"Add, the new date", false, failSet("CountDate3"), AddDelta, deltaNotSaved, true, DeleteFirst},
        {"Add, retried by Save", false, failSet("CountDate3"), AddDelta, deltaNotSaved, true, SaveAll},
        {"Add, CountMax", false, failSet("CountMax"), AddDelta, listNotSaved, true, DeleteFirst},
        {"Delete, a moved title", false, failSet("Count1"), DeleteFirst, examNotDeleted, true, AddDelta},
        {"Delete, the slot order", false, failSet("CountOrder"), DeleteFirst, examNotDeleted, true, AddDelta},
        {"Delete, retried by Save", false, failSet("CountOrder"), DeleteFirst, examNotDeleted, true, SaveAll},
        {"Save, the selection", false, failSet("CountIndex"), SaveAll, partyNotSelected, false, SaveAll},
        {"Delete, removing the old last", false, [](MemoryStore& s) { s.FailDelete("CountTime2"); }, DeleteFirst,
         listNotSaved, true, AddDelta},
        {"start marker", false, failCreate(kRootPath), markStarted, FailedToSet({"Start_1"}), false, SaveAll},
        {"first run, one value", true, failSet("CountFont"), firstRun, FailedToSet({"CountFont"}), false, SaveAll},
    };
    for (const Case& c : cases) {
        MemoryStore store = c.firstRun ? MemoryStore{} : CustomStore();
        Settings settings = Loaded(store);
        c.fail(store);
        EXPECT_EQ(c.write(store, settings), c.error) << c.label;
        if (!c.listWrite) {
            EXPECT_FALSE(c.write(store, settings)) << c.label << ": a failure is reported once";
        }

        store.ClearFailures();
        EXPECT_FALSE(c.retry(store, settings)) << c.label;
        Settings reloaded;
        EXPECT_FALSE(LoadInto(store, reloaded).error) << c.label;
        EXPECT_EQ(Shown(reloaded), Shown(settings)) << c.label;
        EXPECT_EQ(StoredDword(store, kRootPath, "Start_1"), 1) << c.label;
        EXPECT_FALSE(store.Get(kCountTitlePath, "CountOrder")) << c.label;
    }
}

// Two copies of the program over one store (the same user signed in twice):
// neither loses what the other stored, and each takes in the other's change.
TEST(SettingsTwoCopies, NeitherOverwritesWhatTheOtherStored) {
    using Step = std::function<StoreError(MemoryStore&, Settings&)>;
    const Step addEcho = [](MemoryStore& s, Settings& m) {
        m.CountList.at(static_cast<std::size_t>(m.CountMax++)) = {"Echo", 47000.0, 0.5};
        return WriteListAfterAdd(s, m, m.CountMax - 1);
    };
    const Step deleteTrip = [](MemoryStore& s, Settings& m) { return DeleteAt(s, m, 1, 0); };
    const auto save = [](int Settings::*option, int value) -> Step {
        return [=](MemoryStore& s, Settings& m) { m.*option = value; return Save(s, m, m.CountIndex); };
    };
    const Step saveCountSize = save(&Settings::CountSize, 4);
    struct Case {
        const char* label;
        Step first, second;  // by one copy, then by the other
        std::vector<std::string> titles;
        int clockSize, countSize;
    };
    const Case cases[] = {
        {"both add", AddDelta, addEcho, {"Exam", "Trip", "Party", "Delta", "Echo"}, 12, 15},
        {"one deletes, one adds", deleteTrip, addEcho, {"Exam", "Party", "Echo"}, 12, 15},
        {"one adds, one deletes", AddDelta, deleteTrip, {"Exam", "Party", "Delta"}, 12, 15},
        {"both save an option", save(&Settings::ClockSize, 20), saveCountSize, {"Exam", "Trip", "Party"}, 20, 4},
        {"one adds, one saves", AddDelta, saveCountSize, {"Exam", "Trip", "Party", "Delta"}, 12, 4},
    };
    const auto shown = [](const Settings& s) { return std::tuple{Titles(s), s.ClockSize, s.CountSize}; };
    for (const Case& c : cases) {
        MemoryStore store = CustomStore();
        Settings one = Loaded(store), other = Loaded(store), reloaded;
        ASSERT_FALSE(c.first(store, one)) << c.label;
        ASSERT_FALSE(c.second(store, other)) << c.label;
        ASSERT_FALSE(LoadInto(store, reloaded).error) << c.label;
        EXPECT_EQ(shown(reloaded), std::tuple(c.titles, c.clockSize, c.countSize)) << c.label;
        // The first copy, told of the change, shows it all but its selection.
        EXPECT_TRUE(TakeInStoredChanges(store, one, Context2026())) << c.label;
        EXPECT_EQ(shown(one), shown(reloaded)) << c.label;
        EXPECT_FALSE(TakeInStoredChanges(store, one, Context2026())) << c.label << ": nothing new";
    }
}

TEST(SettingsTwoCopies, AnUnsavedChangeOutlivesTheOtherCopysSave) {
    MemoryStore store = CustomStore();
    Settings one = Loaded(store), other = Loaded(store);
    one.ClockSize = 30;  // changed here, not saved
    other.ClockSize = 20;
    other.ClockSkin = 2;
    ASSERT_FALSE(Save(store, other, other.CountIndex));
    EXPECT_TRUE(TakeInStoredChanges(store, one, Context2026()));
    EXPECT_EQ(std::pair(one.ClockSize, one.ClockSkin), std::pair(30, 2));
    ASSERT_FALSE(Save(store, one, one.CountIndex));
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSize"), 30);
    EXPECT_EQ(StoredDword(store, kClockPath, "ClockSkin"), 2);
}

// The clocks after the first: what the other copy adds, changes or removes
// shows here too, but for this copy's unsaved change, a key still being
// written, and a clock this copy could not store yet.
TEST(SettingsTwoCopies, TakesInTheOtherCopysClocks) {
    using Step = std::function<void(MemoryStore&, Settings&)>;
    const Step none = [](MemoryStore&, Settings&) {};
    const auto resizeTwo = [](int size, bool save) -> Step {
        return [=](MemoryStore& s, Settings& m) {
            ClockValues(m, 2)->ClockSize = size;
            if (save) Save(s, m, m.CountIndex);
        };
    };
    const Step addThree = [](MemoryStore& s, Settings& m) { InsertClock(m, 3, m).ClockSkin = 7; WriteClock(s, m, 3); };
    const Step addThreeUnstored = [&](MemoryStore& s, Settings& m) {
        s.FailCreate(ClockPath(3));
        addThree(s, m);
        s.ClearFailures();
    };
    const Step removeTwo = [](MemoryStore& s, Settings&) { DeleteClockKey(s, 2); };
    const Step halfWriteThree = [](MemoryStore& s, Settings&) { s.PutDword(ClockPath(3), "ClockSize", 8); };
    // Steps: this copy's unsaved change, then the other copy's; clock 2's size after.
    struct Case { const char* label; Step mine, other; std::vector<int> changed, added, removed; int twoSize; };
    const Case cases[] = {
        {"resized there", none, resizeTwo(30, true), {2}, {}, {}, 30},
        {"resized here too", resizeTwo(25, false), resizeTwo(30, true), {}, {}, {}, 25},
        {"added there", none, addThree, {}, {3}, {}, 12},
        {"still being written", none, halfWriteThree, {}, {}, {}, 12},
        {"removed there", none, removeTwo, {}, {}, {2}, 12},
        {"added here, not stored", addThreeUnstored, removeTwo, {}, {}, {2}, 12},
    };
    for (const Case& c : cases) {
        MemoryStore store = CustomStore();
        CopyClockKey(store, 2);
        Settings one = Loaded(store), other = Loaded(store), reloaded;
        c.mine(store, one);
        c.other(store, other);
        LoadInto(store, reloaded);
        const StoredChanges changes = TakeInStoredChanges(store, one, Context2026());
        EXPECT_EQ(std::tuple(changes.options, changes.changedClocks, changes.addedClocks, changes.removedClocks),
                  std::tuple(false, c.changed, c.added, c.removed)) << c.label;
        for (int n : c.added) EXPECT_EQ(Shown(*ClockValues(one, n)), Shown(*ClockValues(reloaded, n))) << c.label;
        for (int number : c.removed) EraseClock(one, number);
        if (ClockValues(one, 2)) EXPECT_EQ(ClockValues(one, 2)->ClockSize, c.twoSize) << c.label;
        EXPECT_FALSE(TakeInStoredChanges(store, one, Context2026())) << c.label << ": nothing new";
    }
}

}  // namespace
}  // namespace zentrova
