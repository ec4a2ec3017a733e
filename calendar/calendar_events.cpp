#include "calendar/calendar_events.h"

#include <algorithm>

#include "countdown/event_repeat.h"
#include "settings/date_time.h"

namespace zentrova {
namespace {

template <typename Visit>
void ForEachEntryInUse(const Settings& settings, Visit&& visit) {
    const int used = std::clamp(settings.CountMax, 0, kCountSlots);
    for (int i = 0; i < used; ++i) visit(settings.CountList[static_cast<std::size_t>(i)]);
}

// Every occurrence of a repeating event is marked, not only its first.
bool EventOn(const CountEntry& entry, CivilDate day) {
    return OccursOn(DecodeTarget(entry.date, entry.time), entry.repeat, day);
}

}  // namespace

EventDays EventDaysOfMonth(const Settings& settings, int year, int month) {
    EventDays days;
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day)
            if (EventOn(entry, {year, month, day})) days.set(static_cast<std::size_t>(day));
    });
    return days;
}

std::string EventTitlesOn(const Settings& settings, int year, int month, int day) {
    std::string titles;
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        if (!EventOn(entry, {year, month, day})) return;
        if (!titles.empty()) titles += '\n';
        titles += entry.title;
    });
    return titles;
}

}  // namespace zentrova
