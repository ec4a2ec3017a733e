#include "clock/clock_spoken_text.h"

#include "clock/date_time_format.h"

namespace zentrova {

std::string ClockSpokenValue(const ClockTexts& texts, bool dateShown, int dateIndex) {
    return dateShown ? ComposeClockText(texts, dateIndex) : texts.time;
}

}  // namespace zentrova
