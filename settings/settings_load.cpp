// Loading, and what stands in for the values that could not be read.

#include <optional>
#include <string>

#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"
#include "settings/settings_store.h"

namespace zentrova {
namespace {

struct LoadStop {
    std::size_t row = 0;        // schema index of the value that failed
    int completeEntries = 0;    // entries read whole, when the list failed
    std::string message;
};

std::optional<LoadStop> LoadGroup(StoreKey& key, SettingsGroup group, Settings& settings) {
    for (const SettingEntry& entry : GroupSchema(group)) {
        if (entry.kind == ValueKind::CountList) {
            CountEntriesLoad entries = LoadCountEntries(key, settings);
            if (entries.error) return LoadStop{SchemaIndex(entry), entries.complete, *entries.error};
        } else if (StoreError error = ReadSetting(key, entry, settings)) {
            return LoadStop{SchemaIndex(entry), 0, *error};
        }
    }
    return std::nullopt;
}

// The failing value and all after it take their first-run values, except
// that a list that loaded some entries whole keeps those.
void FallBackFrom(const LoadStop& stop, Settings& settings, const FirstRunContext& context) {
    const auto schema = SettingsSchema();
    for (std::size_t row = stop.row; row < schema.size(); ++row) {
        const SettingEntry& entry = schema[row];
        if (entry.kind == ValueKind::CountList && row == stop.row && stop.completeEntries > 0) {
            settings.CountMax = stop.completeEntries;
            settings.CountList[static_cast<std::size_t>(stop.completeEntries)] = {};
        } else {
            ApplyFirstRunValue(entry, settings, context);
        }
    }
}

}  // namespace

LoadResult Load(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    settings = Settings{};
    bool rootMissing = false;
    bool startRead = false;
    std::optional<LoadStop> stop;
    for (SettingsGroup group : kSettingsGroups) {
        auto key = store.OpenExisting(GroupPath(group));
        if (!key) {
            rootMissing = rootMissing || group == SettingsGroup::Root;
            continue;
        }
        stop = LoadGroup(*key, group, settings);
        key->Close();
        if (stop) break;
        startRead = startRead || group == SettingsGroup::Root;
    }

    ClampLoadedSettings(settings);
    LoadResult result;
    if (stop) {
        FallBackFrom(*stop, settings, context);
        result.error = stop->message;
    }
    // A value that failed later must not make the user's settings look new.
    result.firstRun = rootMissing || (startRead && settings.Start_1 == 0);
    return result;
}

}  // namespace zentrova
