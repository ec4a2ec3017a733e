#include "settings/count_entry_values.h"

#include <array>
#include <limits>

#include "settings/settings_schema.h"
#include "settings/value_codec.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

StoredValue Dword(int value) {
    const auto bytes = EncodeDword(value);
    return {ValueType::Dword, {bytes.begin(), bytes.end()}};
}

bool Present(StoreKey& key, const std::string& name) {
    StoredValue ignored;
    return key.Query(name, ignored, kValueReadLimit) != QueryResult::Missing;
}

StoredValue Double(double value) {
    const auto bytes = EncodeDouble(value);
    return {ValueType::Binary, {bytes.begin(), bytes.end()}};
}

const std::array kEntryValues = {
    CountEntryValue{EntryTitleName,
                    [](StoreKey& key, const std::string& name, CountEntry& entry) {
                        return ReadString(key, name, entry.title);
                    },
                    [](const CountEntry& entry) { return StoredValue{ValueType::String, EncodeString(entry.title)}; }},
    CountEntryValue{EntryDateName,
                    [](StoreKey& key, const std::string& name, CountEntry& entry) {
                        return ReadDateTime(key, name, entry.date);
                    },
                    [](const CountEntry& entry) { return Double(entry.date); }},
    CountEntryValue{EntryTimeName,
                    [](StoreKey& key, const std::string& name, CountEntry& entry) {
                        return ReadDateTime(key, name, entry.time);
                    },
                    [](const CountEntry& entry) { return Double(entry.time); }},
    // Entries stored before events could repeat have no flag: not yearly.
    CountEntryValue{EntryYearlyName,
                    [](StoreKey& key, const std::string& name, CountEntry& entry) -> StoreError {
                        if (!Present(key, name)) return std::nullopt;
                        bool yearly = entry.repeat == CountRepeat::Year;
                        StoreError error = ReadFlag(key, name, yearly);
                        entry.repeat = yearly ? CountRepeat::Year : CountRepeat::Never;
                        return error;
                    },
                    [](const CountEntry& entry) { return Dword(entry.repeat == CountRepeat::Year ? 1 : 0); }},
    // Read after CountYearly, which it overrides; one that is damaged or out
    // of range leaves what CountYearly said.
    CountEntryValue{EntryRepeatName,
                    [](StoreKey& key, const std::string& name, CountEntry& entry) -> StoreError {
                        if (!Present(key, name)) return std::nullopt;
                        int repeat = 0;
                        if (StoreError error = ReadInteger(key, name, repeat)) return error;
                        if (repeat < 0 || repeat > kCountRepeatLast) return InvalidTypeMessage(name);
                        entry.repeat = static_cast<CountRepeat>(repeat);
                        return std::nullopt;
                    },
                    [](const CountEntry& entry) { return Dword(static_cast<int>(entry.repeat)); }},
};

}  // namespace

std::span<const CountEntryValue> CountEntryValues() { return kEntryValues; }

bool SlotHoldsAnything(StoreKey& key, int slot) {
    for (const CountEntryValue& value : kEntryValues) {
        StoredValue ignored;
        if (key.Query(value.name(slot), ignored, kValueReadLimit) == QueryResult::Found) return true;
    }
    return false;
}

bool DeleteIfPresent(StoreKey& key, const std::string& name) {
    StoredValue ignored;
    const QueryResult found = key.Query(name, ignored, kValueReadLimit);
    if (found == QueryResult::Missing) return true;
    // A value that cannot be read is removed all the same; one found gone
    // by then needs no removing.
    return key.Delete(name) || key.Query(name, ignored, kValueReadLimit) == QueryResult::Missing;
}

StoreError CopyEntryInto(StoreKey& key, const CountEntry& entry, int to) {
    for (const CountEntryValue& value : kEntryValues) {
        const std::string target = value.name(to);
        StoredValue stored;
        if (entry.slot < 0) {
            stored = value.encode(entry);
        } else {
            const std::string source = value.name(entry.slot);
            // Copied whatever its size, so a long title moves whole.
            switch (key.Query(source, stored, std::numeric_limits<std::size_t>::max())) {
                case QueryResult::Failed: return FailedToGetMessage(source);
                case QueryResult::Missing:
                    if (!DeleteIfPresent(key, target)) return FailedToSetMessage(target);
                    continue;
                case QueryResult::Found: break;
            }
        }
        if (!key.Set(target, stored.type, stored.data)) return FailedToSetMessage(target);
    }
    return std::nullopt;
}

void ClearSlot(StoreKey& key, int slot, StoreProblems& problems) {
    for (const CountEntryValue& value : kEntryValues) {
        const std::string name = value.name(slot);
        if (!DeleteIfPresent(key, name)) problems.Add(FailedToSetMessage(name));
    }
}

}  // namespace zentrova
