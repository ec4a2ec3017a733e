#include "face/shown_frame.h"

namespace zentrova {

// Each step is a bijection of the running value for a given word (a xor,
// then a multiplication by an odd number), so two runs that differ in one
// word never meet again.
std::uint64_t PixelFingerprint(const std::vector<std::uint32_t>& pixels) {
    constexpr std::uint64_t kOffset = 0xCBF29CE484222325u;
    constexpr std::uint64_t kPrime = 0x100000001B3u;
    std::uint64_t value = kOffset ^ pixels.size();
    for (const std::uint32_t word : pixels) value = (value ^ word) * kPrime;
    return value;
}

}  // namespace zentrova
