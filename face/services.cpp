#include "face/services.h"

namespace zentrova {

std::int64_t TimeSource::Milliseconds() const {
    const LocalTime now = Now();
    const std::int64_t day = DayNumber({now.year, now.month, now.day});
    return ((day * 24 + now.hour) * 60 + now.minute) * 60000 + now.second * 1000 + now.millisecond;
}

}  // namespace zentrova
