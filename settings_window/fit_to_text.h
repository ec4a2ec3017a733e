#pragma once
// Controls that grow to their texts: a label, box, button or list whose
// text is wider than its place in another language than English widens,
// and what stands to its right on the same row moves over by as much, so
// that nothing is cut and nothing overlaps.

#include <span>
#include <string_view>
#include <vector>

#include "face/dpi_scale.h"
#include "face/services.h"
#include "settings_window/settings_controls.h"

namespace zentrova {

struct TextRoom {
    ControlPlace place;   // at 96 DPI
    int neededWidth = 0;  // at 96 DPI, what its text needs; 0: no text
    int rowHeight = 0;    // what it covers of its row (a list's closed box); 0: its place's height
};

// The places after growing; a control keeps its place where its text fits.
std::vector<ControlPlace> GrowToText(std::span<const TextRoom> controls);

// What a control's own parts add to its text's width, at 96 DPI.
enum class TextChrome { Label, CheckBox, Button, List };
int ChromeWidth(TextChrome chrome);

// The 96-DPI width a control needs for `text` in the given font, measured
// at `scale` (text does not scale in proportion), its chrome included.
int NeededWidth(TextMeasurer& measurer, DpiScale scale, std::string_view family, int fontPixels,
                std::string_view text, TextChrome chrome);

}  // namespace zentrova
