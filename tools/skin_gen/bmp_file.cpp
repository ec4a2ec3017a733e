#include "bmp_file.h"

#include <fstream>
#include <iterator>

namespace zentrova::skin_gen {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint16_t kBitsPerPixel = 32;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::int32_t kPixelsPerMetre = 2835;  // 72 dots per inch

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFFu);
    Put16(out, v >> 16);
}

std::uint32_t Get16(const std::vector<std::uint8_t>& in, std::size_t at) {
    return in[at] | (in[at + 1] << 8);
}

std::uint32_t Get32(const std::vector<std::uint8_t>& in, std::size_t at) {
    return Get16(in, at) | (Get16(in, at + 2) << 16);
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp32(const Pixels8& pixels) {
    const std::uint32_t imageSize = static_cast<std::uint32_t>(pixels.width) * pixels.height * 4;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);  // two reserved words
    Put32(out, offset);

    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<std::uint32_t>(pixels.width));
    Put32(out, static_cast<std::uint32_t>(pixels.height));  // positive: bottom-up rows
    Put16(out, 1);                                          // planes
    Put16(out, kBitsPerPixel);
    Put32(out, kBiRgb);
    Put32(out, imageSize);
    Put32(out, kPixelsPerMetre);
    Put32(out, kPixelsPerMetre);
    Put32(out, 0);  // colours used
    Put32(out, 0);  // colours important

    for (int y = pixels.height - 1; y >= 0; --y) {
        for (int x = 0; x < pixels.width; ++x) {
            const std::size_t at = (static_cast<std::size_t>(y) * pixels.width + x) * 3;
            out.push_back(pixels.rgb[at + 2]);
            out.push_back(pixels.rgb[at + 1]);
            out.push_back(pixels.rgb[at]);
            out.push_back(255);
        }
    }
    return out;
}

std::optional<Pixels8> DecodeBmp32(const std::vector<std::uint8_t>& file, std::string& error) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
        error = "not a BMP file";
        return std::nullopt;
    }
    const std::uint32_t offset = Get32(file, 10);
    const auto width = static_cast<std::int32_t>(Get32(file, 18));
    const auto height = static_cast<std::int32_t>(Get32(file, 22));
    if (Get32(file, 2) != file.size()) {
        error = "file size field does not match the file";
    } else if (Get32(file, 14) != kInfoHeaderSize) {
        error = "header is not a BITMAPINFOHEADER";
    } else if (Get16(file, 26) != 1 || Get16(file, 28) != kBitsPerPixel || Get32(file, 30) != kBiRgb) {
        error = "not an uncompressed 32-bit image";
    } else if (width <= 0 || height <= 0) {
        error = "not a bottom-up image of positive size";
    } else if (offset + static_cast<std::uint64_t>(width) * height * 4 > file.size() ||
               Get32(file, 34) != static_cast<std::uint32_t>(width) * height * 4) {
        error = "pixel data size is wrong";
    }
    if (!error.empty()) return std::nullopt;

    Pixels8 pixels{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3)};
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const std::size_t in = offset + (static_cast<std::size_t>(row) * width + x) * 4;
            const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
            if (file[in + 3] != 255) {
                error = "a fourth byte is not 255";
                return std::nullopt;
            }
            pixels.rgb[at] = file[in + 2];
            pixels.rgb[at + 1] = file[in + 1];
            pixels.rgb[at + 2] = file[in];
        }
    }
    return pixels;
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace zentrova::skin_gen
