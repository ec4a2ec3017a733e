#pragma once
// What a screen reader hears of the clock besides its caption, built from
// the same texts the frames draw.

#include <string>

#include "clock/clock_face.h"

namespace zentrova {

// The line drawn ("date, time"), or the time alone when the date is hidden.
std::string ClockSpokenValue(const ClockTexts& texts, bool dateShown, int dateIndex);

}  // namespace zentrova
