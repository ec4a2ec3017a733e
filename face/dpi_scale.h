#pragma once
// The scale of one window: the DPI of the monitor it stands on over the
// 96 DPI at which every size of the program is designed. Each window carries
// its own and hands it to its face preparation, so two windows on monitors
// of different DPI are each sharp on their own screen.

#include "face/geometry.h"
#include "face/rounding.h"

namespace zentrova {

inline constexpr int kDesignDpi = 96;

struct DpiScale {
    int dpi = kDesignDpi;

    // A DPI the system cannot have (0 or less) counts as the design DPI.
    int Dpi() const { return dpi > 0 ? dpi : kDesignDpi; }
    double Factor() const { return static_cast<double>(Dpi()) / kDesignDpi; }
    // A design size in pixels at this scale; at 96 DPI exactly the value.
    // Formed as value x dpi in integers and divided once, so that a true
    // half rounds to even rather than being lost to a binary fraction.
    int Pixels(int designPixels) const {
        return RoundHalfEven(static_cast<double>(static_cast<long long>(designPixels) * Dpi()) / kDesignDpi);
    }
    SizeI Pixels(SizeI design) const { return {Pixels(design.width), Pixels(design.height)}; }
    friend bool operator==(const DpiScale&, const DpiScale&) = default;
};

}  // namespace zentrova
