#pragma once
// The zones Windows knows, read from the Time Zones key of the machine's
// registry: their key names, display names and rules.

#include <optional>
#include <string>
#include <vector>

#include "clock/time_zone.h"

namespace zentrova::platform {

struct ZoneName {
    std::string key;      // what ClockZone stores
    std::string display;  // "(UTC+09:00) Osaka, Sapporo, Tokyo"
};

// Every zone with its display name, in the key's order.
std::vector<ZoneName> ListTimeZones();

// The rules of the zone under `key`, with its yearly rules when it has any;
// nothing for an empty name or a zone that cannot be read.
std::optional<TimeZoneRules> ReadTimeZone(const std::string& key);

}  // namespace zentrova::platform
