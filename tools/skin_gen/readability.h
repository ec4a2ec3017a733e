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

// The WCAG 2 relative luminance (0 black .. 1 white) of an sRGB colour.
double RelativeLuminance(Rgb8 color);
// The plate under the text: the mean relative luminance of all the skin's
// pixels, since the skin is stretched under the whole face.
double PlateLuminance(const Pixels8& pixels);
// The WCAG 2 contrast ratio, (lighter + 0.05) / (darker + 0.05), 1..21.
double ContrastRatio(double luminanceA, double luminanceB);
double TextContrast(const Pixels8& pixels, Rgb8 text);

}  // namespace zentrova::skin_gen
