#pragma once
// One picture of all skins side by side, each numbered and carrying a clock
// reading in its own text colour, for judging them together.

#include <vector>

#include "color.h"
#include "mean_fit.h"

namespace zentrova::skin_gen {

struct SheetEntry {
    int number = 0;
    const Pixels8* skin = nullptr;
    Rgb8 textColor;
};

Pixels8 BuildContactSheet(const std::vector<SheetEntry>& entries, int columns);

}  // namespace zentrova::skin_gen
