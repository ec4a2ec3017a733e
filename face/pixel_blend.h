#pragma once
// Source-over blending of one premultiplied pixel onto a frame's pixel,
// which is non-premultiplied ARGB: shared by the calendar's tiles and the
// text layers, so both land on a face the same way.

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zentrova {

// lrint rounds to the nearest, halves to even, in the default rounding mode.
inline std::uint8_t UnitToByte(float unit) {
    return static_cast<std::uint8_t>(std::clamp(std::lrint(unit * 255.0f), 0L, 255L));
}

// `source` is r, g, b premultiplied by a, then a, each 0..1. A source with no
// alpha leaves the pixel below as it is.
inline std::uint32_t BlendOver(const float source[4], std::uint32_t below) {
    const float sourceAlpha = source[3];
    if (sourceAlpha <= 0.0f) return below;
    const float belowAlpha = static_cast<float>(below >> 24) / 255.0f;
    const float keep = belowAlpha * (1.0f - sourceAlpha);
    const float alpha = sourceAlpha + keep;
    auto channel = [&](int c, int shift) {
        const float under = static_cast<float>((below >> shift) & 0xFF) / 255.0f;
        return static_cast<std::uint32_t>(UnitToByte((source[c] + under * keep) / alpha));
    };
    return (static_cast<std::uint32_t>(UnitToByte(alpha)) << 24) | (channel(0, 16) << 16) | (channel(1, 8) << 8) |
           channel(2, 0);
}

}  // namespace zentrova
