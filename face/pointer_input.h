#pragma once
// How raw pointer input becomes a gadget's actions: the wheel's deltas
// added up into whole notches, and a press and release told apart as a
// click or a drag.

#include <cstdint>

#include "face/geometry.h"

namespace zentrova {

// One notch of a wheel; a high-resolution wheel sends fractions of it.
inline constexpr int kWheelDelta = 120;

// Adds up the wheel's messages into whole notches, keeping the remainder
// for the next message, so that small steps make one notch between them
// and a fast spin's large delta makes several at once.
class WheelNotches {
public:
    // `delta` is one message's, positive away from the user. The whole
    // notches it completes: positive away from the user, negative towards.
    int Add(int delta);

private:
    int rest_ = 0;
};

// The system's limits on a click: the pointer stays inside a rectangle of
// `dragWidth` x `dragHeight` centred on the press (beyond it a drag
// begins), and the button comes up within the double-click time.
struct ClickLimits {
    int dragWidth = 4;
    int dragHeight = 4;
    int doubleClickMs = 500;
};

// A press at `pressed` and a release at `released` (screen pixels),
// `heldMs` apart.
bool IsClick(PointI pressed, PointI released, std::int64_t heldMs, const ClickLimits& limits);

}  // namespace zentrova
