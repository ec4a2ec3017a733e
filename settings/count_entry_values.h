#pragma once
// The values that store one countdown entry, a row each: the value's name
// at a slot, how loading reads it into the entry and how a new entry is
// written. Every write of the list goes over these rows, so a value added
// to the entries is one more row here.

#include <span>
#include <string>

#include "settings/key_value_store.h"
#include "settings/settings.h"
#include "settings/store_error.h"

namespace zentrova {

struct CountEntryValue {
    std::string (*name)(int slot);
    // Reads the value into `entry`, which keeps its fallback on failure.
    StoreError (*read)(StoreKey& key, const std::string& name, CountEntry& entry);
    StoredValue (*encode)(const CountEntry& entry);
};

std::span<const CountEntryValue> CountEntryValues();

// Whether the slot holds any value of an entry that can be read.
bool SlotHoldsAnything(StoreKey& key, int slot);

// Writes `entry` into slot `to`: a stored entry as the exact values of its
// own slot (a value missing there is removed at `to`), a new one from its
// fields. The message of the first value that fails; the slot may then hold
// part of the entry.
StoreError CopyEntryInto(StoreKey& key, const CountEntry& entry, int to);

// Removes every value of the slot; the message of each that stays.
void ClearSlot(StoreKey& key, int slot, StoreProblems& problems);

// Removes a value when present; false when it is present and stays.
bool DeleteIfPresent(StoreKey& key, const std::string& name);

}  // namespace zentrova
