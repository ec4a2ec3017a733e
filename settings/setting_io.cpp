#include "settings/setting_io.h"

#include <algorithm>
#include <string>

#include "settings/overloaded.h"
#include "settings/value_codec.h"
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
                          [&](std::string Settings::*field) {
                              StoredValue raw;
                              StoreError error = ReadString(key, name, settings.*field, &raw);
                              auto& loaded = settings.LoadedStrings.at(SchemaIndex(entry));
                              if (!error && raw.type != ValueType::None) loaded = std::move(raw);
                              else loaded.reset();
                              return error;
                          },
                          [](std::monostate) -> StoreError { return std::nullopt; },
                      },
                      entry.field);
}

StoreError WriteSetting(StoreKey& key, const SettingEntry& entry, const Settings& settings) {
    const std::string name(entry.name);
    return std::visit(Overloaded{
                          [&](int Settings::*field) { return WriteInteger(key, name, settings.*field); },
                          [&](bool Settings::*field) { return WriteFlag(key, name, settings.*field); },
                          [&](std::string Settings::*field) {
                              const auto& loaded = settings.LoadedStrings.at(SchemaIndex(entry));
                              if (loaded && DecodeString(loaded->data, kMaxStringLength) == settings.*field)
                                  return WriteStored(key, name, *loaded);
                              return WriteString(key, name, settings.*field);
                          },
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

bool AwaitsWrite(const Settings& settings, const SettingEntry& entry) {
    const std::size_t row = SchemaIndex(entry);
    return settings.PendingWrites.test(row) || settings.PendingRepairs.test(row);
}

namespace {

// A row's failure is told once, until the row reaches the store.
void ReportFailureOnce(const SettingEntry& entry, Settings& settings, StoreProblems& problems) {
    const std::size_t row = SchemaIndex(entry);
    if (!settings.ReportedFailures.test(row)) problems.Add(FailedToSetMessage(std::string(entry.name)));
    settings.ReportedFailures.set(row);
}

}  // namespace

void RecordFailedWrite(const SettingEntry& entry, Settings& settings, StoreProblems& problems) {
    settings.PendingWrites.set(SchemaIndex(entry));
    ReportFailureOnce(entry, settings, problems);
}

namespace {

// A row that has reached the store awaits nothing.
void RecordWritten(const SettingEntry& entry, Settings& settings) {
    const std::size_t row = SchemaIndex(entry);
    settings.PendingWrites.reset(row);
    settings.PendingRepairs.reset(row);
    settings.ReportedFailures.reset(row);
}

// What a row awaiting repair is written with.
StoreError WriteRepairValue(StoreKey& key, const SettingEntry& entry, const Settings& settings) {
    if (std::holds_alternative<ComputedPosition>(entry.firstRun)) return WriteSetting(key, entry, settings);
    // A KeepLoaded row fell back to its initial value, as in fresh settings.
    Settings fallback;
    ApplyFirstRunValue(entry, fallback, FirstRunContext{});
    return WriteSetting(key, entry, fallback);
}

}  // namespace

bool WriteRow(StoreKey& key, const SettingEntry& entry, Settings& settings, StoreProblems& problems) {
    if (WriteSetting(key, entry, settings)) {
        RecordFailedWrite(entry, settings, problems);
        return false;
    }
    RecordWritten(entry, settings);
    return true;
}

void WriteGroup(KeyValueStore& store, SettingsGroup group, Settings& settings, StoreProblems& problems) {
    WriteGroup(store, group, GroupPath(group), settings, problems);
}

void WriteGroup(KeyValueStore& store, SettingsGroup group, const std::string& path, Settings& settings,
                StoreProblems& problems) {
    auto key = store.Create(path);
    for (const SettingEntry& entry : GroupSchema(group)) {
        if (key) WriteRow(*key, entry, settings, problems);
        else RecordFailedWrite(entry, settings, problems);
    }
    if (key) key->Close();
}

void WriteRepairs(StoreKey& key, SettingsGroup group, Settings& settings, StoreProblems& problems) {
    for (const SettingEntry& entry : GroupSchema(group)) {
        const std::size_t row = SchemaIndex(entry);
        if (settings.PendingWrites.test(row)) {
            WriteRow(key, entry, settings, problems);
        } else if (settings.PendingRepairs.test(row)) {
            if (!WriteRepairValue(key, entry, settings)) RecordWritten(entry, settings);
            else ReportFailureOnce(entry, settings, problems);
        }
    }
}

void WriteRepairs(KeyValueStore& store, SettingsGroup group, Settings& settings, StoreProblems& problems) {
    WriteRepairs(store, group, GroupPath(group), settings, problems);
}

void WriteRepairs(KeyValueStore& store, SettingsGroup group, const std::string& path, Settings& settings,
                  StoreProblems& problems) {
    const auto rows = GroupSchema(group);
    if (std::none_of(rows.begin(), rows.end(), [&](const SettingEntry& entry) { return AwaitsWrite(settings, entry); }))
        return;
    auto key = store.Create(path);
    if (!key) {
        for (const SettingEntry& entry : rows) {
            if (AwaitsWrite(settings, entry)) ReportFailureOnce(entry, settings, problems);
        }
        return;
    }
    WriteRepairs(*key, group, settings, problems);
    key->Close();
}

}  // namespace zentrova
