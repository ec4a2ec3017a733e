#include "image.h"

#include <algorithm>

namespace zentrova::skin_gen {

Image::Image(int width, int height, Color fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

const Color& Image::Clamped(int x, int y) const {
    return At(std::clamp(x, 0, width_ - 1), std::clamp(y, 0, height_ - 1));
}

Color Image::Mean() const {
    Color sum;
    for (const Color& c : pixels_) sum += c;
    return sum * (1.0 / static_cast<double>(pixels_.size()));
}

Image RenderShader(int width, int height, int samples, const Shader& shader) {
    Image image(width, height);
    const double weight = 1.0 / (samples * samples);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Color sum;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double u = (x + (sx + 0.5) / samples) / width;
                    const double v = (y + (sy + 0.5) / samples) / height;
                    sum += shader(u, v);
                }
            }
            image.At(x, y) = sum * weight;
        }
    }
    return image;
}

}  // namespace zentrova::skin_gen
