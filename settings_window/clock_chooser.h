#pragma once
// The Clock page's chooser: a line per clock, "Clock 1: Local",
// "Clock 2: Tokyo", by which the user picks the clock the page edits.

#include <string>

#include "settings/settings.h"

namespace zentrova {

// The clock's label; without one, "Local" for local time or the zone's
// key name without its "Standard Time".
std::string ClockChoiceText(int number, const Settings& values);

}  // namespace zentrova
