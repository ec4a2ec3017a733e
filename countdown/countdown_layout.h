#pragma once
// Where the countdown's texts go on a W x H face: the title across the top,
// the six label words below it and the six numbers under their labels. The
// rectangle layout draws its separators as items of their own; the oval
// layout appends them to the numbers.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "face/face_planes.h"
#include "face/fit_frame_text.h"
#include "face/frame.h"
#include "face/geometry.h"
#include "face/services.h"

namespace zentrova {

struct CountdownSeparator {
    const char* text;
    RectF rect;
};

struct CountdownLayout {
    RectF title;
    std::array<RectF, 6> labels;   // years .. seconds
    std::array<RectF, 6> numbers;  // years .. seconds
    std::array<const char*, 6> numberSuffixes{"", "", "", "", "", ""};
    std::vector<CountdownSeparator> separators;  // drawn after the numbers
};

CountdownLayout RectangleCountdownLayout(SizeI face);
CountdownLayout OvalCountdownLayout(SizeI face);
CountdownLayout CountdownLayoutFor(SizeI face, bool oval);

// The title as drawn: on one line, no wider than the plate along the
// title's middle (a rounded face is narrower there than the title's box),
// in the label font or, when too wide for it, fitted by FitFaceText (a
// title that fits is drawn as it is). A passed event's title ends with the
// passed mark, which is never cut.
FittedText FitCountdownTitle(const std::string& title, bool passed, const CountdownLayout& layout, SizeI face,
                             FaceShape shape, const FontChoice& labelFont, TextMeasurer& measurer);

// The six label words in the current language, years to seconds.
std::array<std::string, 6> CountdownLabelWords();

// The font the label words are drawn in: `labelFont`, or a smaller size of
// it where a word is wider than both its cell and the English word there,
// so that the six keep one size. A word still wider than its cell (in a
// wide family) is fitted on its own as the frame is pushed.
FontChoice FitLabelWords(const CountdownLayout& layout, const std::array<std::string, 6>& words,
                         const FontChoice& labelFont, TextMeasurer& measurer);

// The frame's text items in drawing order: the title (kept on one line) in
// font `labelFont`, the six label words in `wordFont`, then the six
// numbers and the separators in `numberFont`.
std::vector<DrawText> CountdownTextItems(const CountdownLayout& layout, const std::string& title,
                                         const std::array<std::string, 6>& words,
                                         const std::array<std::string, 6>& numbers, int labelFont, int wordFont,
                                         int numberFont);

}  // namespace zentrova
