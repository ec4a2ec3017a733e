#pragma once
// Another zone's local time from the universal time and the zone's rules as
// the system keeps them: the bias in minutes (universal = local + bias), the
// standard and daylight biases, and the two yearly changes, each either "the
// n-th weekday of a month, 5 for the last" or a fixed date; a zone whose
// rules changed over the years carries one rule per year.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "settings/date_time.h"

namespace zentrova {

// A change of the clock in the system's date layout. With year 0 the change
// falls on the `day`-th `dayOfWeek` (0 = Sunday) of `month`, 5 meaning the
// last; otherwise on the fixed date `month`/`day`. Month 0: no change.
struct ZoneTransition {
    int year = 0;
    int month = 0;
    int dayOfWeek = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const ZoneTransition&, const ZoneTransition&) = default;
};

struct ZoneRule {
    int bias = 0;          // minutes, universal = local + bias
    int standardBias = 0;  // added to bias outside daylight saving time
    int daylightBias = 0;  // added to bias during it (usually -60)
    ZoneTransition standardDate;  // back to standard time, in daylight local time
    ZoneTransition daylightDate;  // into daylight time, in standard local time
    friend bool operator==(const ZoneRule&, const ZoneRule&) = default;
};

struct TimeZoneRules {
    ZoneRule rule;  // the zone's current rule
    // Rules by year from `firstYear` on; years before the first use the
    // first, years after the last the last.
    int firstYear = 0;
    std::vector<ZoneRule> yearRules;
};

// The system's binary rule record: three little-endian 32-bit biases, then
// the standard and the daylight date as eight 16-bit fields each (year,
// month, day of week, day, hour, minute, second, millisecond). Nothing for
// a record of another size.
std::optional<ZoneRule> ParseZoneRule(std::span<const std::uint8_t> record);

const ZoneRule& RuleForYear(const TimeZoneRules& zone, int year);

// The day of `year` on which `change` falls; 0 when it names no day.
int TransitionDay(const ZoneTransition& change, int year);

// The zone's local date and time at the universal time `utc`.
LocalTime ZoneTimeFromUtc(const LocalTime& utc, const TimeZoneRules& zone);

}  // namespace zentrova
