#include "settings/settings_sanitise.h"

#include <algorithm>
#include <cmath>

#include "settings/date_time.h"

namespace zentrova {

int ClampListLength(int countMax) { return std::clamp(countMax, 1, kCountMaxEntries); }

double ClampDateTime(double value) {
    static const double kFirst = EncodeDate(kMinYear, 1, 1);
    static const double kLast = EncodeDate(kMaxYear, 12, 31) + 1.0;
    if (std::isnan(value)) return 0.0;
    return std::clamp(value, kFirst, kLast);
}

}  // namespace zentrova
