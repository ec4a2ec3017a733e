#include "countdown/countdown_layout.h"

#include <algorithm>
#include <cstddef>

#include "countdown/countdown_face.h"
#include "language/texts.h"

namespace zentrova {
namespace {

// Rectangles are worked out in double from the integer face size and only
// then narrowed, so both layouts match what the drawing layer expects.
RectF Rect(double x, double y, double width, double height) {
    return {static_cast<float>(x), static_cast<float>(y), static_cast<float>(width), static_cast<float>(height)};
}

}  // namespace

CountdownLayout CountdownLayoutFor(SizeI face, bool oval) {
    return oval ? OvalCountdownLayout(face) : RectangleCountdownLayout(face);
}

FittedText FitCountdownTitle(const std::string& title, bool passed, const CountdownLayout& layout, SizeI face,
                             FaceShape shape, const FontChoice& labelFont, TextMeasurer& measurer) {
    const double middle = layout.title.y + layout.title.height / 2.0;
    const double width = std::min<double>(layout.title.width, PlateWidthAt(shape, face, middle));
    const std::string mark = passed ? " " + std::string(Tr(TextId::PassedMark)) : std::string();
    return FitFaceText(title, labelFont, width, measurer, mark);
}

std::array<std::string, 6> CountdownLabelWords() {
    constexpr std::array<TextId, 6> kWords{TextId::WordYear, TextId::WordMonth, TextId::WordDay,
                                           TextId::WordHour, TextId::WordMin,   TextId::WordSec};
    std::array<std::string, 6> words;
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = Tr(kWords[i]);
    return words;
}

FontChoice FitLabelWords(const CountdownLayout& layout, const std::array<std::string, 6>& words,
                         const FontChoice& labelFont, TextMeasurer& measurer) {
    constexpr int kSmallestPixels = 6;
    std::array<double, 6> room{};
    for (std::size_t i = 0; i < words.size(); ++i) {
        const SizeI english = measurer.MeasurePixels(labelFont.family, labelFont.emPixels, labelFont.bold,
                                                     kCountLabelWords[i]);
        room[i] = std::max<double>(layout.labels[i].width, english.width);
    }
    FontChoice font = labelFont;
    const auto fits = [&] {
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (measurer.MeasurePixels(font.family, font.emPixels, font.bold, words[i]).width > room[i]) return false;
        }
        return true;
    };
    while (font.emPixels > kSmallestPixels && !fits()) --font.emPixels;
    return font;
}

CountdownLayout RectangleCountdownLayout(SizeI face) {
    const double w = face.width;
    const double h = face.height;
    const double labelTop = 0.25 * h, labelHeight = 0.3 * h;
    const double numberTop = 0.5 * h, numberHeight = 0.5 * h;

    CountdownLayout layout;
    layout.title = Rect(0, 0, w, 0.3 * h);
    layout.labels = {Rect(0, labelTop, w / 5, labelHeight),          Rect(w / 6, labelTop, w / 4.3, labelHeight),
                     Rect(w / 2.7, labelTop, w / 6, labelHeight),    Rect(w / 1.875, labelTop, w / 5, labelHeight),
                     Rect(w / 1.428, labelTop, w / 6, labelHeight),  Rect(w / 1.2, labelTop, w / 6, labelHeight)};
    // The hours number sits a little right of its label (1.85, not 1.875).
    layout.numbers = {Rect(0, numberTop, w / 5, numberHeight),         Rect(w / 6, numberTop, w / 4.3, numberHeight),
                      Rect(w / 2.7, numberTop, w / 6, numberHeight),   Rect(w / 1.85, numberTop, w / 5, numberHeight),
                      Rect(w / 1.428, numberTop, w / 6, numberHeight), Rect(w / 1.2, numberTop, w / 6, numberHeight)};
    const double separatorWidth = w / 30;
    layout.separators = {{"-", Rect(w / 6, numberTop, separatorWidth, numberHeight)},
                         {"-", Rect(w / 2.85, numberTop, separatorWidth, numberHeight)},
                         {":", Rect(w / 1.428, numberTop, separatorWidth, numberHeight)},
                         {":", Rect(w / 1.2, numberTop, separatorWidth, numberHeight)}};
    return layout;
}

CountdownLayout OvalCountdownLayout(SizeI face) {
    const double w = face.width;
    const double h = face.height;
    const double labelTop = 0.26 * h, labelHeight = 0.3 * h;
    const double numberTop = 0.5 * h, numberHeight = 0.45 * h;
    const double column = 0.16 * w;
    // The months column is wider, for the longest label word.
    const double wideColumn = 0.16 * w + 0.04 * w;

    CountdownLayout layout;
    layout.title = Rect(0, 0.03 * h, w, 0.3 * h);
    layout.labels = {Rect(0.12 * w, labelTop, column, labelHeight),
                     Rect(0.255 * w - 0.015 * w, labelTop, wideColumn, labelHeight),
                     Rect(0.39 * w, labelTop, column, labelHeight),
                     Rect(0.52 * w, labelTop, column, labelHeight),
                     Rect(0.635 * w, labelTop, column, labelHeight),
                     Rect(0.74 * w, labelTop, column, labelHeight)};
    layout.numbers = {Rect(0.15 * w, numberTop, column, numberHeight),
                      Rect(0.27 * w - 0.015 * w, numberTop, wideColumn, numberHeight),
                      Rect(0.39 * w, numberTop, column, numberHeight),
                      Rect(0.54 * w, numberTop, column, numberHeight),
                      Rect(0.645 * w, numberTop, column, numberHeight),
                      Rect(0.74 * w, numberTop, column, numberHeight)};
    layout.numberSuffixes = {" -", "-", "", ":", ":", ""};
    return layout;
}

std::vector<DrawText> CountdownTextItems(const CountdownLayout& layout, const std::string& title,
                                         const std::array<std::string, 6>& words,
                                         const std::array<std::string, 6>& numbers, int labelFont, int wordFont,
                                         int numberFont) {
    std::vector<DrawText> items;
    items.reserve(1 + layout.labels.size() + layout.numbers.size() + layout.separators.size());
    items.push_back({labelFont, title, layout.title, true});  // fitted by FitCountdownTitle
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
        items.push_back({wordFont, words[i], layout.labels[i]});
    }
    for (std::size_t i = 0; i < layout.numbers.size(); ++i) {
        items.push_back({numberFont, numbers[i] + layout.numberSuffixes[i], layout.numbers[i]});
    }
    for (const CountdownSeparator& separator : layout.separators) {
        items.push_back({numberFont, separator.text, separator.rect});
    }
    return items;
}

}  // namespace zentrova
