#include "face/tick_schedule.h"

#include <algorithm>

namespace zentrova {

void TickSchedule::Set(int client, int periodMs, std::int64_t nowMs, bool restart) {
    const auto found = std::find_if(entries_.begin(), entries_.end(), [&](const Entry& e) { return e.client == client; });
    if (found == entries_.end()) {
        entries_.push_back({client, periodMs, nowMs + periodMs});
        return;
    }
    if (!restart && found->periodMs == periodMs) return;
    found->periodMs = periodMs;
    found->dueAt = nowMs + periodMs;
}

void TickSchedule::Remove(int client) {
    std::erase_if(entries_, [&](const Entry& e) { return e.client == client; });
}

std::vector<int> TickSchedule::TakeDue(std::int64_t nowMs) {
    std::vector<int> due;
    for (Entry& entry : entries_) {
        if (entry.dueAt > nowMs + kEarlyMs) continue;
        due.push_back(entry.client);
        entry.dueAt = nowMs + entry.periodMs;
    }
    return due;
}

std::optional<int> TickSchedule::NextDelay(std::int64_t nowMs) const {
    if (entries_.empty()) return std::nullopt;
    const auto first = std::min_element(entries_.begin(), entries_.end(),
                                        [](const Entry& a, const Entry& b) { return a.dueAt < b.dueAt; });
    return static_cast<int>(std::max<std::int64_t>(first->dueAt - nowMs, 0));
}

}  // namespace zentrova
