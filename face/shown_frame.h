#pragma once
// What a display window's screen shows. Most frames repeat the one before
// (the clock without seconds, the calendar all day), so a frame equal to the
// one on the screen is not rendered again; comparing costs far less than
// rendering. A frame counts as shown only once it has reached the screen:
// one that failed is tried again by the next push, even an identical one.
//
// The shown frame's pixels are kept as a 64-bit fingerprint, not a copy: a
// copy would be the largest thing a window keeps after its own frame. Frames
// that differ in a single word always differ in the fingerprint; any other
// two frames share one with a chance of one in 2^64.

#include <cstdint>
#include <vector>

#include "face/frame.h"

namespace zentrova {

std::uint64_t PixelFingerprint(const std::vector<std::uint32_t>& pixels);

class ShownFrame {
public:
    // Runs `push(frame)`, which returns whether the frame reached the
    // screen, unless that frame is already shown.
    template <typename Push>
    void Show(const Frame& frame, Push&& push) {
        const std::uint64_t fingerprint = PixelFingerprint(frame.pixels);
        if (known_ && fingerprint == pixels_ && FieldsApartFromPixels(frame) == FieldsApartFromPixels(shown_)) return;
        known_ = push(frame);
        if (!known_) return;
        FieldsApartFromPixels(shown_) = FieldsApartFromPixels(frame);
        pixels_ = fingerprint;
    }
    // The screen no longer shows it (the window was resized or shown again).
    void Forget() { known_ = false; }

private:
    Frame shown_;  // without its pixels
    std::uint64_t pixels_ = 0;
    bool known_ = false;
};

}  // namespace zentrova
