#include "settings/setting_io.h"

#include <algorithm>
#include <string>

#include "settings/overloaded.h"
#include "settings/value_io.h"

namespace zentrova {

void MarkForRepair(Settings& settings, const SettingEntry& entry) { settings.PendingRepairs.set(SchemaIndex(entry)); }
void MarkRepaired(Settings& settings, const SettingEntry& entry) { settings.PendingRepairs.reset(SchemaIndex(entry)); }
bool AwaitsRepair(const Settings& settings, const SettingEntry& entry) {
    return settings.PendingRepairs.test(SchemaIndex(entry));
}

bool IsMissing(StoreKey& key, const SettingEntry& entry) {
    StoredValue ignored;
    return key.Query(std::string(entry.name), ignored, kValueReadLimit) == QueryResult::Missing;
}

StoreError ReadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings) {
    const std::string name(entry.name);
    return std::visit(Overloaded{
                          [&](int Settings::*field) { return ReadInteger(key, name, settings.*field); },
                          [&](bool Settings::*field) { return ReadFlag(key, name, settings.*field); },
                          [&](std::string Settings::*field) { return ReadString(key, name, settings.*field); },
                          [](std::monostate) -> StoreError { return std::nullopt; },
                      },
                      entry.field);
}

StoreError WriteSetting(StoreKey& key, const SettingEntry& entry, const Settings& settings) {
    const std::string name(entry.name);
    return std::visit(Overloaded{
                          [&](int Settings::*field) { return WriteInteger(key, name, settings.*field); },
                          [&](bool Settings::*field) { return WriteFlag(key, name, settings.*field); },
                          [&](std::string Settings::*field) { return WriteString(key, name, settings.*field); },
                          [](std::monostate) -> StoreError { return std::nullopt; },
                      },
                      entry.field);
}

bool LoadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings, const FirstRunContext& context,
                 StoreProblems& problems) {
    if (entry.addedLater && IsMissing(key, entry)) {
        ApplyFirstRunValue(entry, settings, context);
        return true;
    }
    if (StoreError error = ReadSetting(key, entry, settings)) {
        problems.Add(std::move(*error));
        FallBackSetting(entry, settings, context);
        return false;
    }
    const auto* field = std::get_if<int Settings::*>(&entry.field);
    if (field && entry.loadRange) settings.**field = std::clamp(settings.**field, entry.loadRange->min, entry.loadRange->max);
    return true;
}

void FallBackSetting(const SettingEntry& entry, Settings& settings, const FirstRunContext& context) {
    ApplyFirstRunValue(entry, settings, context);
    MarkForRepair(settings, entry);
}

StoreError WriteRow(StoreKey& key, const SettingEntry& entry, Settings& settings) {
    StoreError error = WriteSetting(key, entry, settings);
    if (!error) MarkRepaired(settings, entry);
    return error;
}

StoreError WriteGroup(KeyValueStore& store, SettingsGroup group, Settings& settings) {
    auto key = store.Create(GroupPath(group));
    if (!key) return std::nullopt;
    StoreError error;
    for (const SettingEntry& entry : GroupSchema(group)) {
        error = WriteRow(*key, entry, settings);
        if (error) break;
    }
    key->Close();
    return error;
}

StoreError WriteRepairs(StoreKey& key, SettingsGroup group, Settings& settings) {
    for (const SettingEntry& entry : GroupSchema(group)) {
        if (!AwaitsRepair(settings, entry)) continue;
        StoreError error;
        if (std::holds_alternative<ComputedPosition>(entry.firstRun)) {
            error = WriteSetting(key, entry, settings);
        } else {
            // A KeepLoaded row fell back to its initial value, as in fresh settings.
            Settings fallback;
            ApplyFirstRunValue(entry, fallback, FirstRunContext{});
            error = WriteSetting(key, entry, fallback);
        }
        if (error) return error;
        MarkRepaired(settings, entry);
    }
    return std::nullopt;
}

StoreError WriteRepairs(KeyValueStore& store, SettingsGroup group, Settings& settings) {
    const auto rows = GroupSchema(group);
    if (std::none_of(rows.begin(), rows.end(), [&](const SettingEntry& entry) { return AwaitsRepair(settings, entry); }))
        return std::nullopt;
    auto key = store.Create(GroupPath(group));
    if (!key) return std::nullopt;
    StoreError error = WriteRepairs(*key, group, settings);
    key->Close();
    return error;
}

}  // namespace zentrova
