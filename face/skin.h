#pragma once
// The fifteen built-in skins: 140 x 140 images, each with a fixed text colour.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "face/geometry.h"

namespace zentrova {

constexpr int kSkinCount = 15;
constexpr int kSkinSide = 140;

// 32 bits per pixel, rows from the top, bytes blue, green, red, unused.
struct SkinImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bgrx;
};

// Text colour of skin 1..15; nothing for any other number.
std::optional<Rgb> SkinTextColor(int skin);

// The skins as loaded by the platform (from the program's resources) or made
// by a test. Index 0 is skin 1.
struct SkinSet {
    // Decodes skin 1..15 the first time it is asked for, so that only the
    // skins the windows show take memory; nothing when it cannot.
    using Loader = std::function<std::optional<SkinImage>(int skin)>;

    mutable std::array<SkinImage, kSkinCount> images;
    Loader load;
    // Nothing for a skin number outside 1..15 or an image that did not load.
    const SkinImage* Find(int skin) const;

private:
    mutable std::array<bool, kSkinCount> asked_{};
};

}  // namespace zentrova
