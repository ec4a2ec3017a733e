#pragma once
// A frame's last step before the screen: its non-premultiplied ARGB words
// become the premultiplied words a layered window takes, written over the
// frame shown before, with the box of what changed, so that only that part
// travels to the screen.

#include <cstdint>
#include <span>

#include "face/text_layer.h"

namespace zentrova {

// Each colour channel times alpha / 255, rounded to the nearest.
inline std::uint32_t Premultiplied(std::uint32_t argb) {
    const std::uint32_t alpha = argb >> 24;
    auto channel = [&](int shift) { return (((argb >> shift) & 0xFF) * alpha + 127) / 255; };
    return (alpha << 24) | (channel(16) << 16) | (channel(8) << 8) | channel(0);
}

// Writes `argb` premultiplied over `shown` (both width * height words, rows
// from the top) and returns the smallest box holding every word that
// changed; a box of no width when none did.
PixelBox PremultiplyOver(std::span<const std::uint32_t> argb, int width, int height, std::span<std::uint32_t> shown);

}  // namespace zentrova
