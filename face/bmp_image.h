#pragma once
// Reads the uncompressed 32-bit BMP files in which the skins are kept.

#include <cstdint>
#include <optional>
#include <span>

#include "face/skin.h"

namespace zentrova {

// Nothing for anything but an uncompressed 32-bit BMP of sane size.
std::optional<SkinImage> DecodeBmp32(std::span<const std::uint8_t> file);

}  // namespace zentrova
