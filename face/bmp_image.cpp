#include "face/bmp_image.h"

#include <cstdlib>

namespace zentrova {
namespace {

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}
std::uint16_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

constexpr std::size_t kFileHeader = 14;
constexpr std::size_t kInfoHeader = 40;
constexpr int kMaxSide = 4096;

}  // namespace

std::optional<SkinImage> DecodeBmp32(std::span<const std::uint8_t> file) {
    if (file.size() < kFileHeader + kInfoHeader || file[0] != 'B' || file[1] != 'M') return std::nullopt;
    const std::uint32_t pixelOffset = Read32(file, 10);
    const int width = static_cast<std::int32_t>(Read32(file, 18));
    const int rawHeight = static_cast<std::int32_t>(Read32(file, 22));
    const std::uint16_t bits = Read16(file, 28);
    const std::uint32_t compression = Read32(file, 30);
    const int height = std::abs(rawHeight);
    if (bits != 32 || (compression != 0 && compression != 3) || width <= 0 || height <= 0 || width > kMaxSide ||
        height > kMaxSide)
        return std::nullopt;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    if (pixelOffset > file.size() || file.size() - pixelOffset < rowBytes * height) return std::nullopt;

    SkinImage image;
    image.width = width;
    image.height = height;
    image.bgrx.resize(rowBytes * height);
    const bool bottomUp = rawHeight > 0;
    for (int y = 0; y < height; ++y) {
        const std::size_t sourceRow = bottomUp ? height - 1 - y : y;
        const std::uint8_t* from = file.data() + pixelOffset + sourceRow * rowBytes;
        std::copy(from, from + rowBytes, image.bgrx.begin() + static_cast<std::ptrdiff_t>(y * rowBytes));
    }
    return image;
}

}  // namespace zentrova
