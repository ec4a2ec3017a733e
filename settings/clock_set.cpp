#include "settings/clock_set.h"

#include <algorithm>
#include <iterator>

#include "settings/settings_schema.h"

namespace zentrova {

std::string ClockKeyName(int number) { return number == 1 ? "Clock" : "Clock" + std::to_string(number); }

std::string ClockKeyPath(int number) { return GroupPath(SettingsGroup::Root) + "\\" + ClockKeyName(number); }

Settings* ClockValues(Settings& settings, int number) {
    return const_cast<Settings*>(ClockValues(static_cast<const Settings&>(settings), number));
}

const Settings* ClockValues(const Settings& settings, int number) {
    if (number == 1) return &settings;
    auto found = std::find_if(settings.ExtraClocks.begin(), settings.ExtraClocks.end(),
                              [number](const ExtraClock& clock) { return clock.number == number; });
    return found == settings.ExtraClocks.end() ? nullptr : &found->values;
}

std::vector<int> ClockNumbers(const Settings& settings) {
    std::vector<int> numbers{1};
    for (const ExtraClock& clock : settings.ExtraClocks) numbers.push_back(clock.number);
    return numbers;
}

int FreeClockNumber(const Settings& settings) {
    for (int number = 2; number <= kMaxClocks; ++number) {
        if (!ClockValues(settings, number)) return number;
    }
    return 0;
}

Settings& InsertClock(Settings& settings, int number, const Settings& look) {
    auto place = std::find_if(settings.ExtraClocks.begin(), settings.ExtraClocks.end(),
                              [number](const ExtraClock& clock) { return clock.number > number; });
    ExtraClock clock{number, {}};
    // Only the Clock key's rows belong to a clock; everything else of `look`
    // (the countdown list, other clocks) stays behind.
    for (const SettingEntry& entry : GroupSchema(SettingsGroup::Clock)) {
        std::visit([&](auto field) {
            if constexpr (!std::is_same_v<decltype(field), std::monostate>) clock.values.*field = look.*field;
        }, entry.field);
    }
    return settings.ExtraClocks.insert(place, std::move(clock))->values;
}

void EraseClock(Settings& settings, int number) {
    if (number == 1) return;
    settings.ExtraClocks.remove_if([number](const ExtraClock& clock) { return clock.number == number; });
}

}  // namespace zentrova
