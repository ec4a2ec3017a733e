#include "settings/value_codec.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "text/utf.h"

namespace zentrova {
namespace {

static_assert(std::numeric_limits<double>::is_iec559, "date-time values are stored as IEEE-754 doubles");

template <std::size_t N>
std::array<std::uint8_t, N> LittleEndianBytes(std::uint64_t bits) {
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    return bytes;
}

template <std::size_t N>
std::uint64_t FromLittleEndian(std::span<const std::uint8_t, N> bytes) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < N; ++i) bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
    return bits;
}

}  // namespace

std::array<std::uint8_t, 4> EncodeDword(std::int32_t value) {
    return LittleEndianBytes<4>(static_cast<std::uint32_t>(value));
}

std::int32_t DecodeDword(std::span<const std::uint8_t, 4> bytes) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(FromLittleEndian(bytes)));
}

std::array<std::uint8_t, 8> EncodeDouble(double value) {
    return LittleEndianBytes<8>(std::bit_cast<std::uint64_t>(value));
}

double DecodeDouble(std::span<const std::uint8_t, 8> bytes) {
    return std::bit_cast<double>(FromLittleEndian(bytes));
}

std::vector<std::uint8_t> EncodeString(const std::string& text) {
    const std::u16string units = Utf8ToUtf16(text);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(2 * (units.size() + 1));
    for (char16_t unit : units) {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

std::string DecodeString(std::span<const std::uint8_t> bytes, std::size_t maxLength) {
    // Enough units for maxLength code points and the ones after them that
    // decide where a character ends.
    const std::size_t unitLimit = 2 * std::min(maxLength, bytes.size()) + 4;
    std::u16string units;
    for (std::size_t at = 0; at + 1 < bytes.size() && units.size() < unitLimit; at += 2) {
        const auto unit = static_cast<char16_t>(bytes[at] | (bytes[at + 1] << 8));
        if (unit == 0) break;
        units += unit;
    }
    const std::string text = Utf16ToUtf8(units);
    return std::string(FirstCodePoints(text, maxLength));
}

}  // namespace zentrova
