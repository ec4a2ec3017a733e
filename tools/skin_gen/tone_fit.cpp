#include "tone_fit.h"

#include <cmath>
#include <optional>

#include "readability.h"

namespace zentrova::skin_gen {

namespace {

std::uint8_t Level(double value) { return static_cast<std::uint8_t>(std::floor(value + 0.5)); }

// t = 0 keeps the colour; t = 1 is black (darken) or white (lighten).
Rgb8 Toned(Rgb8 mean, double t, bool darken) {
    auto channel = [&](int level) { return Level(darken ? level * (1 - t) : level + (255 - level) * t); };
    return {channel(mean.r), channel(mean.g), channel(mean.b)};
}

struct Step {
    double t;
    ToneFit fit;
};

// The least t in one direction that reaches `minRatio`, found by halving
// (the plate's luminance moves one way with t); none if even t = 1 fails.
std::optional<Step> LeastTone(const Image& finished, Rgb8 mean, Rgb8 text, double minRatio, bool darken) {
    auto fitAt = [&](double t) {
        const Rgb8 toned = Toned(mean, t, darken);
        return ToneFit{toned, FitMean(finished, toned)};
    };
    ToneFit best = fitAt(1.0);
    if (TextContrast(best.pixels, text) < minRatio) return std::nullopt;
    double reaches = 1.0, fails = 0.0;
    for (int step = 0; step < 12; ++step) {
        const double middle = (reaches + fails) / 2;
        ToneFit fit = fitAt(middle);
        if (TextContrast(fit.pixels, text) >= minRatio) {
            reaches = middle;
            best = std::move(fit);
        } else {
            fails = middle;
        }
    }
    return Step{reaches, std::move(best)};
}

}  // namespace

ToneFit FitToneForText(const Image& finished, Rgb8 mean, Rgb8 text, double minRatio) {
    ToneFit plain{mean, FitMean(finished, mean)};
    if (TextContrast(plain.pixels, text) >= minRatio) return plain;
    std::optional<Step> darker = LeastTone(finished, mean, text, minRatio, true);
    std::optional<Step> lighter = LeastTone(finished, mean, text, minRatio, false);
    if (darker && (!lighter || darker->t <= lighter->t)) return std::move(darker->fit);
    if (lighter) return std::move(lighter->fit);
    // Neither end reaches it (a mid-grey text): the darker or lighter
    // extreme, whichever stands further from the text.
    const double towardBlack = TextContrast(FitMean(finished, Toned(mean, 1.0, true)), text);
    const double towardWhite = TextContrast(FitMean(finished, Toned(mean, 1.0, false)), text);
    const bool darken = towardBlack >= towardWhite;
    const Rgb8 extreme = Toned(mean, 1.0, darken);
    return {extreme, FitMean(finished, extreme)};
}

}  // namespace zentrova::skin_gen
