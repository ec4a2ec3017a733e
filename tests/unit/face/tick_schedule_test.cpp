#include "face/tick_schedule.h"

#include <gtest/gtest.h>

#include "face/tick_period.h"

namespace zentrova {
namespace {

using Clients = std::vector<int>;

TEST(TickSchedule, TicksEveryClientDueTogetherAtOneFiring) {
    TickSchedule schedule;
    EXPECT_EQ(schedule.NextDelay(0), std::nullopt) << "no clients, no timer";

    // Three resting windows aim at the same moment from readings a few
    // milliseconds apart; a fourth wanders.
    schedule.Set(1, 1000, 0, false);
    schedule.Set(2, 997, 2, false);
    schedule.Set(3, 1000, 3, false);
    schedule.Set(4, kDisplayTimerMs, 0, false);
    EXPECT_EQ(schedule.NextDelay(0), kDisplayTimerMs);
    EXPECT_EQ(schedule.TakeDue(25), Clients{}) << "not yet";
    EXPECT_EQ(schedule.TakeDue(30), Clients{4});
    EXPECT_EQ(schedule.NextDelay(30), kDisplayTimerMs) << "one period on from the firing";

    // Due at 999, 1000 and 1003: one firing at 999 takes them all; the
    // margin after the second covers the earliness.
    EXPECT_EQ(schedule.TakeDue(999), (Clients{1, 2, 3, 4}));
    static_assert(TickSchedule::kEarlyMs < kRestingTickMarginMs);

    // Asking for the period already set keeps the tick; a restart or a new
    // period counts from now; a client that left is not ticked.
    schedule.Set(1, 1000, 1500, false);
    EXPECT_EQ(schedule.TakeDue(1999), (Clients{1, 2, 3, 4}));
    schedule.Set(2, 1000, 2100, true);
    schedule.Set(3, 500, 2100, false);
    schedule.Remove(4);
    EXPECT_EQ(schedule.NextDelay(2100), 500);
    EXPECT_EQ(schedule.TakeDue(2600), Clients{3});
    EXPECT_EQ(schedule.NextDelay(3100), 0) << "an overdue tick is due at once";
}

}  // namespace
}  // namespace zentrova
