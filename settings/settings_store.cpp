// Every write of the settings: first run, Save, positions, list edits and
// the start marker.

#include "settings/settings_store.h"

#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

StoreError WriteWholeList(KeyValueStore& store, const Settings& settings, bool removeOldLast) {
    auto key = store.Create(GroupPath(SettingsGroup::CountTitle));
    if (!key) return std::nullopt;
    const int length = ClampListLength(settings.CountMax);
    StoreError error = WriteCountEntries(*key, settings);
    if (!error && removeOldLast) DeleteCountEntry(*key, length);
    if (!error) error = WriteListCounters(*key, settings.CountIndex, length);
    key->Close();
    return error;
}

}  // namespace

StoreError WriteFirstRunDefaults(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    for (const SettingEntry& entry : SettingsSchema()) ApplyFirstRunValue(entry, settings, context);

    for (SettingsGroup group : kSettingsGroups) {
        StoreError error = group == SettingsGroup::CountTitle ? WriteWholeList(store, settings, false)
                                                              : WriteGroup(store, group, settings);
        if (error) return error;
    }
    return std::nullopt;
}

StoreError Save(KeyValueStore& store, const Settings& settings, int selectedCountIndex) {
    if (auto error = WriteGroup(store, SettingsGroup::Clock, settings)) return error;
    if (auto error = WriteGroup(store, SettingsGroup::Countdown, settings)) return error;
    if (auto key = store.Create(GroupPath(SettingsGroup::CountTitle))) {
        StoreError error = WriteInteger(*key, std::string(kCountIndexName), selectedCountIndex);
        key->Close();
        if (error) return error;
    }
    return WriteGroup(store, SettingsGroup::Calendar, settings);
}

StoreError WritePosition(KeyValueStore& store, const Settings& settings, DisplayWindowId window) {
    const SettingEntry& left = PositionEntry(window, Edge::Left);
    const SettingEntry& top = PositionEntry(window, Edge::Top);
    auto key = store.Create(GroupPath(left.group));
    if (!key) return std::nullopt;
    StoreError error = WriteSetting(*key, left, settings);
    if (!error) error = WriteSetting(*key, top, settings);
    key->Close();
    return error;
}

StoreError WriteListAfterAdd(KeyValueStore& store, const Settings& settings, int addedIndex) {
    const int length = ClampListLength(settings.CountMax);
    if (addedIndex < 0 || addedIndex >= length) return std::nullopt;
    auto key = store.Create(GroupPath(SettingsGroup::CountTitle));
    if (!key) return std::nullopt;
    StoreError error = WriteCountEntry(*key, settings, addedIndex);
    if (!error) error = WriteListCounters(*key, addedIndex, length);
    key->Close();
    return error;
}

StoreError WriteListAfterDelete(KeyValueStore& store, const Settings& settings) {
    return WriteWholeList(store, settings, true);
}

StoreError MarkStarted(KeyValueStore& store, Settings& settings) {
    settings.Start_1 = 1;
    const SettingEntry* start = FindEntry(&Settings::Start_1);
    auto key = store.Create(GroupPath(start->group));
    if (!key) return std::nullopt;
    StoreError error = WriteSetting(*key, *start, settings);
    key->Close();
    return error;
}

}  // namespace zentrova
