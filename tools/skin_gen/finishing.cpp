#include "finishing.h"

#include <cmath>
#include <vector>

#include "det_math.h"
#include "noise.h"

namespace zentrova::skin_gen {

namespace {

std::vector<double> GaussianKernel(double sigma) {
    const int radius = static_cast<int>(std::ceil(sigma * 3));
    std::vector<double> kernel(2 * radius + 1);
    double total = 0;
    for (int i = -radius; i <= radius; ++i) {
        kernel[i + radius] = Exp(-(i * i) / (2 * sigma * sigma));
        total += kernel[i + radius];
    }
    for (double& k : kernel) k /= total;
    return kernel;
}

}  // namespace

Image GaussianBlur(const Image& image, double sigma) {
    const std::vector<double> kernel = GaussianKernel(sigma);
    const int radius = static_cast<int>(kernel.size() / 2);
    Image across(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            Color sum;
            for (int i = -radius; i <= radius; ++i) sum += image.Clamped(x + i, y) * kernel[i + radius];
            across.At(x, y) = sum;
        }
    }
    Image result(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            Color sum;
            for (int i = -radius; i <= radius; ++i) sum += across.Clamped(x, y + i) * kernel[i + radius];
            result.At(x, y) = sum;
        }
    }
    return result;
}

void ScaleContrast(Image& image, double factor) {
    const Color mean = image.Mean();
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            Color& c = image.At(x, y);
            c = mean + (c - mean) * factor;
        }
    }
}

void UnsharpMask(Image& image, double sigma, double amount) {
    const Image blurred = GaussianBlur(image, sigma);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            Color& c = image.At(x, y);
            c = c + (c - blurred.At(x, y)) * amount;
        }
    }
}

void AddGrain(Image& image, double levels, std::uint32_t seed) {
    const double amplitude = levels / 255.0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            // Sum of three uniforms: a soft bell rather than a flat spread.
            const double luma = HashUnit(x, y, seed) + HashUnit(x, y, seed + 1) +
                                HashUnit(x, y, seed + 2) - 1.5;
            const double tint = HashUnit(x, y, seed + 3) - 0.5;
            Color& c = image.At(x, y);
            c.r += amplitude * (luma + 0.25 * tint);
            c.g += amplitude * luma;
            c.b += amplitude * (luma - 0.25 * tint);
        }
    }
}

}  // namespace zentrova::skin_gen
