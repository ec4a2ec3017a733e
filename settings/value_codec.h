#pragma once
// The byte forms of stored values, independent of the host's byte order:
// integers as 4 bytes little-endian, date-time values as the 8 bytes of a
// little-endian IEEE-754 double, strings with their terminating NUL.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace zentrova {

std::array<std::uint8_t, 4> EncodeDword(std::int32_t value);
// `bytes` must hold exactly 4 bytes.
std::int32_t DecodeDword(std::span<const std::uint8_t, 4> bytes);

std::array<std::uint8_t, 8> EncodeDouble(double value);
double DecodeDouble(std::span<const std::uint8_t, 8> bytes);

// The characters followed by one NUL (length + 1 bytes).
std::vector<std::uint8_t> EncodeString(const std::string& text);
// The characters up to the first NUL or the end of the data, whichever comes
// first, and at most `maxLength` of them: stored data need not be terminated.
std::string DecodeString(std::span<const std::uint8_t> bytes, std::size_t maxLength);

}  // namespace zentrova
