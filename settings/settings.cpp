#include "settings/settings.h"

namespace zentrova {

const CountEntry& Settings::SelectedEntry() const {
    const int inUse = CountMax < kCountSlots ? CountMax : kCountSlots;
    if (CountIndex < 0 || CountIndex >= inUse) return CountList[0];
    return CountList[static_cast<std::size_t>(CountIndex)];
}

}  // namespace zentrova
