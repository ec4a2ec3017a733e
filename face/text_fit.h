#pragma once
// Keeping a text on one line of a given width: a text too long for its line
// would otherwise be wrapped by the drawing, and a centred box too low for
// two lines then shows a clipped middle line of it.

#include <string>
#include <string_view>

#include "face/frame.h"
#include "face/services.h"

namespace zentrova {

// Ends a cut text; plain dots, which every code page has.
inline constexpr std::string_view kEllipsis = "...";

// `text` itself when it is no wider than `width` in `font`; else its longest
// beginning that fits with kEllipsis after it (trailing blanks dropped), and
// kEllipsis alone when not even one character does. `before` and `after`
// frame the text on the same line and are never cut: the result is the
// whole line, framed.
std::string FitOnOneLine(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                         std::string_view before = {}, std::string_view after = {});

// The framed text on at most two lines of `width`, joined by "\n": the
// first line breaks after its last blank that fits (between characters
// where the line has no blank), and the second is fitted by FitOnOneLine.
// One line when the whole fits on one.
std::string FitOnTwoLines(const std::string& text, const FontChoice& font, double width, TextMeasurer& measurer,
                          std::string_view before = {}, std::string_view after = {});

}  // namespace zentrova
