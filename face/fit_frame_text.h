#pragma once
// Every text of a face stays inside its rectangle: one too wide for it in
// its font is drawn in a smaller size of that font, and cut with an
// ellipsis when even the smallest size is too wide. Never wrapped, never
// split between letters. A text that fits is left exactly as it is.

#include <string>
#include <string_view>
#include <vector>

#include "face/frame.h"
#include "face/recent_cache.h"
#include "face/services.h"

namespace zentrova {

// Below this a face text is cut rather than drawn smaller: three fifths of
// its size, and never under 6 pixels (but never above the size itself).
int SmallestFitPixels(int emPixels);

struct FittedText {
    std::string text;
    FontChoice font;
    friend bool operator==(const FittedText&, const FittedText&) = default;
};

// `text` followed by `after` on one line no wider than `width`: in `font`
// when it fits; else in the largest smaller size, down to
// SmallestFitPixels, where it fits; else cut by FitOnOneLine in that
// smallest size. `after` is never cut.
FittedText FitFaceText(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                       std::string_view after = {});

// Fits the texts of a window's frames before they are pushed. What was
// fitted is remembered while the frames draw it and, a while after, as long
// as little is kept, so the clock's and the countdown's frames each second
// measure only texts not seen for long.
class FrameTextFitter {
public:
    // Fitted texts kept beyond the last frame's: an hour of a countdown's
    // minutes and seconds.
    static constexpr std::size_t kKeptFits = 128;

    explicit FrameTextFitter(TextMeasurer& measurer) : measurer_(measurer) {}

    // A text too wide for its rectangle gets the fitted size (added to
    // frame.fonts unless already there) or the cut text, and is kept on
    // one line.
    void Fit(Frame& frame);

private:
    struct Fitting {
        std::string text;
        FontChoice font;
        float width = 0;
        friend bool operator==(const Fitting&, const Fitting&) = default;
    };
    static std::size_t One(const FittedText&) { return 1; }

    TextMeasurer& measurer_;
    RecentCache<Fitting, FittedText> fitted_{kKeptFits, &One};
};

}  // namespace zentrova
