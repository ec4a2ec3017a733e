#include "settings/count_list_store.h"

#include <algorithm>
#include <string>
#include <vector>

#include "settings/setting_io.h"
#include "settings/settings_sanitise.h"
#include "settings/settings_schema.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

const SettingEntry& CountMaxRow() { return *FindEntry(&Settings::CountMax); }
const SettingEntry& CountIndexRow() { return *FindEntry(&Settings::CountIndex); }

bool Present(StoreKey& key, const std::string& name) {
    StoredValue ignored;
    return key.Query(name, ignored, kValueReadLimit) != QueryResult::Missing;
}

bool SlotHoldsAnything(StoreKey& key, int index) {
    return Present(key, EntryTitleName(index)) || Present(key, EntryDateName(index)) ||
           Present(key, EntryTimeName(index));
}

// Reads entry `index` in the order title, date, time, reporting any value
// that cannot be read; false when its date cannot be read.
bool ReadCountEntry(StoreKey& key, int index, CountEntry& entry, StoreProblems& problems) {
    const auto read = [&](StoreError error) {
        if (error) problems.Add(std::move(*error));
        return !error;
    };
    if (!read(ReadString(key, EntryTitleName(index), entry.title))) entry.title.clear();
    const bool dated = read(ReadDateTime(key, EntryDateName(index), entry.date));
    if (!read(ReadDateTime(key, EntryTimeName(index), entry.time))) entry.time = 0.0;
    if (Present(key, EntryYearlyName(index)) && !read(ReadFlag(key, EntryYearlyName(index), entry.yearly)))
        entry.yearly = false;
    entry.date = ClampDateTime(entry.date);
    entry.time = ClampDateTime(entry.time);
    return dated;
}

}  // namespace

void LoadCountList(StoreKey& key, Settings& settings, const FirstRunContext& context, StoreProblems& problems) {
    const std::size_t problemsBefore = problems.Count();
    // Without a count, every slot is looked at and empty ones are passed over.
    StoreError countError = ReadSetting(key, CountMaxRow(), settings);
    const bool counted = !countError;
    if (countError) problems.Add(std::move(*countError));
    const int slots = counted ? ClampListLength(settings.CountMax) : kCountMaxEntries;
    // A count that is missing, unreadable or out of range is written anew.
    if (slots != settings.CountMax) MarkForRepair(settings, CountMaxRow());

    std::vector<int> storedIndices;  // of the entries kept, in order
    for (int i = 0; i < slots; ++i) {
        if (!counted && !SlotHoldsAnything(key, i)) continue;
        CountEntry entry;
        if (!ReadCountEntry(key, i, entry, problems)) continue;
        settings.CountList[storedIndices.size()] = std::move(entry);
        storedIndices.push_back(i);
    }

    // CountIndex is written with every write of the list, so it alone never
    // calls for rewriting the entries.
    bool inStep = problems.Count() == problemsBefore;
    const bool indexRead = LoadSetting(key, CountIndexRow(), settings, context, problems);
    if (storedIndices.empty()) {
        SeedCountList(settings, context.year);
        settings.CountIndex = 0;
        inStep = false;
    } else {
        settings.CountMax = static_cast<int>(storedIndices.size());
        const int stored = indexRead ? settings.CountIndex : 0;
        const auto next = std::lower_bound(storedIndices.begin(), storedIndices.end(), stored);
        settings.CountIndex = std::clamp(static_cast<int>(next - storedIndices.begin()), 0, settings.CountMax - 1);
    }
    if (!inStep) MarkForRepair(settings, CountListRow());
}

StoreError WriteCountEntry(StoreKey& key, const Settings& settings, int index) {
    const CountEntry& entry = settings.CountList.at(static_cast<std::size_t>(index));
    if (auto error = WriteString(key, EntryTitleName(index), entry.title)) return error;
    if (auto error = WriteDateTime(key, EntryDateName(index), entry.date)) return error;
    if (auto error = WriteDateTime(key, EntryTimeName(index), entry.time)) return error;
    return WriteFlag(key, EntryYearlyName(index), entry.yearly);
}

StoreError WriteWholeCountList(StoreKey& key, Settings& settings, int countIndex) {
    const int length = ClampListLength(settings.CountMax);
    for (int i = 0; i < length; ++i) {
        if (auto error = WriteCountEntry(key, settings, i)) return error;
    }
    // Whatever lies beyond, a value that is not there is already what we want.
    for (int i = length; i < kCountSlots; ++i) {
        key.Delete(EntryTitleName(i));
        key.Delete(EntryDateName(i));
        key.Delete(EntryTimeName(i));
        key.Delete(EntryYearlyName(i));
    }
    if (auto error = WriteListCounters(key, settings, countIndex)) return error;
    MarkRepaired(settings, CountListRow());
    return std::nullopt;
}

StoreError WriteListCounters(StoreKey& key, Settings& settings, int countIndex) {
    if (auto error = WriteSelectedIndex(key, settings, countIndex)) return error;
    if (auto error = WriteInteger(key, std::string(kCountMaxName), ClampListLength(settings.CountMax))) return error;
    MarkRepaired(settings, CountMaxRow());
    return std::nullopt;
}

StoreError WriteSelectedIndex(StoreKey& key, Settings& settings, int countIndex) {
    if (auto error = WriteInteger(key, std::string(kCountIndexName), countIndex)) return error;
    MarkRepaired(settings, CountIndexRow());
    return std::nullopt;
}

bool ListAwaitsRepair(const Settings& settings) {
    return AwaitsRepair(settings, CountMaxRow()) || AwaitsRepair(settings, CountListRow());
}

}  // namespace zentrova
