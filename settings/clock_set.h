#pragma once
// The program's clocks in memory: the first clock in the Clock fields of the
// settings, the others numbered 2 to kMaxClocks in Settings::ExtraClocks.
// A gap in the numbers is allowed; each clock keeps its number for life.

#include <string>
#include <vector>

#include "settings/settings.h"

namespace zentrova {

// "Clock" for the first clock, "Clock<n>" for the others: the key's name
// under the program's key.
std::string ClockKeyName(int number);
// Absolute path of that key, e.g. "\Software\Zentrova\Clock2".
std::string ClockKeyPath(int number);

// The values of clock `number`: the settings themselves for the first;
// nullptr for a clock that does not exist.
Settings* ClockValues(Settings& settings, int number);
const Settings* ClockValues(const Settings& settings, int number);

// Every clock's number, the first clock's (1) first, then rising.
std::vector<int> ClockNumbers(const Settings& settings);

// The lowest number no clock has, or 0 when all kMaxClocks exist.
int FreeClockNumber(const Settings& settings);

// Adds clock `number` (2 to kMaxClocks, not in use) holding the Clock
// fields of `look`; returns its values.
Settings& InsertClock(Settings& settings, int number, const Settings& look);
// Drops clock `number` (never the first) from memory.
void EraseClock(Settings& settings, int number);

}  // namespace zentrova
