#include "settings_window/zone_choices.h"
#include "language/texts.h"

#include <algorithm>
#include <tuple>

namespace zentrova {

void SortForZoneList(std::vector<ZoneChoice>& zones) {
    // A larger bias lies further west.
    std::stable_sort(zones.begin(), zones.end(), [](const ZoneChoice& a, const ZoneChoice& b) {
        return std::tie(b.bias, a.display) < std::tie(a.bias, b.display);
    });
}

void FillZoneList(ListControl& list, std::span<const ZoneChoice> zones) {
    list.Clear();
    list.Append(std::string(Tr(TextId::LocalTime)));
    for (const ZoneChoice& zone : zones) list.Append(zone.display);
}

int ZoneItemIndex(std::span<const ZoneChoice> zones, std::string_view key) {
    if (key.empty()) return 0;
    const auto it = std::find_if(zones.begin(), zones.end(), [&](const ZoneChoice& zone) { return zone.key == key; });
    return it == zones.end() ? 0 : static_cast<int>(it - zones.begin()) + 1;
}

std::string ZoneKeyOfItem(std::span<const ZoneChoice> zones, int index) {
    if (index < 1 || index > static_cast<int>(zones.size())) return {};
    return zones[static_cast<std::size_t>(index) - 1].key;
}

}  // namespace zentrova
