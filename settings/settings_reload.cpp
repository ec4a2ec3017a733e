// Taking in what another copy of the program stored: the same user signed
// in twice (at the console and over Remote Desktop) runs a copy in each
// session, both over one store.

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

}  // namespace

bool TakeInStoredChanges(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    bool changed = false;
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
    return changed;
}

}  // namespace zentrova
