#pragma once
// The clock face's size from its measured texts, the lines it composes and
// the text items of a frame with their layout rectangles.

#include <string>
#include <string_view>
#include <vector>

#include "face/dpi_scale.h"
#include "face/frame.h"
#include "face/geometry.h"
#include "face/services.h"
#include "settings/settings.h"

namespace zentrova {

// The texts are always measured in this family, whatever ClockFont says.
inline constexpr std::string_view kClockMeasuringFont = "Tahoma";
// Capacity of the clock's face planes at 96 DPI: 1601 columns by 401 rows;
// a window scales it with its face.
inline constexpr SizeI kClockFaceCapacity{1601, 401};

struct ClockTexts {
    std::string time;     // TimeText
    std::string date;     // DateText
    std::string weekday;  // WeekdayText
};

enum class ClockLayout {
    TimeOnly,         // DateShow off
    OneLine,          // DateShow on, ClockSky off: ClockText
    TowerTwoLines,    // ClockSky on: date, time
    TowerThreeLines,  // ClockSky on, DateIndex 5..8: weekday, date, time
};

ClockLayout ClockLayoutFor(const Settings& settings);

// ClockText, the one-line composition drawn: "date, time" or, for DateIndex
// 5..8, "weekday, date, time".
std::string ComposeClockText(const ClockTexts& texts, int dateIndex);
// The one-line composition as measured: single blanks instead of ", ".
std::string MeasuredClockLine(const ClockTexts& texts, int dateIndex);

// ClockSize + 8: the measuring size in points and the drawing size in
// pixels at 96 DPI, kept at least 1 so that a corrupt size cannot break the font.
int ClockFontSize(int clockSize);

// The face size (FaceWidth x FaceHeight) before clamping to the planes: the
// size at 96 DPI, scaled once by `scale`.
SizeI ClockFaceSize(const Settings& settings, const ClockTexts& texts, TextMeasurer& measurer, DpiScale scale = {});

// ClockFont at ClockFontSize pixels scaled by `scale`, bold when ClockBorder is set.
FontChoice ClockDrawingFont(const Settings& settings, DpiScale scale = {});

// The frame's text items, all in font 0, centred in their rectangles.
std::vector<DrawText> ClockTextItems(ClockLayout layout, const ClockTexts& texts, std::string_view clockText,
                                     SizeI face);

}  // namespace zentrova
