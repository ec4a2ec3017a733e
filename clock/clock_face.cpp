#include "clock/clock_face.h"

#include <algorithm>
#include <initializer_list>

#include "clock/clock_formats.h"
#include "face/rounding.h"

namespace zentrova {
namespace {

// A scale factor as a ratio of integers: the product is formed in integers
// and divided once, so that a true half (50 x 1.15 = 57.5) rounds to even
// instead of being lost to the binary representation of 1.15.
struct Scale {
    long long numerator;
    long long denominator;
};

constexpr Scale kLineWidth{124, 100};
constexpr Scale kLineHeight{12, 10};
constexpr Scale kTwoLineHeight{18, 10};
constexpr Scale kThreeLineHeight{25, 10};
constexpr Scale kTowerRectWidth{115, 100};
constexpr Scale kTowerOvalNarrowWidth{124, 100};  // DateIndex 7 and 8
constexpr Scale kTowerOvalWidth{150, 100};

constexpr int kLargestFontSize = 2000;  // far beyond any face the planes can hold

int Scaled(int value, Scale scale) {
    return RoundHalfEven(static_cast<double>(value * scale.numerator) / static_cast<double>(scale.denominator));
}

Scale TowerWidthScale(const Settings& settings) {
    if (!settings.ClockRectOval) return kTowerRectWidth;
    const bool narrow = settings.DateIndex == 7 || settings.DateIndex == 8;
    return narrow ? kTowerOvalNarrowWidth : kTowerOvalWidth;
}

std::string Joined(const ClockTexts& texts, int dateIndex, std::string_view separator) {
    std::string line;
    if (IsWeekdayDateIndex(dateIndex)) {
        line += texts.weekday;
        line += separator;
    }
    line += texts.date;
    line += separator;
    line += texts.time;
    return line;
}

}  // namespace

ClockLayout ClockLayoutFor(const Settings& settings) {
    if (!settings.DateShow) return ClockLayout::TimeOnly;
    if (!settings.ClockSky) return ClockLayout::OneLine;
    return IsWeekdayDateIndex(settings.DateIndex) ? ClockLayout::TowerThreeLines : ClockLayout::TowerTwoLines;
}

std::string ComposeClockText(const ClockTexts& texts, int dateIndex) { return Joined(texts, dateIndex, ", "); }

std::string MeasuredClockLine(const ClockTexts& texts, int dateIndex) { return Joined(texts, dateIndex, " "); }

int ClockFontSize(int clockSize) { return std::clamp(clockSize, 1 - 8, kLargestFontSize - 8) + 8; }

namespace {

SizeI DesignFaceSize(const Settings& settings, const ClockTexts& texts, TextMeasurer& measurer) {
    const std::string family(kClockMeasuringFont);
    const int points = ClockFontSize(settings.ClockSize);
    auto measure = [&](const std::string& text) { return measurer.Measure(family, points, text); };

    const SizeI time = measure(texts.time);
    switch (ClockLayoutFor(settings)) {
    case ClockLayout::TimeOnly:
        return {Scaled(time.width, kLineWidth), Scaled(time.height, kLineHeight)};
    case ClockLayout::OneLine: {
        const int lineWidth = measure(MeasuredClockLine(texts, settings.DateIndex)).width;
        return {Scaled(lineWidth, kLineWidth), Scaled(time.height, kLineHeight)};
    }
    case ClockLayout::TowerTwoLines: {
        const int widest = std::max(time.width, measure(texts.date).width);
        return {Scaled(widest, TowerWidthScale(settings)), Scaled(time.height, kTwoLineHeight)};
    }
    case ClockLayout::TowerThreeLines: {
        const int widest = std::max({time.width, measure(texts.date).width, measure(texts.weekday).width});
        return {Scaled(widest, TowerWidthScale(settings)), Scaled(time.height, kThreeLineHeight)};
    }
    }
    return {};
}

}  // namespace

SizeI ClockFaceSize(const Settings& settings, const ClockTexts& texts, TextMeasurer& measurer, DpiScale scale) {
    return scale.Pixels(DesignFaceSize(settings, texts, measurer));
}

FontChoice ClockDrawingFont(const Settings& settings, DpiScale scale) {
    return FontChoice{settings.ClockFont, scale.Pixels(ClockFontSize(settings.ClockSize)), settings.ClockBorder};
}

std::vector<DrawText> ClockTextItems(ClockLayout layout, const ClockTexts& texts, std::string_view clockText,
                                     SizeI face) {
    const float w = static_cast<float>(face.width);
    const double h = face.height;
    auto band = [&](double top, double height) {
        return RectF{0.0f, static_cast<float>(top * h), w, static_cast<float>(height * h)};
    };
    switch (layout) {
    case ClockLayout::TimeOnly:
        return {DrawText{0, texts.time, band(0, 1)}};
    case ClockLayout::OneLine:
        return {DrawText{0, std::string(clockText), band(0, 1)}};
    case ClockLayout::TowerTwoLines:
        return {DrawText{0, texts.date, band(0.1, 0.45)}, DrawText{0, texts.time, band(0.5, 0.5)}};
    case ClockLayout::TowerThreeLines:
        return {DrawText{0, texts.weekday, band(0.01, 0.33)}, DrawText{0, texts.date, band(0.33, 0.33)},
                DrawText{0, texts.time, band(0.66, 0.33)}};
    }
    return {};
}

}  // namespace zentrova
