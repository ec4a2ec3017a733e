#pragma once
// Where a skin's text colour would not stand out enough, the skin's mean
// colour is darkened toward black or lightened toward white, keeping its hue,
// until the text reaches the contrast asked for.

#include "color.h"
#include "image.h"
#include "mean_fit.h"

namespace zentrova::skin_gen {

// The WCAG 2 ratio for ordinary text.
inline constexpr double kReadableContrast = 4.5;

struct ToneFit {
    Rgb8 mean;       // the mean colour the skin is fitted to
    Pixels8 pixels;  // the skin fitted to it
};

// `mean` itself when the fitted skin already gives the text `minRatio`;
// else the smallest darkening or lightening of it that does (whichever is
// the smaller change; the strongest one when neither reaches it).
ToneFit FitToneForText(const Image& finished, Rgb8 mean, Rgb8 text, double minRatio);

}  // namespace zentrova::skin_gen
