#include "settings_window/clock_chooser.h"

#include <string_view>

namespace zentrova {

std::string ClockChoiceText(int number, const Settings& values) {
    std::string name = values.ClockZoneLabel;
    if (name.empty()) {
        constexpr std::string_view kStandardTime = " Standard Time";
        name = values.ClockZone.empty() ? "Local" : values.ClockZone;
        if (name.size() > kStandardTime.size() && name.ends_with(kStandardTime))
            name.resize(name.size() - kStandardTime.size());
    }
    return "Clock " + std::to_string(number) + ": " + name;
}

}  // namespace zentrova
