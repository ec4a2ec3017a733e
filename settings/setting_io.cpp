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

namespace {

StoredValue DwordForm(int value) {
    const auto bytes = EncodeDword(value);
    return {ValueType::Dword, {bytes.begin(), bytes.end()}};
}

// Integers and flags are read alike, so the base form keeps a flag's
// stored number (a 5 reads as true and is written back as 1).
StoreError ReadNumber(StoreKey& key, const std::string& name, int& value, std::optional<StoredValue>& base) {
    int raw = 0;
    StoreError error = ReadInteger(key, name, raw);
    if (!error) {
        value = raw;
        base = DwordForm(raw);
    }
    return error;
}

}  // namespace

StoreError ReadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings) {
    const std::string name(entry.name);
    auto& base = settings.BaseForms.at(SchemaIndex(entry));
    return std::visit(Overloaded{
                          [&](int Settings::*field) { return ReadNumber(key, name, settings.*field, base); },
                          [&](bool Settings::*field) {
                              int raw = 0;
                              StoreError error = ReadNumber(key, name, raw, base);
                              if (!error) settings.*field = raw != 0;
                              return error;
                          },
                          [&](std::string Settings::*field) {
                              StoredValue raw;
                              StoreError error = ReadString(key, name, settings.*field, &raw);
                              if (!error && raw.type != ValueType::None) base = std::move(raw);
                              else base.reset();
                              return error;
                          },
                          [](std::monostate) -> StoreError { return std::nullopt; },
                      },
                      entry.field);
}

std::optional<StoredValue> FormOf(const SettingEntry& entry, const Settings& settings) {
    return std::visit(Overloaded{
                          [&](int Settings::*field) -> std::optional<StoredValue> { return DwordForm(settings.*field); },
                          [&](bool Settings::*field) -> std::optional<StoredValue> {
                              return DwordForm(settings.*field ? 1 : 0);
                          },
                          [&](std::string Settings::*field) -> std::optional<StoredValue> {
                              const auto& base = settings.BaseForms.at(SchemaIndex(entry));
                              if (base && (base->type == ValueType::String || base->type == ValueType::ExpandString) &&
                                  DecodeString(base->data, kMaxStringLength) == settings.*field)
                                  return base;
                              return StoredValue{ValueType::String, EncodeString(settings.*field)};
                          },
                          [](std::monostate) -> std::optional<StoredValue> { return std::nullopt; },
                      },
                      entry.field);
}

bool ChangedSinceRead(const Settings& settings, const SettingEntry& entry) {
    const auto form = FormOf(entry, settings);
    const auto& base = settings.BaseForms.at(SchemaIndex(entry));
    if (!form) return false;
    return !base || base->type != form->type || base->data != form->data;
}

StoreError WriteSetting(StoreKey& key, const SettingEntry& entry, const Settings& settings) {
    const auto form = FormOf(entry, settings);
    return form ? WriteStored(key, std::string(entry.name), *form) : std::nullopt;
}

namespace {

// A read that failed while the value may be there, as opposed to a value
// that is missing or damaged, which the next write of its key repairs.
bool ReadFailed(StoreKey& key, const SettingEntry& entry, const std::string& error) {
    return error == FailedToGetMessage(std::string(entry.name)) && !IsMissing(key, entry);
}

}  // namespace

void ShowUnread(const SettingEntry& entry, Settings& settings, const FirstRunContext& context) {
    ApplyFirstRunValue(entry, settings, context);
    const std::size_t row = SchemaIndex(entry);
    settings.Unread.set(row);
    settings.BaseForms.at(row).reset();
    settings.BaseForms.at(row) = FormOf(entry, settings);
}

bool LoadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings, const FirstRunContext& context,
                 StoreProblems& problems) {
    if (entry.addedLater && IsMissing(key, entry)) {
        ApplyFirstRunValue(entry, settings, context);
        return true;
    }
    if (StoreError error = ReadSetting(key, entry, settings)) {
        if (ReadFailed(key, entry, *error)) {
            problems.Add(UnreadOptionMessage(std::string(entry.name)));
            ShowUnread(entry, settings, context);
            return false;
        }
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

// A row that has reached the store, as `form`, awaits nothing.
void RecordWritten(const SettingEntry& entry, Settings& settings, StoredValue form) {
    const std::size_t row = SchemaIndex(entry);
    settings.PendingWrites.reset(row);
    settings.PendingRepairs.reset(row);
    settings.ReportedFailures.reset(row);
    settings.Unread.reset(row);
    settings.BaseForms.at(row) = std::move(form);
}

bool WriteForm(StoreKey& key, const SettingEntry& entry, Settings& settings, const std::optional<StoredValue>& form) {
    if (!form) return true;
    if (WriteStored(key, std::string(entry.name), *form)) return false;
    RecordWritten(entry, settings, *form);
    return true;
}

// What a row awaiting repair is written with.
std::optional<StoredValue> RepairForm(const SettingEntry& entry, const Settings& settings) {
    // Positions and regional formats depend on the system the first run
    // saw: memory holds what it gave them.
    if (std::holds_alternative<ComputedPosition>(entry.firstRun) || std::holds_alternative<RegionalChoice>(entry.firstRun))
        return FormOf(entry, settings);
    // A KeepLoaded row fell back to its initial value, as in fresh settings.
    Settings fallback;
    ApplyFirstRunValue(entry, fallback, FirstRunContext{});
    return FormOf(entry, fallback);
}

}  // namespace

bool WriteRow(StoreKey& key, const SettingEntry& entry, Settings& settings, StoreProblems& problems) {
    if (!WriteForm(key, entry, settings, FormOf(entry, settings))) {
        RecordFailedWrite(entry, settings, problems);
        return false;
    }
    return true;
}

bool AwaitsSave(const Settings& settings, const SettingEntry& entry) {
    return AwaitsWrite(settings, entry) || ChangedSinceRead(settings, entry);
}

void WriteGroup(KeyValueStore& store, SettingsGroup group, Settings& settings, StoreProblems& problems) {
    WriteGroup(store, group, GroupPath(group), settings, problems);
}

// Writes what the user changed and what awaits a write; a key with neither
// is not even opened.
void WriteGroup(KeyValueStore& store, SettingsGroup group, const std::string& path, Settings& settings,
                StoreProblems& problems) {
    const auto rows = GroupSchema(group);
    if (std::none_of(rows.begin(), rows.end(), [&](const SettingEntry& entry) { return AwaitsSave(settings, entry); }))
        return;
    auto key = store.Create(path);
    for (const SettingEntry& entry : rows) {
        if (!AwaitsSave(settings, entry)) continue;
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
            if (!WriteForm(key, entry, settings, RepairForm(entry, settings))) ReportFailureOnce(entry, settings, problems);
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
