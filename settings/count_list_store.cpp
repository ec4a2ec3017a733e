#include "settings/count_list_store.h"

#include <algorithm>
#include <string>
#include <vector>

#include "settings/count_entry_values.h"
#include "settings/date_time.h"
#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"
#include "settings/settings_schema.h"
#include "settings/value_codec.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

const SettingEntry& CountMaxRow() { return *FindEntry(&Settings::CountMax); }
const SettingEntry& CountIndexRow() { return *FindEntry(&Settings::CountIndex); }

int ListLength(const Settings& settings) { return ClampListLength(settings.CountMax); }

CountEntry& EntryAt(Settings& settings, int index) { return settings.CountList.at(static_cast<std::size_t>(index)); }
const CountEntry& EntryAt(const Settings& settings, int index) {
    return settings.CountList.at(static_cast<std::size_t>(index));
}

// The slots a readable order names: distinct, rising, each one an entry's.
std::optional<std::vector<int>> ReadOrder(StoreKey& key, StoreProblems& problems) {
    StoredValue stored;
    switch (key.Query(kCountOrderName, stored, kValueReadLimit)) {
        case QueryResult::Missing: return std::nullopt;
        case QueryResult::Failed: problems.Add(FailedToGetMessage(kCountOrderName)); return std::nullopt;
        case QueryResult::Found: break;
    }
    std::vector<int> slots(stored.data.begin(), stored.data.end());
    const bool usable = stored.type == ValueType::Binary && slots.size() <= kCountMaxEntries &&
                        std::adjacent_find(slots.begin(), slots.end(), std::greater_equal<>()) == slots.end() &&
                        std::all_of(slots.begin(), slots.end(), [](int slot) { return slot < kCountMaxEntries; });
    if (!usable) {
        problems.Add(InvalidTypeMessage(kCountOrderName));
        return std::nullopt;
    }
    return slots;
}

// The slots of the list when no order is stored; sets how it is counted.
std::vector<int> CountedSlots(StoreKey& key, Settings& settings, StoreProblems& problems) {
    int count = 0;
    if (StoreError error = ReadInteger(key, std::string(kCountMaxName), count)) {
        // A count that is there but could not be read is not replaced by
        // what looking at the slots finds, which may take in an entry whose
        // Add never finished.
        if (*error == FailedToGetMessage(std::string(kCountMaxName)) && !IsMissing(key, CountMaxRow())) {
            settings.Unread.set(SchemaIndex(CountMaxRow()));
            problems.Add(UnreadOptionMessage(std::string(kCountMaxName)));
        } else {
            problems.Add(std::move(*error));
        }
    }
    std::vector<int> slots;
    if (count >= 1 && count <= kCountMaxEntries) {
        settings.StoredListCount = count;
        for (int slot = 0; slot < count; ++slot) slots.push_back(slot);
        return slots;
    }
    // Without a usable count every slot is looked at, and empty ones passed over.
    for (int slot = 0; slot < kCountMaxEntries; ++slot)
        if (SlotHoldsAnything(key, slot)) slots.push_back(slot);
    return slots;
}

CountEntry ReadEntry(StoreKey& key, int slot, const FirstRunContext& context, StoreProblems& problems) {
    CountEntry entry;
    entry.date = EncodeDate(context.year, 1, 1);
    entry.slot = slot;
    for (const CountEntryValue& value : CountEntryValues()) {
        if (StoreError error = value.read(key, value.name(slot), entry)) problems.Add(std::move(*error));
    }
    entry.date = ClampDateTime(entry.date);
    entry.time = ClampDateTime(entry.time);
    return entry;
}

// The order naming the slots of the stored entries, in list order.
StoredValue OrderOf(const Settings& settings) {
    StoredValue order{ValueType::Binary, {}};
    for (int i = 0; i < ListLength(settings); ++i) {
        const int slot = EntryAt(settings, i).slot;
        if (slot >= 0) order.data.push_back(static_cast<std::uint8_t>(slot));
    }
    return order;
}

bool WriteOrder(StoreKey& key, const Settings& settings) {
    const StoredValue order = OrderOf(settings);
    return key.Set(kCountOrderName, order.type, order.data);
}

bool InPlace(const Settings& settings) {
    for (int i = 0; i < ListLength(settings); ++i)
        if (EntryAt(settings, i).slot != i) return false;
    return true;
}

bool SlotTaken(const Settings& settings, int slot) {
    for (int i = 0; i < ListLength(settings); ++i)
        if (EntryAt(settings, i).slot == slot) return true;
    return false;
}

// Entries lie in their slots, and those still to be written lie past the
// stored count, where loading does not look: writing CountMax alone then
// takes the new list in.
bool AppendsPastStoredList(const Settings& settings) {
    if (settings.StoredListCount == 0) return false;
    for (int i = 0; i < ListLength(settings); ++i) {
        const int slot = EntryAt(settings, i).slot;
        if (slot != i && !(slot < 0 && i >= settings.StoredListCount)) return false;
    }
    return true;
}

// The stored slot of the entry `countIndex` selects, as CountIndex names it.
int SelectedSlot(const Settings& settings, int countIndex) {
    if (countIndex < 0 || countIndex >= ListLength(settings)) return countIndex;
    const int slot = EntryAt(settings, countIndex).slot;
    return slot >= 0 ? slot : countIndex;
}

void WriteSelectedIndex(StoreKey& key, Settings& settings, int countIndex, StoreProblems& problems) {
    const int memory = settings.CountIndex;
    settings.CountIndex = SelectedSlot(settings, countIndex);
    WriteRow(key, CountIndexRow(), settings, problems);
    settings.CountIndex = memory;
}

// With every entry in its slot: CountMax, then the order is dropped and
// what lies past the end removed. Nothing here changes the list loaded.
void FinishInPlace(StoreKey& key, Settings& settings, StoreProblems& problems) {
    const int length = ListLength(settings);
    if (settings.StoredListCount != length) {
        if (WriteInteger(key, std::string(kCountMaxName), length)) {
            problems.Add(FailedToSetMessage(std::string(kCountMaxName)));
            return;
        }
        settings.StoredListCount = length;
    }
    if (!DeleteIfPresent(key, kCountOrderName)) {
        problems.Add(FailedToSetMessage(kCountOrderName));
        settings.StoredListCount = 0;  // the order still names the list
        return;
    }
    StoreProblems leftovers;
    // Only slots the list can use: any value beyond them is none of ours.
    for (int slot = length; slot < kCountMaxEntries; ++slot) ClearSlot(key, slot, leftovers);
    // Values past CountMax are not loaded; the next write of the list tries again.
    if (leftovers.Count() == 0) MarkRepaired(settings, CountListRow());
    else MarkForRepair(settings, CountListRow());
    if (auto box = leftovers.BoxText()) problems.Add(*box);
    MarkRepaired(settings, CountMaxRow());
}

}  // namespace

void LoadCountList(StoreKey& key, Settings& settings, const FirstRunContext& context, StoreProblems& problems) {
    settings.StoredListCount = 0;
    settings.FallbackYear = context.year;
    settings.Unread.reset(SchemaIndex(CountMaxRow()));
    std::optional<std::vector<int>> order = ReadOrder(key, problems);
    const std::vector<int> slots = order ? *order : CountedSlots(key, settings, problems);

    for (std::size_t i = 0; i < slots.size(); ++i)
        settings.CountList[i] = ReadEntry(key, slots[i], context, problems);
    settings.CountMax = static_cast<int>(slots.size());

    StoreProblems indexProblems;  // CountIndex alone never calls for rewriting the list
    const bool indexRead = LoadSetting(key, CountIndexRow(), settings, context, indexProblems);
    if (auto box = indexProblems.BoxText()) problems.Add(*box);
    if (slots.empty()) {
        SeedCountList(settings, context.year);
        settings.CountIndex = 0;
    } else {
        const int stored = indexRead ? settings.CountIndex : 0;
        const auto next = std::lower_bound(slots.begin(), slots.end(), stored);
        settings.CountIndex = std::clamp(static_cast<int>(next - slots.begin()), 0, settings.CountMax - 1);
    }
}

void WriteCountList(StoreKey& key, Settings& settings, int countIndex, StoreProblems& problems) {
    const bool appending = AppendsPastStoredList(settings);
    // Otherwise the order takes over the list as stored, and each entry
    // joins it only once it is whole in its slot.
    if (!appending) {
        if (!WriteOrder(key, settings)) {
            problems.Add(FailedToSetMessage(kCountOrderName));
            return;
        }
        settings.StoredListCount = 0;
    }
    for (int i = 0; i < ListLength(settings); ++i) {
        CountEntry& entry = EntryAt(settings, i);
        if (entry.slot == i) continue;
        // Entries keep their order in the slots, so slot i is free by now.
        if (SlotTaken(settings, i)) {
            problems.Add(FailedToSetMessage(EntryTitleName(i)));
            return;
        }
        if (StoreError error = CopyEntryInto(key, entry, i)) {
            problems.Add(std::move(*error));
            return;
        }
        const int from = entry.slot;
        entry.slot = i;
        if (!appending && !WriteOrder(key, settings)) {
            entry.slot = from;
            problems.Add(FailedToSetMessage(kCountOrderName));
            return;
        }
    }
    WriteSelectedIndex(key, settings, countIndex, problems);
    FinishInPlace(key, settings, problems);
}

void WriteListSelection(StoreKey& key, Settings& settings, int countIndex, StoreProblems& problems) {
    WriteSelectedIndex(key, settings, countIndex, problems);
    const bool leftovers = AwaitsRepair(settings, CountListRow());
    const bool countUnread = settings.Unread.test(SchemaIndex(CountMaxRow()));
    if (InPlace(settings) && !countUnread && (settings.StoredListCount != ListLength(settings) || leftovers))
        FinishInPlace(key, settings, problems);
}

namespace {

// The entries memory holds as stored, in list order.
std::vector<CountEntry> StoredEntries(const Settings& settings) {
    std::vector<CountEntry> entries;
    for (int i = 0; i < ListLength(settings); ++i)
        if (EntryAt(settings, i).slot >= 0) entries.push_back(EntryAt(settings, i));
    return entries;
}

bool SameEntries(const std::vector<CountEntry>& a, const std::vector<CountEntry>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const CountEntry& x, const CountEntry& y) { return x == y && x.slot == y.slot; });
}

}  // namespace

bool TakeInStoredList(StoreKey& key, Settings& settings) {
    Settings stored;
    StoreProblems problems;
    const FirstRunContext context{settings.FallbackYear, {}, {}, {}};
    LoadCountList(key, stored, context, problems);
    const bool listUnread = settings.Unread.test(SchemaIndex(CountListRow()));
    // A list shown in place of one that could not be read is replaced only
    // by one read whole.
    if (listUnread && problems.Count() != 0) return false;
    // A list that does not read whole is not taken in over memory's, which
    // was built on what could be read before.
    if (problems.Count() != 0) return true;
    std::vector<CountEntry> entries = StoredEntries(stored);
    std::vector<CountEntry> expected = entries;
    for (const CountEntry& deleted : settings.PendingDeletes)
        std::erase_if(expected, [&](const CountEntry& entry) { return deleted.slot >= 0 && entry.slot == deleted.slot; });
    if (!listUnread && SameEntries(expected, StoredEntries(settings))) return true;

    // Another copy changed the list: the user's changes go onto its list.
    for (const CountEntry& deleted : settings.PendingDeletes) {
        const auto gone = std::find(entries.begin(), entries.end(), deleted);
        if (gone != entries.end()) entries.erase(gone);
    }
    const std::optional<CountEntry> selected =
        settings.CountMax > 0 ? std::optional(settings.SelectedEntry()) : std::nullopt;
    for (int i = 0; i < ListLength(settings); ++i) {
        const CountEntry& entry = EntryAt(settings, i);
        if (entry.slot < 0 && !entry.fallback && entries.size() < kCountMaxEntries) entries.push_back(entry);
    }
    if (entries.empty()) return true;  // nothing stored to take in; memory's list stands
    for (std::size_t i = 0; i < entries.size(); ++i) settings.CountList[i] = entries[i];
    settings.CountMax = static_cast<int>(entries.size());
    settings.StoredListCount = stored.StoredListCount;
    settings.Unread.reset(SchemaIndex(CountListRow()));
    settings.Unread.set(SchemaIndex(CountMaxRow()), stored.Unread.test(SchemaIndex(CountMaxRow())));
    const auto found = selected ? std::find(entries.begin(), entries.end(), *selected) : entries.end();
    settings.CountIndex = found != entries.end() ? static_cast<int>(found - entries.begin())
                                                 : std::clamp(settings.CountIndex, 0, settings.CountMax - 1);
    return true;
}

bool ListInStep(const Settings& settings) {
    return settings.StoredListCount == ListLength(settings) && InPlace(settings);
}

}  // namespace zentrova
