#pragma once
// The byte forms of stored values, independent of the host's byte order:
// integers as 4 bytes little-endian, date-time values as the 8 bytes of a
// little-endian IEEE-754 double, strings as UTF-16LE with a terminating NUL
// unit (the registry's own form of REG_SZ data).

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

// UTF-8 `text` as UTF-16LE units followed by one NUL unit.
std::vector<std::uint8_t> EncodeString(const std::string& text);
// The UTF-16LE units up to the first NUL unit or the end of the data,
// whichever comes first, as UTF-8 holding at most `maxLength` code points
// and never cut inside a character. Stored data need not be terminated; a
// last odd byte is half a unit and is left out.
std::string DecodeString(std::span<const std::uint8_t> bytes, std::size_t maxLength);

}  // namespace zentrova
