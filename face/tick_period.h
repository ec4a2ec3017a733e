#pragma once
// How often a display window's tick runs. While the window moves (wanders,
// is dragged or creeps back on screen) it ticks every 30 ms; at rest only
// the texts can change, and they change on the second, so the window then
// sleeps until just after the next second begins. A desktop program that
// wakes 33 times a second for nothing costs the user battery all day.

namespace zentrova {

inline constexpr int kDisplayTimerMs = 30;
// Lands the resting tick a little after the second changes, so that a
// timer firing a few milliseconds early still sees the new second.
inline constexpr int kRestingTickMarginMs = 5;

// The delay of a resting window's next tick, from the millisecond of the
// clock reading its tick just used; never shorter than the moving period.
constexpr int RestingTickDelay(int millisecond) {
    const int delay = 1000 - millisecond + kRestingTickMarginMs;
    if (delay < kDisplayTimerMs) return kDisplayTimerMs;
    if (delay > 1000 + kRestingTickMarginMs) return 1000 + kRestingTickMarginMs;
    return delay;
}

}  // namespace zentrova
