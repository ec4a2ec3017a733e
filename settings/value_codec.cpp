#include "settings/value_codec.h"

#include <algorithm>
#include <bit>
#include <limits>

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
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

std::string DecodeString(std::span<const std::uint8_t> bytes, std::size_t maxLength) {
    auto end = std::find(bytes.begin(), bytes.end(), std::uint8_t{0});
    std::size_t length = std::min(static_cast<std::size_t>(end - bytes.begin()), maxLength);
    return std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
}

}  // namespace zentrova
