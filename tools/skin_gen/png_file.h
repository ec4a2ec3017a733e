#pragma once
// A minimal PNG encoder: 8-bit RGB, one IDAT of stored (uncompressed)
// deflate blocks. Large, but needs no compressor and any viewer reads it.

#include <cstdint>
#include <vector>

#include "mean_fit.h"

namespace zentrova::skin_gen {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::vector<std::uint8_t>& data);

std::vector<std::uint8_t> EncodePng(const Pixels8& pixels);

}  // namespace zentrova::skin_gen
