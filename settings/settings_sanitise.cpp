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
    for (const SettingEntry& entry : SettingsSchema()) {
        const auto* field = std::get_if<int Settings::*>(&entry.field);
        if (field && entry.loadRange) settings.**field = std::clamp(settings.**field, entry.loadRange->min, entry.loadRange->max);
    }
    settings.CountIndex = std::clamp(settings.CountIndex, 0, settings.CountMax - 1);
}

}  // namespace zentrova
