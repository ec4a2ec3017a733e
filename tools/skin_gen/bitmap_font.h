#pragma once
// A 5 x 7 pixel font for the digits and the colon: enough to number the
// contact sheet's tiles and put a clock reading on each.

#include <string_view>

#include "mean_fit.h"

namespace zentrova::skin_gen {

constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// Width in pixels of text drawn at the given scale, one scaled column between glyphs.
int TextWidth(std::string_view text, int scale);

// Draws text with its top-left corner at (x, y); characters other than 0-9
// and ':' are left blank; pixels outside the canvas are skipped.
void DrawText(Pixels8& canvas, int x, int y, std::string_view text, int scale, Rgb8 color);

}  // namespace zentrova::skin_gen
