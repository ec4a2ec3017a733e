#pragma once
// The settings' persistent form: loading at start-up, the first-run
// defaults, Save, the display windows' position write-backs, the list
// dialogs' writes and the start marker. Each operation opens one key at a
// time, works through it in its fixed order and closes it before the next.
//
// Every operation returns the message for the user's error box, or nothing.
// A value that cannot be written, removed, or whose key cannot be created,
// is reported once and awaits its write, which the next write of its key
// retries; the operation goes on with the rest. Memory records what has not
// reached the store, so a later write never takes it as stored.

#include <vector>

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
    // Every value that could not be read, a line each in load order. Each
    // holds its first-run value in memory and awaits repair; every other
    // value holds what is stored, and the store is left as it is.
    StoreError error;
};

// Starts from initial values and reads every value of every key that
// exists, holding what the windows index with to its range. A key missing
// on a later run gives its values their first-run values. `context` gives
// the first-run positions and list used for what cannot be read.
LoadResult Load(KeyValueStore& store, Settings& settings, const FirstRunContext& context);

// After a Load that found a first run: writes what loading found missing
// (or could not read), which holds its first-run value, and the countdown
// list when it is not stored as shown. Values the store holds are kept.
StoreError WriteFirstRunDefaults(KeyValueStore& store, Settings& settings, const FirstRunContext& context);
// Whether the store holds every value as memory shows it, so the start may
// be marked. Until then every later write that completes it marks it.
bool FirstRunDefaultsStored(const Settings& settings);

// Every write below also writes, in the key it opens, the values awaiting
// repair, so the store never keeps a damaged setting, while a value the
// user has not changed is never rewritten with anything but what was read.

// The Save button: in the Clock key, every other clock's key and the
// Countdown, Calendar and General keys the options the user changed and
// those the store lacks or awaits (never one that could not be read and was
// left alone, nor one another copy of the program stored meanwhile);
// CountIndex in the CountTitle key (and CountMax when every entry already
// lies in its slot), and the entries whose Add did not reach the store.
StoreError Save(KeyValueStore& store, Settings& settings, int selectedCountIndex);

// A still window's new resting position: its left, then its top.
StoreError WritePosition(KeyValueStore& store, Settings& settings, DisplayWindowId window);

// A still clock's new resting position in its own key: the first clock's
// as WritePosition, another's in its Clock<n> key.
StoreError WriteClockPosition(KeyValueStore& store, Settings& settings, int number);

// The add dialog: the new entry `addedIndex`, then CountIndex = addedIndex
// and CountMax (see WriteCountList). An index outside 0..CountMax-1 writes
// nothing, so the store never names an entry that loading would not read.
//
// Every write of the list first takes in the stored list when another copy
// of the program changed it (see TakeInStoredList), so memory's list and
// CountIndex may change: the caller shows them again. An entry that cannot
// be stored stays in memory and is stored by the next write of the list,
// Save included.
StoreError WriteListAfterAdd(KeyValueStore& store, Settings& settings, int addedIndex);

// The delete dialog, once `deleted` is out of memory's list: the entries
// after it move up a slot each, then CountIndex and CountMax, and the old
// last slot is removed. Until the store is in step, every later write of the
// list leaves `deleted` out again.
StoreError WriteListAfterDelete(KeyValueStore& store, Settings& settings, const CountEntry& deleted);

// What taking in another copy's changes brought into memory.
struct StoredChanges {
    // An option of the program's keys (the first clock's among them) or the list.
    bool options = false;
    // Clocks after the first, by number: those whose values changed, those
    // whose key appeared (now in memory), and those whose key is gone. A
    // clock gone stays in memory, so that the caller closes its window
    // before EraseClock takes its values.
    std::vector<int> changedClocks, addedClocks, removedClocks;
    explicit operator bool() const {
        return options || !changedClocks.empty() || !addedClocks.empty() || !removedClocks.empty();
    }
};

// Another copy of the program changed the store: memory takes in every
// option the store now holds otherwise than this copy last read or wrote it
// (unless the user changed it here without saving, or it awaits a write),
// every option that could not be read before and can be now, and the
// stored list with this copy's unstored changes on it. The same goes for
// the clocks after the first, each in its own key; a clock key that appears
// is taken in once it holds every value (the other copy writes it value by
// value), and one that is gone is reported, unless this copy never stored
// the clock (its key could not be created). A key that cannot be opened
// changes nothing.
StoredChanges TakeInStoredChanges(KeyValueStore& store, Settings& settings, const FirstRunContext& context);

// Sets Start_1 to 1 and writes it into the root key; a failed write is
// retried by the next write that finds everything else stored.
StoreError MarkStarted(KeyValueStore& store, Settings& settings);

}  // namespace zentrova
