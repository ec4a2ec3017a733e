#include "settings/clock_store.h"

#include "settings/clock_set.h"
#include "settings/setting_io.h"
#include "settings/settings_schema.h"
#include "settings/value_io.h"

namespace zentrova {

void LoadClock(StoreKey& key, Settings& settings, int number, const FirstRunContext& context,
               StoreProblems& problems) {
    Settings& values = InsertClock(settings, number, Settings{});
    StoreProblems clockProblems;
    for (const SettingEntry& entry : GroupSchema(SettingsGroup::Clock))
        LoadSetting(key, entry, values, context, clockProblems);
    problems.AddFrom(clockProblems, ClockKeyName(number));
}

void LoadExtraClocks(KeyValueStore& store, Settings& settings, const FirstRunContext& context,
                     StoreProblems& problems) {
    settings.ExtraClocks.clear();
    for (int number = 2; number <= kMaxClocks; ++number) {
        auto key = store.OpenExisting(ClockKeyPath(number));
        if (!key) continue;
        LoadClock(*key, settings, number, context, problems);
        key->Close();
    }
}

namespace {

void WriteOneClock(KeyValueStore& store, ExtraClock& clock, StoreProblems& problems) {
    StoreProblems clockProblems;
    WriteGroup(store, SettingsGroup::Clock, ClockKeyPath(clock.number), clock.values, clockProblems);
    problems.AddFrom(clockProblems, ClockKeyName(clock.number));
}

}  // namespace

void WriteExtraClocks(KeyValueStore& store, Settings& settings, StoreProblems& problems) {
    for (ExtraClock& clock : settings.ExtraClocks) WriteOneClock(store, clock, problems);
}

StoreError WriteClock(KeyValueStore& store, Settings& settings, int number) {
    StoreProblems problems;
    for (ExtraClock& clock : settings.ExtraClocks) {
        if (clock.number == number) WriteOneClock(store, clock, problems);
    }
    return problems.BoxText();
}

StoreError DeleteClockKey(KeyValueStore& store, int number) {
    if (number == 1) return std::nullopt;
    if (!store.DeleteKey(ClockKeyPath(number))) return FailedToSetMessage(ClockKeyName(number));
    return std::nullopt;
}

}  // namespace zentrova
