#include "mean_fit.h"

#include <cmath>

#include "det_math.h"

namespace zentrova::skin_gen {

namespace {

std::uint8_t ToLevel(double value) {
    return static_cast<std::uint8_t>(std::floor(Clamp(value * 255.0, 0.0, 255.0) + 0.5));
}

// shift > 0 moves toward 1 by that fraction of the headroom, < 0 toward 0.
double Shift(double value, double shift) {
    value = Clamp01(value);
    return shift >= 0 ? value + shift * (1 - value) : value * (1 + shift);
}

double ChannelMean(const Image& image, int channel, double shift) {
    double sum = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Color& c = image.At(x, y);
            const double v = channel == 0 ? c.r : (channel == 1 ? c.g : c.b);
            sum += ToLevel(Shift(v, shift));
        }
    }
    return sum / (static_cast<double>(image.Width()) * image.Height());
}

double FitChannel(const Image& image, int channel, double target) {
    double low = -1;
    double high = 1;
    for (int step = 0; step < 48; ++step) {
        const double middle = (low + high) / 2;
        if (ChannelMean(image, channel, middle) < target) {
            low = middle;
        } else {
            high = middle;
        }
    }
    const double below = ChannelMean(image, channel, low);
    const double above = ChannelMean(image, channel, high);
    return std::fabs(below - target) <= std::fabs(above - target) ? low : high;
}

}  // namespace

Pixels8 Quantize(const Image& image) {
    Pixels8 pixels{image.Width(), image.Height(), {}};
    pixels.rgb.reserve(static_cast<std::size_t>(image.Width()) * image.Height() * 3);
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Color& c = image.At(x, y);
            pixels.rgb.push_back(ToLevel(c.r));
            pixels.rgb.push_back(ToLevel(c.g));
            pixels.rgb.push_back(ToLevel(c.b));
        }
    }
    return pixels;
}

MeanColor MeasureMean(const Pixels8& pixels) {
    double sum[3] = {0, 0, 0};
    for (std::size_t i = 0; i < pixels.rgb.size(); ++i) sum[i % 3] += pixels.rgb[i];
    const double count = static_cast<double>(pixels.rgb.size() / 3);
    return {sum[0] / count, sum[1] / count, sum[2] / count};
}

Pixels8 FitMean(const Image& image, Rgb8 target) {
    const double shifts[3] = {FitChannel(image, 0, target.r), FitChannel(image, 1, target.g),
                              FitChannel(image, 2, target.b)};
    Image fitted(image.Width(), image.Height());
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const Color& c = image.At(x, y);
            fitted.At(x, y) = {Shift(c.r, shifts[0]), Shift(c.g, shifts[1]), Shift(c.b, shifts[2])};
        }
    }
    return Quantize(fitted);
}

}  // namespace zentrova::skin_gen
