#include "readability.h"

#include <cmath>

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

}  // namespace zentrova::skin_gen
