#pragma once
// The countdown list's events as the calendar shows them: which days of a
// month carry one, the titles on a day for the pointer's tip, and the
// events of a day for the day window. A yearly event falls on its day in
// every year from its own on (29 February on 28 February in common years).

#include <bitset>
#include <string>
#include <vector>

#include "settings/date_time.h"
#include "settings/settings.h"

namespace zentrova {

// Bit d set: day d of the month has an event (bit 0 unused).
using EventDays = std::bitset<32>;

// Whether `entry` falls on `day`, its repeats included.
bool FallsOn(const CountEntry& entry, CivilDate day);

// The entries in use (CountMax of them, within the list's room).
EventDays EventDaysOfMonth(const Settings& settings, int year, int month);

// The entries in use that fall on `day`, in list order.
std::vector<CountEntry> EventsOn(const Settings& settings, CivilDate day);

// The titles of the events on `year`-`month`-`day`, one a line, in list
// order; empty when there are none.
std::string EventTitlesOn(const Settings& settings, int year, int month, int day);

}  // namespace zentrova
