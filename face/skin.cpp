#include "face/skin.h"

#include <cstddef>
#include <utility>

namespace zentrova {

namespace {

// The text colour that belongs to each skin, chosen to read well on it.
constexpr std::array<Rgb, kSkinCount> kTextColors{{
    {255, 193, 23},   // 1 orange-red faceted gem
    {84, 13, 45},     // 2 mottled purple amethyst
    {255, 235, 0},    // 3 glowing orange amber
    {97, 55, 56},     // 4 silver-grey sheen
    {255, 131, 246},  // 5 turquoise
    {76, 56, 23},     // 6 teal-green domed stone
    {0, 255, 195},    // 7 sky-blue glass sphere
    {62, 76, 203},    // 8 orange-red stone with sparkles
    {84, 13, 45},     // 9 pinkish-beige quartz
    {255, 255, 0},    // 10 pale blue-grey glass
    {255, 204, 0},    // 11 ruby red
    {35, 255, 175},   // 12 dark amber-brown
    {103, 14, 0},     // 13 gold foil flakes
    {255, 255, 0},    // 14 deep blue
    {89, 41, 100},    // 15 rose-pink glass
}};

bool IsKnownSkin(int skin) { return skin >= 1 && skin <= kSkinCount; }

bool IsUsable(const SkinImage& image) {
    if (image.width <= 0 || image.height <= 0) return false;
    std::size_t needed = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height) * 4;
    return image.bgrx.size() >= needed;
}

}  // namespace

std::optional<Rgb> SkinTextColor(int skin) {
    if (!IsKnownSkin(skin)) return std::nullopt;
    return kTextColors[static_cast<std::size_t>(skin - 1)];
}

const SkinImage* SkinSet::Find(int skin) const {
    if (!IsKnownSkin(skin)) return nullptr;
    const auto index = static_cast<std::size_t>(skin - 1);
    SkinImage& image = images[index];
    if (!IsUsable(image) && load && !asked_[index]) {
        asked_[index] = true;
        if (std::optional<SkinImage> loaded = load(skin)) image = std::move(*loaded);
    }
    return IsUsable(image) ? &image : nullptr;
}

}  // namespace zentrova
