// Taking in what another copy of the program stored: the same user signed
// in twice (at the console and over Remote Desktop) runs a copy in each
// session, both over one store.

#include <algorithm>

#include "settings/clock_set.h"
#include "settings/clock_store.h"
#include "settings/count_list_store.h"
#include "settings/overloaded.h"
#include "settings/setting_io.h"
#include "settings/settings_store.h"

namespace zentrova {
namespace {

bool SameForm(const std::optional<StoredValue>& a, const std::optional<StoredValue>& b) {
    if (!a || !b) return !a && !b;
    return a->type == b->type && a->data == b->data;
}

void CopyField(const SettingEntry& entry, const Settings& from, Settings& to) {
    std::visit(Overloaded{
                   [&](int Settings::*field) { to.*field = from.*field; },
                   [&](bool Settings::*field) { to.*field = from.*field; },
                   [&](std::string Settings::*field) { to.*field = from.*field; },
                   [](std::monostate) {},
               },
               entry.field);
}

// Takes in each option of the key that the store now holds otherwise than
// this copy last read or wrote it, unless the user changed it here and has
// not saved it, or it awaits a write of this copy's.
bool TakeInOptions(StoreKey& key, SettingsGroup group, Settings& settings, const FirstRunContext& context) {
    bool changed = false;
    for (const SettingEntry& entry : GroupSchema(group)) {
        const std::size_t row = SchemaIndex(entry);
        if (entry.kind == ValueKind::CountList || AwaitsWrite(settings, entry)) continue;
        if (ChangedSinceRead(settings, entry)) continue;
        Settings stored;
        StoreProblems ignored;
        if (!LoadSetting(key, entry, stored, context, ignored)) continue;
        if (SameForm(stored.BaseForms.at(row), settings.BaseForms.at(row)) && !settings.Unread.test(row)) continue;
        CopyField(entry, stored, settings);
        settings.BaseForms.at(row) = stored.BaseForms.at(row);
        settings.Unread.reset(row);
        changed = true;
    }
    return changed;
}

// Whether the key holds every value of a clock. Another copy writes a new
// clock's key value by value; one taken in half written would show, and
// later store, first-run values for the rest.
bool HoldsWholeClock(StoreKey& key) {
    const auto rows = GroupSchema(SettingsGroup::Clock);
    return std::none_of(rows.begin(), rows.end(), [&](const SettingEntry& entry) { return IsMissing(key, entry); });
}

// A clock this copy added whose key could not be created awaits the write
// of every value; its key is missing without another copy having deleted it.
bool NeverStored(const Settings& values) {
    const auto rows = GroupSchema(SettingsGroup::Clock);
    return std::all_of(rows.begin(), rows.end(),
                       [&](const SettingEntry& entry) { return values.PendingWrites.test(SchemaIndex(entry)); });
}

void TakeInClocks(KeyValueStore& store, Settings& settings, const FirstRunContext& context, StoredChanges& changes) {
    for (int number = 2; number <= kMaxClocks; ++number) {
        OpenedKey opened = store.Open(ClockKeyPath(number));
        if (opened.result == QueryResult::Failed) continue;
        Settings* values = ClockValues(settings, number);
        if (!opened.key) {
            if (values && !NeverStored(*values)) changes.removedClocks.push_back(number);
            continue;
        }
        if (!values) {
            if (HoldsWholeClock(*opened.key)) {
                StoreProblems ignored;
                LoadClock(*opened.key, settings, number, context, ignored);
                changes.addedClocks.push_back(number);
            }
        } else if (TakeInOptions(*opened.key, SettingsGroup::Clock, *values, context)) {
            changes.changedClocks.push_back(number);
        }
        opened.key->Close();
    }
}

}  // namespace

StoredChanges TakeInStoredChanges(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    StoredChanges changes;
    bool& changed = changes.options;
    for (SettingsGroup group : kSettingsGroups) {
        // The selection is each copy's own; the marker says nothing shown.
        if (group == SettingsGroup::Root) continue;
        OpenedKey opened = store.Open(GroupPath(group));
        if (!opened.key) continue;
        if (group == SettingsGroup::CountTitle) {
            const std::vector<CountEntry> before(settings.CountList.begin(),
                                                 settings.CountList.begin() + settings.CountMax);
            TakeInStoredList(*opened.key, settings);
            const std::vector<CountEntry> after(settings.CountList.begin(),
                                                settings.CountList.begin() + settings.CountMax);
            changed = changed || before != after;
        } else {
            changed = TakeInOptions(*opened.key, group, settings, context) || changed;
        }
        opened.key->Close();
    }
    TakeInClocks(store, settings, context, changes);
    return changes;
}

}  // namespace zentrova
