// Every write of the settings: first run, Save, positions, list edits and
// the start marker.

#include "settings/settings_store.h"

#include <algorithm>

#include "settings/clock_set.h"
#include "settings/clock_store.h"
#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

const SettingEntry& StartRow() { return *FindEntry(&Settings::Start_1); }

const SettingEntry& CountIndexRow() { return *FindEntry(&Settings::CountIndex); }

// A list shown in place of one that could not be read is never written as
// it is.
bool ListUnread(const Settings& settings) { return settings.Unread.test(SchemaIndex(CountListRow())); }

bool HoldsUnstoredEntries(const Settings& settings) {
    for (int i = 0; i < ClampListLength(settings.CountMax); ++i) {
        const CountEntry& entry = settings.CountList.at(static_cast<std::size_t>(i));
        if (entry.slot < 0 && !entry.fallback) return true;
    }
    return false;
}

// The entry at `index` of the list, or the one SelectedEntry falls back to.
const CountEntry& EntryOrSelected(const Settings& settings, int index) {
    if (index < 0 || index >= ClampListLength(settings.CountMax)) return settings.SelectedEntry();
    return settings.CountList.at(static_cast<std::size_t>(index));
}

// The selection a list write stores: the entry's index, and whether its
// failure was told before the write (whose own failed write of CountIndex
// marks it reported).
struct SelectionWrite {
    int index = 0;
    bool told = false;
};

// The list's failures in the user's words, each once until it is stored:
// the events not stored yet, those deleted that the store may still hold,
// the selection, and a line for anything else the next list write completes.
void TellListFailures(Settings& settings, SelectionWrite selection, bool failed, StoreProblems& problems) {
    std::size_t told = 0;
    const auto tell = [&](CountEntry& entry, const std::string& message) {
        if (!entry.failureTold) problems.Add(message);
        entry.failureTold = true;
        ++told;
    };
    for (int i = 0; i < ClampListLength(settings.CountMax); ++i) {
        CountEntry& entry = settings.CountList.at(static_cast<std::size_t>(i));
        if (entry.slot < 0 && !entry.fallback) tell(entry, EventNotSavedMessage(entry.title));
    }
    for (CountEntry& entry : settings.PendingDeletes) tell(entry, EventNotDeletedMessage(entry.title));
    const std::size_t indexRow = SchemaIndex(CountIndexRow());
    if (settings.PendingWrites.test(indexRow)) {
        // Told with the events when there are any.
        if (!selection.told && told == 0)
            problems.Add(SelectionNotSavedMessage(EntryOrSelected(settings, selection.index).title));
        settings.ReportedFailures.set(indexRow);
        ++told;
    }
    if (failed && told == 0) problems.Add(ListNotSavedMessage());
}

// Runs `write` in the list's key, created when missing, once memory holds
// the stored list with the user's changes on it (see TakeInStoredList);
// `selected` is the entry whose selection the write stores.
template <typename Write>
void WriteInListKey(KeyValueStore& store, Settings& settings, int selected, StoreProblems& problems, Write write) {
    // Creating the list's key creates the countdown's key above it when that
    // is missing; its values go in first, or later starts find it empty.
    WriteRepairs(store, SettingsGroup::Countdown, settings, problems);
    const SelectionWrite selection{selected, settings.ReportedFailures.test(SchemaIndex(CountIndexRow()))};
    auto key = store.Create(GroupPath(SettingsGroup::CountTitle));
    if (!key || !TakeInStoredList(*key, settings)) {
        settings.PendingWrites.set(SchemaIndex(CountIndexRow()));
        TellListFailures(settings, selection, true, problems);
        return;
    }
    StoreProblems raw;
    write(*key, raw);
    key->Close();
    if (ListInStep(settings)) settings.PendingDeletes.clear();
    TellListFailures(settings, selection, raw.Count() != 0, problems);
}

void WriteStart(KeyValueStore& store, Settings& settings, StoreProblems& problems) {
    auto key = store.Create(GroupPath(StartRow().group));
    if (!key) {
        RecordFailedWrite(StartRow(), settings, problems);
        return;
    }
    WriteRow(*key, StartRow(), settings, problems);
    key->Close();
}

// A first run whose values did not all reach the store is marked by the
// write that completes them, whichever that is.
StoreError Finish(KeyValueStore& store, Settings& settings, StoreProblems& problems) {
    const bool startUnmarked = settings.Start_1 == 0 || settings.PendingWrites.test(SchemaIndex(StartRow()));
    // A marker that could not be read is not known to be unmarked.
    if (startUnmarked && !settings.Unread.test(SchemaIndex(StartRow())) && FirstRunDefaultsStored(settings)) {
        settings.Start_1 = 1;
        WriteStart(store, settings, problems);
    }
    return problems.BoxText();
}

}  // namespace

StoreError WriteFirstRunDefaults(KeyValueStore& store, Settings& settings, const FirstRunContext& /*context*/) {
    StoreProblems problems;
    for (SettingsGroup group : kSettingsGroups) {
        if (group != SettingsGroup::CountTitle) {
            WriteRepairs(store, group, settings, problems);
        } else if (!ListUnread(settings) &&
                   (!ListInStep(settings) || AwaitsWrite(settings, *FindEntry(&Settings::CountIndex)))) {
            WriteInListKey(store, settings, settings.CountIndex, problems,
                           [&](StoreKey& key, StoreProblems& raw) { WriteCountList(key, settings, settings.CountIndex, raw); });
        }
    }
    return problems.BoxText();
}

bool FirstRunDefaultsStored(const Settings& settings) {
    for (const SettingEntry& entry : SettingsSchema()) {
        if (&entry == &StartRow() || entry.group == SettingsGroup::CountTitle) continue;
        if (AwaitsWrite(settings, entry)) return false;
    }
    return ListUnread(settings) || (ListInStep(settings) && !AwaitsWrite(settings, *FindEntry(&Settings::CountIndex)));
}

StoreError Save(KeyValueStore& store, Settings& settings, int selectedCountIndex) {
    StoreProblems problems;
    WriteGroup(store, SettingsGroup::Clock, settings, problems);
    WriteExtraClocks(store, settings, problems);
    WriteGroup(store, SettingsGroup::Countdown, settings, problems);
    WriteInListKey(store, settings, selectedCountIndex, problems,
                   [&](StoreKey& key, StoreProblems& raw) {
                       // Adds and Deletes that did not reach the store are completed now.
                       if (HoldsUnstoredEntries(settings) || !settings.PendingDeletes.empty())
                           WriteCountList(key, settings, selectedCountIndex, raw);
                       else WriteListSelection(key, settings, selectedCountIndex, raw);
                   });
    WriteGroup(store, SettingsGroup::Calendar, settings, problems);
    WriteGroup(store, SettingsGroup::General, settings, problems);
    return Finish(store, settings, problems);
}

namespace {

// A window's left and top into the key at `path`, which holds the rows of
// their group in `values`, with what else of that key awaits a write.
void WritePositionIn(KeyValueStore& store, const std::string& path, Settings& values, DisplayWindowId window,
                     StoreProblems& problems) {
    const SettingEntry& left = PositionEntry(window, Edge::Left);
    const SettingEntry& top = PositionEntry(window, Edge::Top);
    auto key = store.Create(path);
    if (!key) {
        RecordFailedWrite(left, values, problems);
        RecordFailedWrite(top, values, problems);
        return;
    }
    // An edge that could not be read and that the move left as shown stays
    // as stored.
    for (const SettingEntry* edge : {&left, &top}) {
        if (!values.Unread.test(SchemaIndex(*edge)) || ChangedSinceRead(values, *edge))
            WriteRow(*key, *edge, values, problems);
    }
    WriteRepairs(*key, left.group, values, problems);
    key->Close();
}

}  // namespace

StoreError WritePosition(KeyValueStore& store, Settings& settings, DisplayWindowId window) {
    StoreProblems problems;
    WritePositionIn(store, GroupPath(PositionEntry(window, Edge::Left).group), settings, window, problems);
    return Finish(store, settings, problems);
}

StoreError WriteClockPosition(KeyValueStore& store, Settings& settings, int number) {
    if (number == 1) return WritePosition(store, settings, DisplayWindowId::Clock);
    Settings* values = ClockValues(settings, number);
    if (!values) return std::nullopt;
    StoreProblems problems;
    StoreProblems clockProblems;
    WritePositionIn(store, ClockKeyPath(number), *values, DisplayWindowId::Clock, clockProblems);
    problems.AddFrom(clockProblems, ClockKeyName(number));
    return Finish(store, settings, problems);
}

StoreError WriteListAfterAdd(KeyValueStore& store, Settings& settings, int addedIndex) {
    if (addedIndex < 0 || addedIndex >= ClampListLength(settings.CountMax)) return std::nullopt;
    StoreProblems problems;
    // The selection follows the new entry should the list be taken in anew.
    settings.CountIndex = addedIndex;
    WriteInListKey(store, settings, settings.CountIndex, problems, [&](StoreKey& key, StoreProblems& raw) {
        WriteCountList(key, settings, settings.CountIndex, raw);
    });
    return Finish(store, settings, problems);
}

StoreError WriteListAfterDelete(KeyValueStore& store, Settings& settings, const CountEntry& deleted) {
    StoreProblems problems;
    // An entry never stored needs no removing from the store, nor one the
    // list kept (its last entry stays).
    const auto& list = settings.CountList;
    const bool kept = std::any_of(list.begin(), list.begin() + ClampListLength(settings.CountMax),
                                  [&](const CountEntry& entry) { return entry.slot == deleted.slot; });
    if (deleted.slot >= 0 && !kept) {
        settings.PendingDeletes.push_back(deleted);
        settings.PendingDeletes.back().failureTold = false;
    }
    WriteInListKey(store, settings, settings.CountIndex, problems, [&](StoreKey& key, StoreProblems& raw) {
        WriteCountList(key, settings, settings.CountIndex, raw);
    });
    return Finish(store, settings, problems);
}

StoreError MarkStarted(KeyValueStore& store, Settings& settings) {
    StoreProblems problems;
    // The root key that could not be read is left as it is.
    if (settings.Unread.test(SchemaIndex(StartRow()))) return std::nullopt;
    settings.Start_1 = 1;
    WriteStart(store, settings, problems);
    return problems.BoxText();
}

}  // namespace zentrova
