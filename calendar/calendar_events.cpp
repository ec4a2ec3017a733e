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

}  // namespace

// Every occurrence of a repeating event counts, not only its first.
bool FallsOn(const CountEntry& entry, CivilDate day) {
    return OccursOn(DecodeTarget(entry.date, entry.time), entry.repeat, day);
}

EventDays EventDaysOfMonth(const Settings& settings, int year, int month) {
    EventDays days;
    const int length = DaysInMonth(year, month);
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        for (int day = 1; day <= length; ++day) {
            if (FallsOn(entry, {year, month, day})) days.set(static_cast<std::size_t>(day));
        }
    });
    return days;
}

std::vector<CountEntry> EventsOn(const Settings& settings, CivilDate day) {
    std::vector<CountEntry> events;
    ForEachEntryInUse(settings, [&](const CountEntry& entry) {
        if (FallsOn(entry, day)) events.push_back(entry);
    });
    return events;
}

std::string EventTitlesOn(const Settings& settings, int year, int month, int day) {
    std::string titles;
    for (const CountEntry& entry : EventsOn(settings, {year, month, day})) {
        if (!titles.empty()) titles += '\n';
        titles += entry.title;
    }
    return titles;
}

}  // namespace zentrova
