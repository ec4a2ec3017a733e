#include "settings/setting_io.h"

#include <string>

#include "settings/overloaded.h"
#include "settings/value_io.h"

namespace zentrova {

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

StoreError WriteGroup(KeyValueStore& store, SettingsGroup group, const Settings& settings) {
    auto key = store.Create(GroupPath(group));
    if (!key) return std::nullopt;
    StoreError error;
    for (const SettingEntry& entry : GroupSchema(group)) {
        error = WriteSetting(*key, entry, settings);
        if (error) break;
    }
    key->Close();
    return error;
}

}  // namespace zentrova
