#pragma once
// Uncompressed 32-bit BMP files, as the program embeds its skins: a
// BITMAPFILEHEADER, a BITMAPINFOHEADER (BI_RGB, 32 bits), rows bottom-up,
// bytes blue, green, red and 255.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "mean_fit.h"

namespace zentrova::skin_gen {

std::vector<std::uint8_t> EncodeBmp32(const Pixels8& pixels);

// Parses what EncodeBmp32 writes and nothing else: any other header, a
// compressed or non-32-bit image, or a fourth byte that is not 255 gives
// nothing, with the reason in error.
std::optional<Pixels8> DecodeBmp32(const std::vector<std::uint8_t>& file, std::string& error);

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path);

}  // namespace zentrova::skin_gen
