// Loading: every value that can be read is kept; each one that cannot is
// reported and alone takes its first-run value.

#include "settings/clock_store.h"
#include "settings/count_list_store.h"
#include "settings/setting_io.h"
#include "settings/settings_store.h"
#include "settings/value_io.h"

namespace zentrova {
namespace {

void LoadGroup(StoreKey& key, SettingsGroup group, Settings& settings, const FirstRunContext& context,
               bool firstRun, StoreProblems& problems) {
    if (group == SettingsGroup::CountTitle) {
        LoadCountList(key, settings, context, problems);
        return;
    }
    for (const SettingEntry& entry : GroupSchema(group)) {
        // A first run that did not finish writes what is still missing, a
        // string included, and keeps everything stored since.
        if (firstRun && IsMissing(key, entry)) FallBackSetting(entry, settings, context);
        else LoadSetting(key, entry, settings, context, problems);
    }
}

}  // namespace

LoadResult Load(KeyValueStore& store, Settings& settings, const FirstRunContext& context) {
    settings = Settings{};
    StoreProblems problems;
    bool rootMissing = false;
    bool startRead = false;
    for (SettingsGroup group : kSettingsGroups) {
        OpenedKey opened = store.Open(GroupPath(group));
        if (opened.result == QueryResult::Failed) {
            // Not known to be missing: shown as a first run would show it,
            // while the store keeps what it holds.
            problems.Add(UnreadKeyMessage(GroupPath(group)));
            for (const SettingEntry& entry : GroupSchema(group)) ShowUnread(entry, settings, context);
            for (CountEntry& entry : settings.CountList) entry.fallback = group == SettingsGroup::CountTitle;
            continue;
        }
        auto& key = opened.key;
        if (!key) {
            rootMissing = rootMissing || group == SettingsGroup::Root;
            // A key missing on a later run: what a first run would show.
            for (const SettingEntry& entry : GroupSchema(group)) FallBackSetting(entry, settings, context);
            continue;
        }
        const std::size_t problemsBefore = problems.Count();
        LoadGroup(*key, group, settings, context, startRead && settings.Start_1 == 0, problems);
        key->Close();
        if (group == SettingsGroup::Root) startRead = problems.Count() == problemsBefore;
    }
    LoadExtraClocks(store, settings, context, problems);

    LoadResult result;
    result.error = problems.BoxText();
    // An unreadable marker must not make the user's settings look new.
    result.firstRun = rootMissing || (startRead && settings.Start_1 == 0);
    return result;
}

}  // namespace zentrova
