#include "settings_window/clock_chooser.h"
#include "language/texts.h"

#include <string_view>

namespace zentrova {

std::string ClockChoiceText(int number, const Settings& values) {
    std::string name = values.ClockZoneLabel;
    if (name.empty()) {
        constexpr std::string_view kStandardTime = " Standard Time";
        name = values.ClockZone.empty() ? std::string(Tr(TextId::ClockChoiceLocal)) : values.ClockZone;
        if (name.size() > kStandardTime.size() && name.ends_with(kStandardTime))
            name.resize(name.size() - kStandardTime.size());
    }
    return Tr(TextId::ClockChoice, {std::to_string(number), name});
}

}  // namespace zentrova
