#include "readability.h"

#include <algorithm>
#include <cmath>

#include "det_math.h"

namespace zentrova::skin_gen {

double ColorDistance(MeanColor a, Rgb8 b) {
    const double dr = a.r - b.r;
    const double dg = a.g - b.g;
    const double db = a.b - b.b;
    return std::sqrt(dr * dr + dg * dg + db * db);
}

double TextClashShare(const Pixels8& pixels, Rgb8 text, double distance) {
    std::size_t close = 0;
    for (std::size_t i = 0; i + 2 < pixels.rgb.size(); i += 3) {
        const MeanColor pixel{static_cast<double>(pixels.rgb[i]), static_cast<double>(pixels.rgb[i + 1]),
                              static_cast<double>(pixels.rgb[i + 2])};
        if (ColorDistance(pixel, text) < distance) ++close;
    }
    return static_cast<double>(close) / static_cast<double>(pixels.rgb.size() / 3);
}

namespace {

double Linear(int level) {
    const double value = level / 255.0;
    return value <= 0.04045 ? value / 12.92 : Pow((value + 0.055) / 1.055, 2.4);
}

}  // namespace

double RelativeLuminance(Rgb8 color) {
    return 0.2126 * Linear(color.r) + 0.7152 * Linear(color.g) + 0.0722 * Linear(color.b);
}

double PlateLuminance(const Pixels8& pixels) {
    double sum = 0;
    for (std::size_t i = 0; i + 2 < pixels.rgb.size(); i += 3)
        sum += RelativeLuminance({pixels.rgb[i], pixels.rgb[i + 1], pixels.rgb[i + 2]});
    return sum / static_cast<double>(pixels.rgb.size() / 3);
}

double ContrastRatio(double luminanceA, double luminanceB) {
    return (std::max(luminanceA, luminanceB) + 0.05) / (std::min(luminanceA, luminanceB) + 0.05);
}

double TextContrast(const Pixels8& pixels, Rgb8 text) {
    return ContrastRatio(RelativeLuminance(text), PlateLuminance(pixels));
}

}  // namespace zentrova::skin_gen
