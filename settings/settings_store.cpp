// Every write of the settings: first run, Save, positions, list edits and
// the start marker.

#include "settings/settings_store.h"

#include "settings/clock_set.h"
#include "settings/clock_store.h"
#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"

namespace zentrova {
namespace {

const SettingEntry& StartRow() { return *FindEntry(&Settings::Start_1); }

// Runs `write` in the list's key, created when missing.
template <typename Write>
void WriteInListKey(KeyValueStore& store, Settings& settings, StoreProblems& problems, Write write) {
    // Creating the list's key creates the countdown's key above it when that
    // is missing; its values go in first, or later starts find it empty.
    WriteRepairs(store, SettingsGroup::Countdown, settings, problems);
    auto key = store.Create(GroupPath(SettingsGroup::CountTitle));
    if (!key) {
        RecordFailedWrite(*FindEntry(&Settings::CountIndex), settings, problems);
        return;
    }
    write(*key);
    key->Close();
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
    if (startUnmarked && FirstRunDefaultsStored(settings)) {
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
        } else if (!ListInStep(settings) || AwaitsWrite(settings, *FindEntry(&Settings::CountIndex))) {
            WriteInListKey(store, settings, problems,
                           [&](StoreKey& key) { WriteCountList(key, settings, settings.CountIndex, problems); });
        }
    }
    return problems.BoxText();
}

bool FirstRunDefaultsStored(const Settings& settings) {
    for (const SettingEntry& entry : SettingsSchema()) {
        if (&entry == &StartRow() || entry.group == SettingsGroup::CountTitle) continue;
        if (AwaitsWrite(settings, entry)) return false;
    }
    return ListInStep(settings) && !AwaitsWrite(settings, *FindEntry(&Settings::CountIndex));
}

StoreError Save(KeyValueStore& store, Settings& settings, int selectedCountIndex) {
    StoreProblems problems;
    WriteGroup(store, SettingsGroup::Clock, settings, problems);
    WriteExtraClocks(store, settings, problems);
    WriteGroup(store, SettingsGroup::Countdown, settings, problems);
    WriteInListKey(store, settings, problems,
                   [&](StoreKey& key) { WriteListSelection(key, settings, selectedCountIndex, problems); });
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
    WriteRow(*key, left, values, problems);
    WriteRow(*key, top, values, problems);
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
    WriteInListKey(store, settings, problems,
                   [&](StoreKey& key) { WriteCountList(key, settings, addedIndex, problems); });
    return Finish(store, settings, problems);
}

StoreError WriteListAfterDelete(KeyValueStore& store, Settings& settings) {
    StoreProblems problems;
    WriteInListKey(store, settings, problems,
                   [&](StoreKey& key) { WriteCountList(key, settings, settings.CountIndex, problems); });
    return Finish(store, settings, problems);
}

StoreError MarkStarted(KeyValueStore& store, Settings& settings) {
    StoreProblems problems;
    settings.Start_1 = 1;
    WriteStart(store, settings, problems);
    return problems.BoxText();
}

}  // namespace zentrova
