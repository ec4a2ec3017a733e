#pragma once
// Reading and writing the settings of the schema, row by row and key by key.

#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"
#include "settings/store_error.h"

namespace zentrova {

// Reads the value of a row into its field (the list row reads nothing).
StoreError ReadSetting(StoreKey& key, const SettingEntry& entry, Settings& settings);
// Writes the field of a row (the list row writes nothing).
StoreError WriteSetting(StoreKey& key, const SettingEntry& entry, const Settings& settings);

// Writes every row of a key in order, creating the key. A key that cannot
// be created is skipped silently; the first value that cannot be written
// ends the writing with its message.
StoreError WriteGroup(KeyValueStore& store, SettingsGroup group, const Settings& settings);

}  // namespace zentrova
