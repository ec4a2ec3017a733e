#pragma once
// The countdown list in its key: entry i in the values of slot i (see
// count_entry_values.h), beside "CountIndex" and "CountMax". While the list
// is being rewritten, "CountOrder" names the slots that hold it, in order.
//
// Every rewrite is safe to stop between any two writes: the slots it writes
// are outside the list as loaded until one write (the order or CountMax)
// takes them in, so a restart finds either the old list or the new one.

#include "settings/first_run.h"
#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/store_error.h"

namespace zentrova {

inline constexpr char kCountOrderName[] = "CountOrder";

// Reads the list, reporting every value that cannot be read:
// - a readable "CountOrder" gives the slots of the list, in order;
// - otherwise a CountMax within 1..10 gives slots 0..CountMax-1, and one
//   that is unreadable or outside that range makes every slot be looked at,
//   passing over those that hold nothing;
// - no entry is left out: a value that cannot be read shows a fallback (an
//   empty title, 1 January of `context.year`, midnight) and stays stored as
//   it is until the entry is deleted;
// - with no entry at all, the list holds the two first-run entries, which
//   are not yet stored;
// - CountIndex keeps selecting the entry in the slot it names, or the next.
void LoadCountList(StoreKey& key, Settings& settings, const FirstRunContext& context, StoreProblems& problems);

// Makes the store hold memory's list with `countIndex` selected: entries not
// stored are written, entries out of place moved, then CountIndex and
// CountMax written and what lies past the end removed. Stops at the first
// entry that cannot be written, leaving the list as far as it got in step
// with memory (see CountEntry::slot).
void WriteCountList(StoreKey& key, Settings& settings, int countIndex, StoreProblems& problems);

// Save's part: CountIndex for `countIndex`, and CountMax when every entry
// already lies in its slot. Writes no entry.
void WriteListSelection(StoreKey& key, Settings& settings, int countIndex, StoreProblems& problems);

// Before the list is written: reads the stored list, and when it is not the
// one memory was built on (another copy of the program changed it, or it
// could not be read before), memory takes it in, with the entries the user
// added that are not stored yet and without those deleted that may still be
// stored (Settings::PendingDeletes). The selection stays on its entry.
// False when memory shows a list in place of one that could not be read
// and the stored list still cannot be read whole: nothing may be written.
bool TakeInStoredList(StoreKey& key, Settings& settings);

// Whether the stored list loads to memory's, entry for entry.
bool ListInStep(const Settings& settings);

}  // namespace zentrova
