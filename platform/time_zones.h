#pragma once
// The zones Windows knows, read from the Time Zones key of the machine's
// registry: their key names, display names and rules.

#include <optional>
#include <string>
#include <vector>

#include "clock/time_zone.h"
#include "settings_window/zone_choices.h"

namespace zentrova::platform {

// Every zone with its display name and standard bias, in the key's order.
std::vector<ZoneChoice> ListTimeZones();

// The machine's zones, read afresh each time they are asked for.
class RegistryZoneCatalog final : public ZoneCatalog {
public:
    std::vector<ZoneChoice> Zones() const override { return ListTimeZones(); }
};

// The rules of the zone under `key`, with its yearly rules when it has any;
// nothing for an empty name or a zone that cannot be read.
std::optional<TimeZoneRules> ReadTimeZone(const std::string& key);

}  // namespace zentrova::platform
