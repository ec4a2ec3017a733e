#pragma once
// Brings a finished skin to its prescribed mean colour and into 8 bits.

#include <vector>

#include "color.h"
#include "image.h"

namespace zentrova::skin_gen {

// Rows from the top, three bytes per pixel in the order red, green, blue.
struct Pixels8 {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

struct MeanColor {
    double r = 0;
    double g = 0;
    double b = 0;
};

Pixels8 Quantize(const Image& image);
MeanColor MeasureMean(const Pixels8& pixels);

// Per channel, lifts every value toward white or lowers it toward black by
// the same fraction until the quantised mean meets the target. The fraction
// moves the mean monotonically and never clips, so a bisection finds it; the
// recipes already land close, so the texture is barely touched.
Pixels8 FitMean(const Image& image, Rgb8 target);

}  // namespace zentrova::skin_gen
