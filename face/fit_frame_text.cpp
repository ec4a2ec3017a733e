#include "face/fit_frame_text.h"

#include <algorithm>
#include <cstddef>
#include <variant>

#include "face/text_fit.h"

namespace zentrova {
namespace {

constexpr int kSmallestPixels = 6;

// The index of `font` in `fonts`, added at the end when missing.
int FontIndex(std::vector<FontChoice>& fonts, const FontChoice& font) {
    const auto found = std::find(fonts.begin(), fonts.end(), font);
    if (found != fonts.end()) return static_cast<int>(found - fonts.begin());
    fonts.push_back(font);
    return static_cast<int>(fonts.size()) - 1;
}

}  // namespace

int SmallestFitPixels(int emPixels) {
    const int threeFifths = (3 * emPixels + 4) / 5;  // rounded up
    return std::min(emPixels, std::max(kSmallestPixels, threeFifths));
}

FittedText FitFaceText(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                       std::string_view after) {
    const std::string whole = text + std::string(after);
    const auto fitsAt = [&](int emPixels) {
        return measurer.MeasurePixels(font.family, emPixels, font.bold, whole).width <= width;
    };
    if (fitsAt(font.emPixels)) return {whole, font};
    FontChoice smaller = font;
    smaller.emPixels = SmallestFitPixels(font.emPixels);
    if (smaller.emPixels == font.emPixels || !fitsAt(smaller.emPixels)) {
        return {FitOnOneLine(text, smaller, width, measurer, {}, after), smaller};
    }
    // A smaller size is never wider, so the largest that fits is found by
    // halving between the smallest (fits) and the text's own (too wide).
    int fitting = smaller.emPixels;
    int tooWide = font.emPixels;
    while (tooWide - fitting > 1) {
        const int middle = fitting + (tooWide - fitting) / 2;
        if (fitsAt(middle)) {
            fitting = middle;
        } else {
            tooWide = middle;
        }
    }
    smaller.emPixels = fitting;
    return {whole, smaller};
}

void FrameTextFitter::Fit(Frame& frame) {
    // Fonts added for fitted texts go after the face's own; indices taken
    // from the face's list are read before any is added.
    const std::size_t faceFonts = frame.fonts.size();
    for (DrawOp& op : frame.ops) {
        auto* item = std::get_if<DrawText>(&op);
        if (item == nullptr || item->text.empty() || item->rect.width <= 0) continue;
        if (item->font < 0 || static_cast<std::size_t>(item->font) >= faceFonts) continue;
        const FontChoice font = frame.fonts[static_cast<std::size_t>(item->font)];
        const FittedText& fitted =
            fitted_.Get(Fitting{item->text, font, item->rect.width}, [&](const Fitting& key, FittedText& made) {
                made = FitFaceText(key.text, key.font, key.width, measurer_);
            });
        if (fitted.font == font && fitted.text == item->text) continue;
        item->font = FontIndex(frame.fonts, fitted.font);
        item->text = fitted.text;
        item->oneLine = true;
    }
    fitted_.EndFrame();
}

}  // namespace zentrova
