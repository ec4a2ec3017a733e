#pragma once
// The countdown list in its key: entry i as "Count<i>", "CountDate<i>" and
// "CountTime<i>", beside "CountIndex" and "CountMax".

#include "settings/first_run.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/store_error.h"

namespace zentrova {

// Reads CountMax, the entries below it and CountIndex, reporting every value
// that cannot be read, and keeps what can be used:
// - a CountMax outside 1..10 is held to it; one that cannot be read gives no
//   count, so every slot is looked at and the slots holding nothing at all
//   are passed over;
// - an entry whose date cannot be read is left out and the entries after
//   it move up; a title that cannot be read shows empty, a time midnight;
// - with no entry left, the list holds the two first-run entries;
// - CountIndex keeps selecting the entry it selected, or the next one left.
// When memory and the stored list then differ, the list awaits repair.
void LoadCountList(StoreKey& key, Settings& settings, const FirstRunContext& context, StoreProblems& problems);

// Writes the title, date and time of entry `index`.
StoreError WriteCountEntry(StoreKey& key, const Settings& settings, int index);
// The list as a whole: entries 0..CountMax-1, removal of every slot after
// them, then "CountIndex" = `countIndex` and "CountMax". Once written, the
// list no longer awaits repair.
StoreError WriteWholeCountList(StoreKey& key, Settings& settings, int countIndex);
// Writes "CountIndex" = `countIndex`, then "CountMax".
StoreError WriteListCounters(StoreKey& key, Settings& settings, int countIndex);
// Writes "CountIndex" = `countIndex` alone.
StoreError WriteSelectedIndex(StoreKey& key, Settings& settings, int countIndex);
// Whether the stored list or its count differs from memory, so that the
// next write of the list writes it whole.
bool ListAwaitsRepair(const Settings& settings);

}  // namespace zentrova
