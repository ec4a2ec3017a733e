#pragma once
// The countdown list in its key: entry i as "Count<i>", "CountDate<i>" and
// "CountTime<i>", beside "CountIndex" and "CountMax".

#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/store_error.h"

namespace zentrova {

struct CountEntriesLoad {
    int complete = 0;  // entries read whole, from slot 0
    StoreError error;  // what stopped the reading, if anything
};

// Clamps CountMax into 1..10, then reads that many entries into CountList,
// stopping at the first value that fails.
CountEntriesLoad LoadCountEntries(StoreKey& key, Settings& settings);

// Writes the title, date and time of entry `index`.
StoreError WriteCountEntry(StoreKey& key, const Settings& settings, int index);
// Writes entries 0..CountMax-1 in order.
StoreError WriteCountEntries(StoreKey& key, const Settings& settings);
// Removes the three values of entry `index` where present.
void DeleteCountEntry(StoreKey& key, int index);
// Writes "CountIndex", then "CountMax".
StoreError WriteListCounters(StoreKey& key, int countIndex, int countMax);

}  // namespace zentrova
