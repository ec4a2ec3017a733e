#pragma once
// When each display window's next tick falls due, kept for one system timer
// that serves them all. Every timer that fires wakes the program, and under
// Wine each wake and each re-armed timer is a round trip to the server: one
// timer, firing for every window due at about the same moment, keeps a
// still program to one wake a second and a wandering one to one per period.

#include <cstdint>
#include <optional>
#include <vector>

namespace zentrova {

class TickSchedule {
public:
    // Ticks due this much later still come with a tick that fires now: less
    // than the margin a resting window leaves after the second changes.
    static constexpr int kEarlyMs = 4;

    // `client` ticks every `periodMs` from `nowMs` on. Asking for the period
    // already set keeps its ticks where they are, unless `restart`.
    void Set(int client, int periodMs, std::int64_t nowMs, bool restart);
    void Remove(int client);
    // The clients due by `nowMs` (or kEarlyMs after it), in the order they
    // were first set; each is moved one period on from `nowMs`.
    std::vector<int> TakeDue(std::int64_t nowMs);
    // Milliseconds from `nowMs` to the next tick due (0 when one is already
    // due); none without clients.
    std::optional<int> NextDelay(std::int64_t nowMs) const;

private:
    struct Entry {
        int client = 0;
        int periodMs = 0;
        std::int64_t dueAt = 0;
    };
    std::vector<Entry> entries_;
};

}  // namespace zentrova
