#pragma once
// Stretching a small ARGB tile into a rectangle of a frame's pixels and
// blending it over what is there, for the calendar's cells. Done here once
// per cell and second rather than by the drawing library, whose general
// image stretch costs far more per pixel than a second's budget allows.

#include <cstdint>
#include <vector>

#include "face/frame.h"
#include "face/geometry.h"

namespace zentrova {

// A tile with its colour premultiplied by alpha, channels scaled to 0..1, so
// that interpolating between a visible pixel and a transparent one (whose
// colour is undefined) never pulls that colour in.
struct PremultipliedTile {
    int side = 0;
    std::vector<float> rgba;  // side * side * 4: r, g, b, a
};

PremultipliedTile Premultiply(const TileImage& tile);

// Bilinear stretch of `tile` onto the pixels whose centres lie inside `rect`
// (clipped to the canvas), blended source-over into `canvas`: width * height
// non-premultiplied ARGB words, rows from the top.
void BlendTile(const PremultipliedTile& tile, RectF rect, int width, int height, std::uint32_t* canvas);

}  // namespace zentrova
