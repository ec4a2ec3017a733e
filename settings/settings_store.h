#pragma once
// The settings' persistent form: loading at start-up, the first-run
// defaults, Save, the display windows' position write-backs, the list
// dialogs' writes and the start marker. Each operation opens one key at a
// time, works through it in its fixed order and closes it before the next.
//
// Every operation returns the message for the user's error box, or nothing.
// A key that cannot be created makes that key's writing a silent no-op; a
// value that cannot be written ends the operation, leaving the values
// before it written.

#include "settings/first_run.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"
#include "settings/store_error.h"

namespace zentrova {

struct LoadResult {
    // Nothing has been stored yet (no root key), or the stored Start_1 is 0:
    // the caller writes the first-run defaults.
    bool firstRun = false;
    // The first value that could not be read. Loading stopped there; that
    // value and every later one hold their first-run values in memory, and
    // the store is left as it is.
    StoreError error;
};

// Starts from initial values, reads every key that exists, then clamps
// what the windows index with (see ClampLoadedSettings). `context` gives
// the first-run positions used when loading stops early.
LoadResult Load(KeyValueStore& store, Settings& settings, const FirstRunContext& context);

// Assigns the first-run values in memory, seeds the countdown list for
// `context.year` and writes all five keys (Start_1 still 0).
StoreError WriteFirstRunDefaults(KeyValueStore& store, Settings& settings, const FirstRunContext& context);

// The Save button: the Clock and Countdown keys in full, CountIndex alone
// in the CountTitle key, then the Calendar key.
StoreError Save(KeyValueStore& store, const Settings& settings, int selectedCountIndex);

// A still window's new resting position: its left, then its top.
StoreError WritePosition(KeyValueStore& store, const Settings& settings, DisplayWindowId window);

// The add dialog: the new entry `addedIndex`, then CountIndex = addedIndex
// and CountMax. An index outside 0..CountMax-1 writes nothing, so the store
// never names an entry that loading would not read.
StoreError WriteListAfterAdd(KeyValueStore& store, const Settings& settings, int addedIndex);

// The delete dialog: entries 0..CountMax-1, removal of the three values at
// index CountMax (the old last entry), then CountIndex and CountMax.
StoreError WriteListAfterDelete(KeyValueStore& store, const Settings& settings);

// Sets Start_1 to 1 and writes it into the root key.
StoreError MarkStarted(KeyValueStore& store, Settings& settings);

}  // namespace zentrova
