#pragma once
// The clocks after the first in the store: each in its own key "Clock<n>"
// (n from 2 to kMaxClocks) under the program's key, with the first clock's
// value names. A store without such keys loads as it always has; a key
// numbered past kMaxClocks, or not numbered, is never read nor touched.
//
// Problems are told with the first clock's texts, each naming its key.

#include "settings/first_run.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/store_error.h"

namespace zentrova {

// Reads every Clock<n> key that exists into Settings::ExtraClocks, value by
// value as the Clock key is read: a value that cannot be read is told and
// takes its first-run value, and awaits repair.
void LoadExtraClocks(KeyValueStore& store, Settings& settings, const FirstRunContext& context,
                     StoreProblems& problems);
// Reads the key of clock `number` (not in memory yet) into a new clock, as
// LoadExtraClocks reads each.
void LoadClock(StoreKey& key, Settings& settings, int number, const FirstRunContext& context,
               StoreProblems& problems);

// Writes every row of every clock after the first into its key.
void WriteExtraClocks(KeyValueStore& store, Settings& settings, StoreProblems& problems);

// Writes every row of clock `number` (a new clock's key is whole at once,
// so that a start before the next Save finds it as shown).
StoreError WriteClock(KeyValueStore& store, Settings& settings, int number);

// Deletes clock `number`'s key (never the first clock's) and nothing else.
StoreError DeleteClockKey(KeyValueStore& store, int number);

}  // namespace zentrova
