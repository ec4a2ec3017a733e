#pragma once
// The countdown list's events as the calendar shows them: which days of a
// month carry one, and the titles on a day for the pointer's tip.

#include <bitset>
#include <string>

#include "settings/settings.h"

namespace zentrova {

// Bit d set: day d of the month has an event (bit 0 unused).
using EventDays = std::bitset<32>;

// The entries in use (CountMax of them, within the list's room).
EventDays EventDaysOfMonth(const Settings& settings, int year, int month);

// The titles of the events on `year`-`month`-`day`, one a line, in list
// order; empty when there are none.
std::string EventTitlesOn(const Settings& settings, int year, int month, int day);

}  // namespace zentrova
