#include "calendar/calendar_events.h"

#include <algorithm>

#include "settings/date_time.h"

namespace zentrova {
namespace {

template <typename Visit>
void ForEachEntryInUse(const Settings& settings, Visit&& visit) {
    const int used = std::clamp(settings.CountMax, 0, kCountSlots);
    for (int i = 0; i < used; ++i) visit(settings.CountList[static_cast<std::size_t>(i)]);
}

}  // namespace

EventDays EventDaysOfMonth(const Settings& settings, int year, int month) {
    EventDays days;
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        const CivilDate date = DecodeDate(entry.date);
        if (date.year == year && date.month == month) days.set(static_cast<std::size_t>(date.day));
    });
    return days;
}

std::string EventTitlesOn(const Settings& settings, int year, int month, int day) {
    std::string titles;
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        if (DecodeDate(entry.date) != CivilDate{year, month, day}) return;
        if (!titles.empty()) titles += '\n';
        titles += entry.title;
    });
    return titles;
}

}  // namespace zentrova
