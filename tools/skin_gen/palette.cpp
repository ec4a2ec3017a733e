#include "palette.h"

namespace zentrova::skin_gen {

Ramp::Ramp(std::initializer_list<ColorStop> stops) : stops_(stops) {}

Color Ramp::operator()(double t) const {
    if (t <= stops_.front().at) return stops_.front().color;
    for (std::size_t i = 1; i < stops_.size(); ++i) {
        if (t <= stops_[i].at) {
            const ColorStop& a = stops_[i - 1];
            const ColorStop& b = stops_[i];
            return Mix(a.color, b.color, (t - a.at) / (b.at - a.at));
        }
    }
    return stops_.back().color;
}

}  // namespace zentrova::skin_gen
