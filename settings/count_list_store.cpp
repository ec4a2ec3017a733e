#include "settings/count_list_store.h"

#include <string>

#include "settings/settings_sanitise.h"
#include "settings/settings_schema.h"
#include "settings/value_io.h"

namespace zentrova {

CountEntriesLoad LoadCountEntries(StoreKey& key, Settings& settings) {
    settings.CountMax = ClampListLength(settings.CountMax);
    CountEntriesLoad load;
    for (int i = 0; i < settings.CountMax; ++i) {
        CountEntry entry;
        load.error = ReadString(key, EntryTitleName(i), entry.title);
        if (!load.error) load.error = ReadDateTime(key, EntryDateName(i), entry.date);
        if (!load.error) load.error = ReadDateTime(key, EntryTimeName(i), entry.time);
        if (load.error) break;
        entry.date = ClampDateTime(entry.date);
        entry.time = ClampDateTime(entry.time);
        settings.CountList[i] = std::move(entry);
        load.complete = i + 1;
    }
    return load;
}

StoreError WriteCountEntry(StoreKey& key, const Settings& settings, int index) {
    const CountEntry& entry = settings.CountList.at(static_cast<std::size_t>(index));
    if (auto error = WriteString(key, EntryTitleName(index), entry.title)) return error;
    if (auto error = WriteDateTime(key, EntryDateName(index), entry.date)) return error;
    return WriteDateTime(key, EntryTimeName(index), entry.time);
}

StoreError WriteCountEntries(StoreKey& key, const Settings& settings) {
    const int length = ClampListLength(settings.CountMax);
    for (int i = 0; i < length; ++i) {
        if (auto error = WriteCountEntry(key, settings, i)) return error;
    }
    return std::nullopt;
}

void DeleteCountEntry(StoreKey& key, int index) {
    // A value that is not there is already what we want.
    key.Delete(EntryTitleName(index));
    key.Delete(EntryDateName(index));
    key.Delete(EntryTimeName(index));
}

StoreError WriteListCounters(StoreKey& key, int countIndex, int countMax) {
    if (auto error = WriteInteger(key, std::string(kCountIndexName), countIndex)) return error;
    return WriteInteger(key, std::string(kCountMaxName), countMax);
}

}  // namespace zentrova
