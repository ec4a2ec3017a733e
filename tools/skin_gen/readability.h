#pragma once
// How well a skin's fixed text colour stands out from the skin.

#include "color.h"
#include "mean_fit.h"

namespace zentrova::skin_gen {

// Euclidean distance in 8-bit RGB levels.
double ColorDistance(MeanColor a, Rgb8 b);

// Share (0..1) of pixels whose colour lies within the given distance of the
// text colour: where the text would melt into the skin.
double TextClashShare(const Pixels8& pixels, Rgb8 text, double distance);

}  // namespace zentrova::skin_gen
