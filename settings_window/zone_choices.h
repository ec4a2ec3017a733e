#pragma once
// The clock's time-zone list in the settings window: "Local time", then the
// zones Windows knows by their display names. The list stores a zone's key
// name, never its offset.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings_window/settings_controls.h"

namespace zentrova {

struct ZoneChoice {
    std::string key;      // the Time Zones key name, what ClockZone stores
    std::string display;  // "(UTC+09:00) Osaka, Sapporo, Tokyo"
    int bias = 0;         // standard minutes, universal = local + bias
};

// The zones the system knows; the platform reads them, tests fake them.
class ZoneCatalog {
public:
    virtual ~ZoneCatalog() = default;
    virtual std::vector<ZoneChoice> Zones() const = 0;
};


// The zones in the list's order: west to east, as Windows lists them, and
// by display name within one offset.
void SortForZoneList(std::vector<ZoneChoice>& zones);

// Fills `list` with "Local time" and the display names of `zones`.
void FillZoneList(ListControl& list, std::span<const ZoneChoice> zones);

// The item that shows `key`: the zone's, or "Local time" (0) for an empty
// key and for a key the system no longer lists.
int ZoneItemIndex(std::span<const ZoneChoice> zones, std::string_view key);

// What choosing item `index` stores: the zone's key name, empty for
// "Local time".
std::string ZoneKeyOfItem(std::span<const ZoneChoice> zones, int index);

}  // namespace zentrova
