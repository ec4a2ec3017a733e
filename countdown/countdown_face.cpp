#include "countdown/countdown_face.h"

#include <cstddef>

#include "face/rounding.h"

namespace zentrova {
namespace {

constexpr int kSizeOffset = 8;
constexpr double kLabelWidthFactor = 1.3;
constexpr double kOvalWidthFactor = 1.2;
constexpr double kOvalHeightFactor = 3.4;
constexpr int kRectangleHeightLines = 3;
constexpr double kNumberFontFactor = 1.4;

}  // namespace

SizeI CountdownFaceSize(TextMeasurer& measurer, int countSize, bool oval, DpiScale scale) {
    const int points = countSize + kSizeOffset;
    long long labelsWidth = 0;
    int lineHeight = 0;  // of "Year", the first word
    for (std::size_t i = 0; i < kCountLabelWords.size(); ++i) {
        const SizeI extent = measurer.Measure(kCountMeasuringFamily, points, kCountLabelWords[i]);
        if (i == 0) lineHeight = extent.height;
        labelsWidth += RoundHalfEven(extent.width * kLabelWidthFactor);
    }
    const double width = static_cast<double>(labelsWidth);
    const SizeI design =
        oval ? SizeI{RoundHalfEven(width * kOvalWidthFactor), RoundHalfEven(lineHeight * kOvalHeightFactor)}
             : SizeI{RoundHalfEven(width), RoundHalfEven(static_cast<double>(lineHeight) * kRectangleHeightLines)};
    return scale.Pixels(design);
}

FaceShape CountdownFaceShape(bool oval, bool roundedOutline) {
    return oval && !roundedOutline ? FaceShape::Oval : FaceShape::RoundedRect;
}

int CountLabelPixels(int countSize) { return countSize + kSizeOffset; }

int CountNumberPixels(int countSize) { return RoundHalfEven((countSize + kSizeOffset) * kNumberFontFactor); }

CountdownFonts MakeCountdownFonts(const std::string& family, int countSize, bool bold, DpiScale scale) {
    return {FontChoice{family, scale.Pixels(CountLabelPixels(countSize)), bold},
            FontChoice{family, scale.Pixels(CountNumberPixels(countSize)), bold}};
}

}  // namespace zentrova
