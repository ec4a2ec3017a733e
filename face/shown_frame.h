#pragma once
// What a display window's screen shows. Most frames repeat the one before
// (the clock without seconds, the calendar all day), so a frame equal to the
// one on the screen is not rendered again; comparing costs far less than
// rendering. A frame counts as shown only once it has reached the screen:
// one that failed is tried again by the next push, even an identical one.

#include "face/frame.h"

namespace zentrova {

class ShownFrame {
public:
    // Runs `push(frame)`, which returns whether the frame reached the
    // screen, unless that frame is already shown.
    template <typename Push>
    void Show(const Frame& frame, Push&& push) {
        if (known_ && frame == shown_) return;
        known_ = push(frame);
        if (known_) shown_ = frame;
    }
    // The screen no longer shows it (the window was resized or shown again).
    void Forget() { known_ = false; }

private:
    Frame shown_;
    bool known_ = false;
};

}  // namespace zentrova
