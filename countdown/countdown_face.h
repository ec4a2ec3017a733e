#pragma once
// The countdown face's size, outline and fonts. The size comes from the six
// label words measured in one fixed font, so changing the drawing font or
// the bold style never resizes the window.

#include <array>
#include <string>

#include "face/dpi_scale.h"
#include "face/face_planes.h"
#include "face/frame.h"
#include "face/geometry.h"
#include "face/services.h"

namespace zentrova {

inline constexpr char kCountMeasuringFamily[] = "Times New Roman";
// The face is sized by the English label words in every language, so that
// a change of language never moves or resizes the window.
inline constexpr std::array<const char*, 6> kCountLabelWords{"Year", "Month", "Day", "Hour", "Min", "Sec"};

// The countdown's face planes hold 1001 rows by 1601 columns at 96 DPI;
// a window scales the capacity with its face.
inline constexpr SizeI kCountPlaneCapacity{1601, 1001};

// W x H from the label words measured at countSize + 8 points, the 96-DPI
// size scaled once by `scale`.
SizeI CountdownFaceSize(TextMeasurer& measurer, int countSize, bool oval, DpiScale scale = {});

// The outline is oval only for an oval face without the rounded-rectangle
// override; the text layout follows `oval` alone.
FaceShape CountdownFaceShape(bool oval, bool roundedOutline);

int CountLabelPixels(int countSize);
int CountNumberPixels(int countSize);

// Frame::fonts indices of the two fonts. The title is drawn in the label
// font, or in a smaller size of it that a long title fits in.
inline constexpr int kCountLabelFontIndex = 0;
inline constexpr int kCountNumberFontIndex = 1;
// The label words when the language's are too wide for their cells.
inline constexpr int kCountWordFontIndex = 2;

struct CountdownFonts {
    FontChoice label;
    FontChoice number;
};
// The two fonts at their 96-DPI pixel sizes scaled by `scale`.
CountdownFonts MakeCountdownFonts(const std::string& family, int countSize, bool bold, DpiScale scale = {});

}  // namespace zentrova
