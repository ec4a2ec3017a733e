#pragma once
// Reading and writing the settings of the schema, row by row and key by key,
// and the rows awaiting repair (Settings::PendingRepairs).

#include "settings/first_run.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"
#include "settings/store_error.h"

namespace zentrova {

void MarkForRepair(Settings& settings, const SettingEntry& entry);
void MarkRepaired(Settings& settings, const SettingEntry& entry);
bool AwaitsRepair(const Settings& settings, const SettingEntry& entry);

// Reads the value of a row into its field (the list row reads nothing).
StoreError ReadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings);
// The stored form of a row's value as memory holds it (nothing for the list
// row); a string as it was read, byte for byte, while memory holds what was
// read from it.
std::optional<StoredValue> FormOf(const SettingEntry& entry, const Settings& settings);
// Whether memory holds another value than the row's as last read or written
// (or the fallback shown for it): the user's change.
bool ChangedSinceRead(const Settings& settings, const SettingEntry& entry);
// Writes the form of a row's value (the list row writes nothing).
StoreError WriteSetting(StoreKey& key, const SettingEntry& entry, const Settings& settings);

// True when the row's value is absent from the key (not merely unreadable).
bool IsMissing(StoreKey& key, const SettingEntry& entry);

// Reads a row and holds it to its range. A row added in a later version
// whose value is absent takes its first-run value silently. A value that is
// missing or damaged is added to `problems`, its field takes its first-run
// value and the row awaits repair; one whose read failed is reported too,
// but shows its fallback unread (see ShowUnread). False in both cases.
bool LoadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings, const FirstRunContext& context,
                 StoreProblems& problems);
// The row's first-run value, shown while what the store holds is unknown:
// the row is unread, and no write stores it until the user changes it.
void ShowUnread(const SettingEntry& entry, Settings& settings, const FirstRunContext& context);
// The row's first-run value, for a row whose key is missing.
void FallBackSetting(const SettingEntry& entry, Settings& settings, const FirstRunContext& context);

// Writes the field of a row; once written, the row awaits nothing. A row
// that cannot be written awaits its write, which the next write of its key
// retries, and is reported in `problems` unless its failure already was.
bool WriteRow(StoreKey& key, const SettingEntry& entry, Settings& settings, StoreProblems& problems);
// Records that the row could not be written (its key could not be created).
void RecordFailedWrite(const SettingEntry& entry, Settings& settings, StoreProblems& problems);

// Writes, in order, the rows of a key that the user changed or that await
// a write or repair, creating the key only when there is one; every row that
// cannot be written is recorded and reported. An unread row the user has
// not changed is left as stored.
void WriteGroup(KeyValueStore& store, SettingsGroup group, Settings& settings, StoreProblems& problems);
// The same in the key at `path`, which holds the rows of `group` (the
// clocks after the first each have one like the first clock's).
void WriteGroup(KeyValueStore& store, SettingsGroup group, const std::string& path, Settings& settings,
                StoreProblems& problems);

// Writes the rows of a key that await a write with what memory holds, and
// those that await repair with the first-run values loading gave them, not
// with what the user may have changed since without saving; positions,
// which persist at once anyway, with where the window is.
void WriteRepairs(StoreKey& key, SettingsGroup group, Settings& settings, StoreProblems& problems);
// The same in the key of `group`, created only when a row awaits anything.
void WriteRepairs(KeyValueStore& store, SettingsGroup group, Settings& settings, StoreProblems& problems);
void WriteRepairs(KeyValueStore& store, SettingsGroup group, const std::string& path, Settings& settings,
                  StoreProblems& problems);
// Whether a row awaits a write or a repair.
bool AwaitsWrite(const Settings& settings, const SettingEntry& entry);

}  // namespace zentrova
