#pragma once
// What a clock on another zone shows after its label: how far its time is
// from local time, and whether its date is another day. Both times are read
// from the same moment by each zone's own rules, so daylight saving on
// either side is in them already.

#include <cstdint>
#include <string>
#include <vector>

#include "face/geometry.h"

#include "settings/date_time.h"

namespace zentrova {

// "+9 h", "−5:30 h" or "+5:45 h", then ", +1 day" or ", −1 day" when the
// clock's date is not the local date; "0 h" for the same time. The minus
// is U+2212.
std::string ZoneDifferenceText(const LocalTime& clock, const LocalTime& local);

// Whether the clock's hour lies in the night, 20:00 to 07:00.
bool IsNightHour(int hour);

// The night cue: a face's premultiplied ARGB pixels and its text colour
// drawn darker, alpha kept.
void DarkenForNight(std::vector<std::uint32_t>& pixels, Rgb& textColor);

}  // namespace zentrova
