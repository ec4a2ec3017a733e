#include "settings_window/fit_to_text.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>

namespace zentrova {
namespace {

// Rows that merely touch (a label just above a slider) are not one row.
constexpr int kRowOverlap = 3;
// The gap a control keeps to one it is pushed by, where it had as much.
constexpr int kKeptGap = 6;

int Bottom(const TextRoom& room) { return room.place.top + (room.rowHeight > 0 ? room.rowHeight : room.place.height); }

bool ShareRow(const TextRoom& a, const TextRoom& b) {
    return std::min(Bottom(a), Bottom(b)) - std::max(a.place.top, b.place.top) >= kRowOverlap;
}

}  // namespace

std::vector<ControlPlace> GrowToText(std::span<const TextRoom> controls) {
    std::vector<std::size_t> byLeft(controls.size());
    std::iota(byLeft.begin(), byLeft.end(), std::size_t{0});
    std::stable_sort(byLeft.begin(), byLeft.end(),
                     [&](std::size_t a, std::size_t b) { return controls[a].place.left < controls[b].place.left; });
    std::vector<ControlPlace> places(controls.size());
    for (std::size_t k = 0; k < byLeft.size(); ++k) {
        const std::size_t i = byLeft[k];
        const TextRoom& mine = controls[i];
        places[i] = mine.place;
        for (std::size_t m = 0; m < k; ++m) {
            const std::size_t j = byLeft[m];
            const TextRoom& other = controls[j];
            const int gap = mine.place.left - (other.place.left + other.place.width);
            if (gap < 0 || !ShareRow(mine, other)) continue;
            // Blank room between the two is taken up first.
            const int keptGap = std::min(gap, kKeptGap);
            places[i].left = std::max(places[i].left, places[j].left + places[j].width + keptGap);
        }
        places[i].width = std::max(mine.place.width, mine.neededWidth);
    }
    return places;
}

int ChromeWidth(TextChrome chrome) {
    switch (chrome) {
        case TextChrome::Label: return 2;
        case TextChrome::CheckBox: return 22;  // the box and the gap after it
        case TextChrome::Button: return 16;
        case TextChrome::List: return 28;      // borders, margin and the arrow
    }
    return 0;
}

int NeededWidth(TextMeasurer& measurer, DpiScale scale, std::string_view family, int fontPixels,
                std::string_view text, TextChrome chrome) {
    if (text.empty()) return 0;
    const SizeI extent = measurer.MeasurePixels(std::string(family), scale.Pixels(fontPixels), false, std::string(text));
    return static_cast<int>(std::ceil(extent.width / scale.Factor())) + ChromeWidth(chrome);
}

}  // namespace zentrova
