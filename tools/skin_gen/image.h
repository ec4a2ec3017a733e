#pragma once
// A small floating-point image and the supersampling renderer the recipes use.

#include <functional>
#include <vector>

#include "color.h"

namespace zentrova::skin_gen {

class Image {
public:
    Image(int width, int height, Color fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Color& At(int x, int y) { return pixels_[Index(x, y)]; }
    const Color& At(int x, int y) const { return pixels_[Index(x, y)]; }
    // Clamps to the nearest edge pixel, for filters.
    const Color& Clamped(int x, int y) const;

    Color Mean() const;

private:
    int Index(int x, int y) const { return y * width_ + x; }

    int width_;
    int height_;
    std::vector<Color> pixels_;
};

// Colour at a point of the unit square: u runs left to right, v top to bottom.
using Shader = std::function<Color(double u, double v)>;

// Averages samples x samples evenly spread points per pixel, which gives the
// sharp facet edges and thin lines of the recipes clean anti-aliased borders.
Image RenderShader(int width, int height, int samples, const Shader& shader);

}  // namespace zentrova::skin_gen
