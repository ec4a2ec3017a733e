#include "settings/settings_sanitise.h"

#include <algorithm>
#include <cmath>

#include "settings/date_time.h"
#include "settings/settings_schema.h"

namespace zentrova {

int ClampListLength(int countMax) { return std::clamp(countMax, 1, kCountMaxEntries); }

double ClampDateTime(double value) {
    static const double kFirst = EncodeDate(kMinYear, 1, 1);
    static const double kLast = EncodeDate(kMaxYear, 12, 31) + 1.0;
    if (std::isnan(value)) return 0.0;
    return std::clamp(value, kFirst, kLast);
}

void ClampLoadedSettings(Settings& settings) {
    for (const SettingSpec& spec : SettingsSchema()) {
        const auto* field = std::get_if<int Settings::*>(&spec.field);
        if (field && spec.loadRange) settings.**field = std::clamp(settings.**field, spec.loadRange->min, spec.loadRange->max);
    }
    settings.CountIndex = std::clamp(settings.CountIndex, 0, settings.CountMax - 1);
}

}  // namespace zentrova
