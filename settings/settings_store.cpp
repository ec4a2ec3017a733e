// Every write of the settings: first run, Save, positions, list edits and
// the start marker.

#include "settings/settings_store.h"

#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"

namespace zentrova {
namespace {

// Runs `write` in the list's key, created when missing; a key that cannot
// be created writes nothing, silently.
template <typename Write>
StoreError WriteInListKey(KeyValueStore& store, Settings& settings, Write write) {
    // Creating the list's key creates the countdown's key above it when that
    // is missing; its values go in first, or later starts find it empty.
    if (StoreError error = WriteRepairs(store, SettingsGroup::Countdown, settings)) return error;
    auto key = store.Create(GroupPath(SettingsGroup::CountTitle));
    if (!key) return std::nullopt;
    StoreError error = write(*key);
    key->Close();
    return error;
}

StoreError WriteWholeList(KeyValueStore& store, Settings& settings, int countIndex) {
    return WriteInListKey(store, settings, [&](StoreKey& key) { return WriteWholeCountList(key, settings, countIndex); });
}

}  // namespace

StoreError WriteFirstRunDefaults(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    // Everything awaits repair until it is written.
    for (const SettingEntry& entry : SettingsSchema()) FallBackSetting(entry, settings, context);

    for (SettingsGroup group : kSettingsGroups) {
        StoreError error = group == SettingsGroup::CountTitle ? WriteWholeList(store, settings, settings.CountIndex)
                                                              : WriteGroup(store, group, settings);
        if (error) return error;
    }
    return std::nullopt;
}

bool FirstRunDefaultsStored(const Settings& settings) { return settings.PendingRepairs.none(); }

StoreError Save(KeyValueStore& store, Settings& settings, int selectedCountIndex) {
    if (auto error = WriteGroup(store, SettingsGroup::Clock, settings)) return error;
    if (auto error = WriteGroup(store, SettingsGroup::Countdown, settings)) return error;
    StoreError error = WriteInListKey(store, settings, [&](StoreKey& key) {
        return ListAwaitsRepair(settings) ? WriteWholeCountList(key, settings, selectedCountIndex)
                                          : WriteSelectedIndex(key, settings, selectedCountIndex);
    });
    if (error) return error;
    if (auto error = WriteGroup(store, SettingsGroup::Calendar, settings)) return error;
    return WriteGroup(store, SettingsGroup::General, settings);
}

StoreError WritePosition(KeyValueStore& store, Settings& settings, DisplayWindowId window) {
    const SettingEntry& left = PositionEntry(window, Edge::Left);
    const SettingEntry& top = PositionEntry(window, Edge::Top);
    auto key = store.Create(GroupPath(left.group));
    if (!key) return std::nullopt;
    StoreError error = WriteRow(*key, left, settings);
    if (!error) error = WriteRow(*key, top, settings);
    if (!error) error = WriteRepairs(*key, left.group, settings);
    key->Close();
    return error;
}

StoreError WriteListAfterAdd(KeyValueStore& store, Settings& settings, int addedIndex) {
    const int length = ClampListLength(settings.CountMax);
    if (addedIndex < 0 || addedIndex >= length) return std::nullopt;
    return WriteInListKey(store, settings, [&](StoreKey& key) {
        if (ListAwaitsRepair(settings)) return WriteWholeCountList(key, settings, addedIndex);
        StoreError error = WriteCountEntry(key, settings, addedIndex);
        if (!error) error = WriteListCounters(key, settings, addedIndex);
        return error;
    });
}

StoreError WriteListAfterDelete(KeyValueStore& store, Settings& settings) {
    return WriteWholeList(store, settings, settings.CountIndex);
}

StoreError MarkStarted(KeyValueStore& store, Settings& settings) {
    settings.Start_1 = 1;
    const SettingEntry* start = FindEntry(&Settings::Start_1);
    auto key = store.Create(GroupPath(start->group));
    if (!key) return std::nullopt;
    StoreError error = WriteRow(*key, *start, settings);
    key->Close();
    return error;
}

}  // namespace zentrova
