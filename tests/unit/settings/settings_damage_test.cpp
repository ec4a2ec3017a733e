// A damaged store never costs the user a setting, an event or a visible
// window: start-up shows what it can read, reports the rest in one box, and
// later writes repair the damage without touching what the user kept.

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "settings/date_time.h"
#include "settings/settings_schema.h"
#include "settings_window/settings_window_fakes.h"
#include "store_test_support.h"

namespace zentrova {
namespace {

using namespace test;

// A start of the program over `earlier`, with its own window and fakes.
struct Start : SettingsWindowRig {
    // `fault`, when given, is set on the store for the start-up alone.
    explicit Start(const MemoryStore& earlier, const std::function<void(MemoryStore&)>& fault = {}) {
        store = earlier;
        store.ClearFailures();
        if (fault) fault(store);
        form.FormCreate();
        stoppedAtStart = store.Stopped();
        store.ClearFailures();
    }
    bool stoppedAtStart = false;
    std::vector<std::string> Errors() const {
        std::vector<std::string> errors;
        for (const std::string& call : host.calls)
            if (call.starts_with("error:")) errors.push_back(call.substr(6));
        return errors;
    }
    bool Shows(const char* window) const { return displays.Count(std::string("show ") + window) == 1; }
    void Add(const std::string& title) {
        controls().Press("Button5");
        auto& add = dialogs.adds.back();
        add.view.title = title;
        add.view.date = {2027, 3, 1};
        add.view.time = {18, 30, 0};
        add.dialog->OKBtnClick();
    }
    void Delete() {
        controls().Press("Button6");
        dialogs.deletes.back().dialog->OKBtnClick();
    }
    void Save() { controls().Press("Button1"); }
    // The store loads back, without an error, to what memory and the title
    // list show.
    void ExpectStoreShowsMemory(const char* when) {
        Settings reloaded;
        LoadResult load = LoadInto(store, reloaded);
        EXPECT_FALSE(load.error) << when << ": " << load.error.value_or("");
        EXPECT_EQ(Shown(reloaded), Shown(settings)) << when;
        EXPECT_EQ(controls().List("ComboBox4").ItemCount(), settings.CountMax) << when;
    }
};

TEST(StoreDamage, SaveAfterAMissingValueKeepsEveryOtherStoredValue) {
    MemoryStore damaged = CustomStore();
    damaged.Remove(kClockPath, "ClockShow");
    const StoreSnapshot before = Snapshot(damaged);
    Start start(damaged);
    EXPECT_EQ(start.Errors(), std::vector<std::string>{"Failed to get data for 'ClockShow'"});
    EXPECT_TRUE(start.Shows("clock"));

    start.Save();
    StoreSnapshot expected = before;
    expected[{kClockPath, "ClockShow"}] = {ValueType::Dword, {1, 0, 0, 0}};
    // The options this store predates are written with their first values.
    AddOptionsAddedLater(expected);
    EXPECT_EQ(Snapshot(start.store), expected);
    start.ExpectStoreShowsMemory("after Save");

    // Add appends after the stored entries; Delete removes only the selected.
    start.Add("Fourth");
    EXPECT_EQ(StoredString(start.store, kCountTitlePath, "Count2"), "Party");
    EXPECT_EQ(StoredString(start.store, kCountTitlePath, "Count3"), "Fourth");
    start.Delete();
    EXPECT_EQ(StoredString(start.store, kCountTitlePath, "Count0"), "Exam");
    EXPECT_EQ(StoredString(start.store, kCountTitlePath, "Count2"), "Party");
    EXPECT_EQ(StoredDword(start.store, kCountTitlePath, "CountMax"), 3);
    start.ExpectStoreShowsMemory("after Add and Delete");
}

TEST(StoreDamage, RootKeyWithoutStartMarkerShowsEveryWindowOnBothStarts) {
    MemoryStore bare;
    bare.AddKey(kRootPath);
    Start first(bare);
    EXPECT_EQ(first.Errors(), std::vector<std::string>{"Failed to get data for 'Start_1'"});
    EXPECT_FALSE(first.form.FirstRun());
    EXPECT_EQ(StoredDword(first.store, kRootPath, "Start_1"), 1);

    Start second(first.store);
    EXPECT_TRUE(second.Errors().empty());
    for (Start* start : {&first, &second}) {
        EXPECT_TRUE(start->Shows("clock"));
        EXPECT_TRUE(start->Shows("countdown"));
        EXPECT_TRUE(start->Shows("calendar"));
        EXPECT_EQ(start->settings.ClockSize, 6);
        EXPECT_EQ(start->settings.CalendarFont, "Tahoma");
        EXPECT_EQ(start->controls().List("ComboBox4").ItemCount(), 2);
    }
    // A position written now repairs its whole key rather than leaving a
    // key that later starts would find half empty.
    second.settings.CalendarLeft = 44;
    ASSERT_FALSE(WritePosition(second.store, second.settings, DisplayWindowId::Calendar));
    EXPECT_EQ(StoredDword(second.store, kCalendarPath, "CalendarSize"), 5);
    Settings third;
    EXPECT_FALSE(LoadInto(second.store, third).error);
    EXPECT_EQ(third.CalendarLeft, 44);
}

TEST(StoreDamage, UnusableListShowsFirstRunEntriesAndAddStoresThemAll) {
    struct Case {
        const char* label;
        std::function<void(MemoryStore&)> damage;
        std::vector<std::string> shown;  // titles at start-up
    };
    const Case cases[] = {
        {"no CountTitle key", [](MemoryStore& s) { s.RemoveKey(kCountTitlePath); },
         {"Christmas Countdown", "New Year Countdown"}},
        {"CountMax 0", [](MemoryStore& s) { s.PutDword(kCountTitlePath, "CountMax", 0); },
         {"Exam", "Trip", "Party"}},
        {"CountMax 11", [](MemoryStore& s) { s.PutDword(kCountTitlePath, "CountMax", 11); },
         {"Exam", "Trip", "Party"}},
    };
    for (const Case& c : cases) {
        MemoryStore damaged = CustomStore();
        c.damage(damaged);
        Start start(damaged);
        std::vector<std::string> titles;
        for (int i = 0; i < start.settings.CountMax; ++i) titles.push_back(start.settings.CountList[i].title);
        EXPECT_EQ(titles, c.shown) << c.label;
        EXPECT_EQ(start.controls().List("ComboBox4").ItemCount(), static_cast<int>(c.shown.size())) << c.label;

        start.Add("Delta");
        start.ExpectStoreShowsMemory(c.label);
        EXPECT_EQ(start.settings.CountMax, static_cast<int>(c.shown.size()) + 1) << c.label;
        EXPECT_EQ(start.settings.SelectedEntry().title, "Delta") << c.label;
        // Nothing is left past the end for a later load to pick up.
        EXPECT_FALSE(start.store.Get(kCountTitlePath, Numbered("Count", start.settings.CountMax))) << c.label;
    }
}

// A key or value that cannot be read at start-up shows its fallback, is
// told in the box, and stays as stored through drags, Save and list edits,
// apart from what the user changes. An entry whose Add stopped past the
// stored count never joins the stored list, even when start-up cannot read
// the count and shows it.
TEST(StoreDamage, WhatCannotBeReadStaysAsStoredUnlessTheUserChangesIt) {
    struct Case {
        const char* label;
        std::function<void(MemoryStore&)> fault;  // at start-up only
        const char* box;                          // a part of the start-up box
        std::vector<std::string> shown;           // titles at start-up
    };
    const std::vector<std::string> custom = {"Exam", "Trip", "Party"};
    const Case cases[] = {
        {"Clock key not opened", [](MemoryStore& s) { s.FailOpen(kClockPath); },
         "could not open the key 'Software\\Zentrova\\Clock'", custom},
        {"ClockSize read failed", [](MemoryStore& s) { s.FailQuery("ClockSize"); }, "the clock's size ('ClockSize')",
         custom},
        {"list key not opened", [](MemoryStore& s) { s.FailOpen(kCountTitlePath); },
         "so the countdown events show their first values", {"Christmas Countdown", "New Year Countdown"}},
        {"root key not opened", [](MemoryStore& s) { s.FailOpen(kRootPath); }, "'Software\\Zentrova', so", custom},
        {"CountMax read failed", [](MemoryStore& s) { s.FailQuery("CountMax"); }, "('CountMax')",
         {"Exam", "Trip", "Party", "Half"}},
    };
    // The titles after a drag, Save and Add, whatever start-up could not read.
    const std::vector<std::string> stored = {"Exam", "Trip", "Party", "Delta"};
    MemoryStore earlier = CustomStore();
    earlier.PutString(kCountTitlePath, "Count3", "Half");
    for (const Case& c : cases) {
        Start start(earlier, c.fault);
        ASSERT_EQ(start.Errors().size(), 1u) << c.label;
        EXPECT_NE(start.Errors()[0].find(c.box), std::string::npos) << c.label << ": " << start.Errors()[0];
        EXPECT_FALSE(start.form.FirstRun()) << c.label;
        EXPECT_EQ(Titles(start.settings), c.shown) << c.label;

        // A drag sideways, Save with one option changed, and an Add.
        start.settings.ClockLeft += 5;
        EXPECT_FALSE(WritePosition(start.store, start.settings, DisplayWindowId::Clock)) << c.label;
        start.settings.CountSize = 7;
        start.Save();
        EXPECT_EQ(StoredDword(start.store, kCountTitlePath, "CountMax"), 3) << c.label;
        start.Add("Delta");
        EXPECT_EQ(start.Errors().size(), 1u) << c.label << ": " << start.Errors().back();

        EXPECT_EQ(StoredDword(start.store, kClockPath, "ClockSize"), 12) << c.label;
        EXPECT_EQ(StoredDword(start.store, kClockPath, "ClockTop"), 600) << c.label;
        EXPECT_EQ(StoredDword(start.store, kClockPath, "ClockLeft"), start.settings.ClockLeft) << c.label;
        EXPECT_EQ(StoredDword(start.store, kCountdownPath, "CountSize"), 7) << c.label;
        EXPECT_EQ(StoredDword(start.store, kRootPath, "Start_1"), 1) << c.label;
        EXPECT_EQ(Titles(start.settings), stored) << c.label;
        Settings reloaded;
        EXPECT_FALSE(LoadInto(start.store, reloaded).error) << c.label;
        EXPECT_EQ(Titles(reloaded), stored) << c.label;
    }
}

// The list's writes never touch the eleventh slot, which no list uses.
TEST(StoreDamage, ListWritesLeaveTheSlotNoListUsesAlone) {
    MemoryStore earlier = CustomStore();
    earlier.PutString(kCountTitlePath, "Count10", "Foreign");
    Start start(earlier);
    start.Delete();
    start.Save();
    EXPECT_EQ(StoredString(start.store, kCountTitlePath, "Count10"), "Foreign");
    EXPECT_FALSE(start.store.Get(kCountTitlePath, "Count2"));  // the old last, removed
}

// The value names an error box quotes, a line each.
std::vector<std::string> NamesInBox(const std::string& box) {
    std::vector<std::string> names;
    std::istringstream lines(box);
    for (std::string line; std::getline(lines, line);) {
        const auto open = line.find('\'');
        names.push_back(line.substr(open + 1, line.rfind('\'') - open - 1));
    }
    return names;
}

// A first run whose writes fail is reported; the user's own later writes
// complete it and mark the start, and no later start overwrites them.
TEST(StoreDamage, FirstRunWhoseWritesFailIsCompletedWithoutLosingTheUsersSettings) {
    struct Case {
        const char* label;
        std::function<void(MemoryStore&)> fail;
        std::size_t errorLines;
        bool markedBySave;  // the failure was once; else it lasts, and the next start marks it
    };
    const Case cases[] = {
        {"value not written", [](MemoryStore& s) { s.FailSet("CountFont"); }, 1, true},
        {"key not created", [](MemoryStore& s) { s.FailCreate(kCalendarPath); }, 17, false},
    };
    for (const Case& c : cases) {
        Start first(MemoryStore{}, c.fail);
        ASSERT_TRUE(first.form.FirstRun()) << c.label;
        std::size_t lines = 0;
        for (const std::string& box : first.Errors()) lines += NamesInBox(box).size();
        EXPECT_EQ(lines, c.errorLines) << c.label;
        EXPECT_NE(StoredDword(first.store, kRootPath, "Start_1"), 1) << c.label;

        if (!c.markedBySave) c.fail(first.store);
        first.settings.ClockSize = 20;
        first.controls().Press("Button1");  // Save
        EXPECT_EQ(StoredDword(first.store, kRootPath, "Start_1") == 1, c.markedBySave) << c.label;

        Start second(first.store);
        EXPECT_EQ(second.form.FirstRun(), !c.markedBySave) << c.label;
        EXPECT_TRUE(second.Errors().empty()) << c.label;
        EXPECT_EQ(second.settings.ClockSize, 20) << c.label;
        EXPECT_EQ(StoredDword(second.store, kRootPath, "Start_1"), 1) << c.label;
        second.ExpectStoreShowsMemory(c.label);
    }
}

// The titles of CustomStore(), in stored order.
const char* const kTitles[] = {"Exam", "Trip", "Party"};

// The key a value of the error box lives in.
std::string KeyOfValue(const std::string& name) {
    for (const SettingEntry& entry : SettingsSchema())
        if (entry.name == name) return GroupPath(entry.group);
    return kCountTitlePath;  // the entries
}

// Damages a full custom store at random (values deleted, retyped, resized;
// keys deleted), starts over it, then adds, deletes, saves and moves windows
// at random. After every step the store loads back to what memory shows,
// the keys written since start-up load without an error, and no value the
// user did not change differs from what was stored.
TEST(StoreDamage, RandomDamageNeverCostsAValueOrPutsTheListOutOfStep) {
    const StoreSnapshot custom = Snapshot(CustomStore());
    std::vector<std::pair<std::string, std::string>> names;
    for (const auto& [where, value] : custom) names.push_back(where);
    const std::string damageableKeys[] = {kClockPath, kCountdownPath, kCountTitlePath, kCalendarPath};

    for (unsigned seed = 1; seed <= 300; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        MemoryStore damaged = CustomStore();
        std::set<std::pair<std::string, std::string>> broken;
        std::set<std::pair<std::string, std::string>> removed;
        for (int n = 1 + pick(5); n > 0; --n) {
            const auto& [path, name] = names[static_cast<std::size_t>(pick(static_cast<int>(names.size())))];
            auto value = damaged.Get(path, name);
            if (!value) continue;
            switch (pick(4)) {
                case 0:
                    damaged.Remove(path, name);
                    removed.insert({path, name});
                    break;
                case 1:  // retyped
                    if (value->type == ValueType::String) damaged.PutDword(path, name, 7);
                    else damaged.PutString(path, name, "7");
                    break;
                case 2:  // resized, or for a string (of any size) retyped as binary
                    value->data.resize(value->type == ValueType::Dword ? 2 + 6 * pick(2) : 4 + 8 * pick(2));
                    if (value->type == ValueType::String) value->type = ValueType::Binary;
                    damaged.Put(path, name, *value);
                    break;
                case 3: {
                    const std::string& key = damageableKeys[pick(4)];
                    damaged.RemoveKey(key);
                    for (const auto& [where, v] : custom)
                        if (where.first.starts_with(key)) broken.insert(where);
                    continue;
                }
            }
            broken.insert({path, name});
        }

        Start start(damaged);
        const std::string trace = "seed " + std::to_string(seed);
        ASSERT_FALSE(start.form.FirstRun()) << trace;
        // Every entry is shown, in stored order; without a count, only a slot
        // with nothing left in it is passed over.
        if (damaged.HasKey(kCountTitlePath)) {
            const bool counted = !broken.contains({kCountTitlePath, "CountMax"});
            std::vector<std::string> expected;
            for (int i = 0; i < 3; ++i) {
                const auto gone = [&](const char* prefix) { return removed.contains({kCountTitlePath, Numbered(prefix, i)}); };
                if (!counted && gone("Count") && gone("CountDate") && gone("CountTime")) continue;
                const bool titleKept = !broken.contains({kCountTitlePath, Numbered("Count", i)});
                expected.push_back(titleKept ? kTitles[i] : "");
            }
            std::vector<std::string> shown;
            for (int i = 0; i < start.settings.CountMax; ++i) shown.push_back(start.settings.CountList[i].title);
            if (!expected.empty()) {
                EXPECT_EQ(shown, expected) << trace;
            }
        }

        std::set<std::string> written = {kRootPath};  // the start marker
        bool listWritten = false;  // by Add or Delete: Save writes no entry
        std::set<std::pair<std::string, std::string>> changed;
        for (int step = 0; step < 8; ++step) {
            std::string what;
            switch (pick(4)) {
                case 0:
                    what = "Add";
                    if (start.settings.CountMax < kCountMaxEntries) start.Add("New " + std::to_string(step));
                    written.insert(kCountTitlePath);
                    listWritten = true;
                    break;
                case 1:
                    what = "Delete";
                    start.Delete();
                    written.insert(kCountTitlePath);
                    listWritten = true;
                    break;
                case 2:
                    what = "Save";
                    start.Save();
                    written.insert({kClockPath, kCountdownPath, kCountTitlePath, kCalendarPath});
                    break;
                case 3: {
                    what = "Move";
                    const auto window = static_cast<DisplayWindowId>(pick(3));
                    const SettingEntry& left = PositionEntry(window, Edge::Left);
                    start.settings.*std::get<int Settings::*>(left.field) += 7;
                    ASSERT_FALSE(WritePosition(start.store, start.settings, window)) << trace;
                    written.insert(GroupPath(left.group));
                    changed.insert({GroupPath(left.group), std::string(left.name)});
                    break;
                }
            }
            const std::string at = trace + ", step " + std::to_string(step) + " " + what;
            ASSERT_TRUE(start.Errors().size() <= 1) << at;  // only the start-up box

            Settings reloaded;
            LoadResult load = LoadInto(start.store, reloaded);
            EXPECT_EQ(Shown(reloaded), Shown(start.settings)) << at;
            EXPECT_EQ(start.controls().List("ComboBox4").ItemCount(), start.settings.CountMax) << at;
            for (const std::string& name : NamesInBox(load.error.value_or(""))) {
                // Entries keep their stored values until deleted; the count is
                // written with the list.
                const bool entryValue = KeyOfValue(name) == kCountTitlePath && name != "CountIndex";
                const bool repaired = entryValue ? listWritten && name == "CountMax" : written.contains(KeyOfValue(name));
                EXPECT_FALSE(repaired) << at << ": " << name << " still damaged";
            }
            const StoreSnapshot now = Snapshot(start.store);
            for (const auto& [where, value] : custom) {
                if (where.first == kCountTitlePath || broken.contains(where) || changed.contains(where)) continue;
                const auto found = now.find(where);
                ASSERT_NE(found, now.end()) << at << ": " << where.second << " lost";
                EXPECT_EQ(found->second, value) << at << ": " << where.second << " altered";
            }
        }
    }
}

// Writes fail once, or the program stops after some write, at random points
// of first runs, Add, Delete, Save and moves. After every restart the list
// loads with every entry the user saw and did not delete, no entry the user
// never saw or deleted without a box, none twice and none mixing two
// events; no readable value the user did not change differs; and a list
// write that reported nothing left the store holding exactly the list shown.
TEST(StoreFaults, RandomFailuresAndStopsNeverLoseOrMixAnEntry) {
    const MemoryStore custom = CustomStore();
    const StoreSnapshot customValues = Snapshot(custom);
    for (unsigned seed = 1; seed <= 250; ++seed) {
        std::mt19937 random(seed);
        const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
        const bool fresh = pick(4) == 0;
        MemoryStore store = fresh ? MemoryStore{} : custom;
        // Every event the user ever saw, by title, with its date and time.
        std::map<std::string, std::pair<double, double>> events = {
            {"Christmas Countdown", {46381.0, 0.0}}, {"New Year Countdown", {46388.0, 0.0}}};
        for (int i = 0; i < 3; ++i) events[kTitles[i]] = {46500.0 + 100 * i, 0.25 * (i + 1)};
        std::set<std::string> mustStay;  // stored as far as the user was told
        if (!fresh) mustStay = {kTitles[0], kTitles[1], kTitles[2]};
        std::set<std::string> deleted;   // deletions that reported nothing
        std::set<std::pair<std::string, std::string>> changed;  // by the user, or shown as unreadable
        int added = 0;

        const auto faultFor = [&]() -> std::function<void(MemoryStore&)> {
            switch (pick(3)) {
                case 0: return {};
                case 1: return [n = 1 + pick(60)](MemoryStore& s) { s.FailCall(static_cast<std::size_t>(n)); };
                default: return [n = pick(30)](MemoryStore& s) { s.StopAfterWrites(static_cast<std::size_t>(n)); };
            }
        };
        for (int run = 0; run < 4; ++run) {
            const std::string trace = "seed " + std::to_string(seed) + ", run " + std::to_string(run);
            Start start(store, faultFor());
            for (const std::string& box : start.Errors())
                for (const std::string& name : NamesInBox(box)) changed.insert({KeyOfValue(name), name});
            bool stopped = start.stoppedAtStart;
            // What a box named as unreadable shows a fallback, the store its own value.
            const bool boxedAtStart = !start.Errors().empty();
            for (int step = 0; step < 6 && !stopped; ++step) {
                const auto fault = faultFor();
                if (fault) fault(start.store);
                const std::size_t boxes = start.Errors().size();
                std::string what;
                std::optional<std::string> gone;  // the title a Delete removes
                switch (pick(4)) {
                    case 0:
                        what = start.settings.CountMax < kCountMaxEntries ? "Add" : "nothing";
                        if (what == "nothing") break;
                        start.Add("New " + std::to_string(++added));
                        events["New " + std::to_string(added)] = {EncodeDate(2027, 3, 1), EncodeTime(18, 30, 0)};
                        break;
                    case 1:
                        what = "Delete";
                        // By its stored title: one that could not be read shows empty.
                        // An entry shown in place of a list that could not be
                        // read stands for nothing stored, so deleting it
                        // deletes no stored event of the same title.
                        if (start.settings.CountMax > 1 && !start.settings.SelectedEntry().fallback) {
                            const CountEntry& selected = start.settings.SelectedEntry();
                            gone = selected.slot < 0 ? selected.title
                                                     : StoredString(start.store, kCountTitlePath,
                                                                    Numbered("Count", selected.slot)).value_or("");
                        }
                        start.Delete();
                        break;
                    case 2:
                        what = "Save";
                        start.Save();
                        break;
                    default: {
                        what = "Move";
                        const auto window = static_cast<DisplayWindowId>(pick(3));
                        const SettingEntry& left = PositionEntry(window, Edge::Left);
                        start.settings.*std::get<int Settings::*>(left.field) += 7;
                        (void)WritePosition(start.store, start.settings, window);
                        changed.insert({GroupPath(left.group), std::string(left.name)});
                        break;
                    }
                }
                stopped = start.store.Stopped();
                start.store.ClearFailures();
                const std::string at = trace + ", step " + std::to_string(step) + " " + what;
                const bool clean = !stopped && start.Errors().size() == boxes;
                if (gone) {
                    mustStay.erase(*gone);
                    if (clean) deleted.insert(*gone);
                }
                Settings reloaded;
                MemoryStore copy = start.store;
                const LoadResult load = LoadInto(copy, reloaded);
                const std::vector<std::string> titles = Titles(reloaded);
                if (clean && !boxedAtStart && (what == "Add" || what == "Delete")) {
                    const std::vector<std::string> shown = Titles(start.settings);
                    EXPECT_EQ(titles, shown) << at << ": the list shown is not the list stored";
                    mustStay.insert(shown.begin(), shown.end());
                }
                for (const std::string& title : mustStay)
                    EXPECT_NE(std::find(titles.begin(), titles.end(), title), titles.end())
                        << at << ": " << title << " lost";
                std::set<std::string> distinct;
                for (int i = 0; i < reloaded.CountMax; ++i) {
                    const CountEntry& entry = reloaded.CountList.at(i);
                    const auto event = events.find(entry.title);
                    ASSERT_NE(event, events.end()) << at << ": '" << entry.title << "' never seen";
                    EXPECT_FALSE(deleted.contains(entry.title)) << at << ": " << entry.title << " deleted";
                    EXPECT_TRUE(distinct.insert(entry.title).second) << at << ": " << entry.title << " twice";
                    if (entry.date != event->second.first || entry.time != event->second.second) {
                        EXPECT_TRUE(load.error) << at << ": " << entry.title << " mixed without a box";
                    }
                }
                if (fresh) continue;
                const StoreSnapshot now = Snapshot(start.store);
                for (const auto& [where, value] : customValues) {
                    if (where.first == kCountTitlePath || where.first == kRootPath || changed.contains(where)) continue;
                    const auto found = now.find(where);
                    ASSERT_NE(found, now.end()) << at << ": " << where.second << " lost";
                    EXPECT_EQ(found->second, value) << at << ": " << where.second << " altered";
                }
            }
            store = start.store;
        }
    }
}

}  // namespace
}  // namespace zentrova
