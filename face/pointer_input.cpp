#include "face/pointer_input.h"

#include <cstdlib>

namespace zentrova {

int WheelNotches::Add(int delta) {
    // A turn the other way starts afresh: half a notch up and half a notch
    // down are no notch at all.
    if ((rest_ > 0 && delta < 0) || (rest_ < 0 && delta > 0)) rest_ = 0;
    rest_ += delta;
    const int notches = rest_ / kWheelDelta;  // towards zero, so the rest keeps its sign
    rest_ -= notches * kWheelDelta;
    return notches;
}

bool IsClick(PointI pressed, PointI released, std::int64_t heldMs, const ClickLimits& limits) {
    const bool still = 2 * std::abs(released.x - pressed.x) <= limits.dragWidth &&
                       2 * std::abs(released.y - pressed.y) <= limits.dragHeight;
    return still && heldMs >= 0 && heldMs <= limits.doubleClickMs;
}

}  // namespace zentrova
