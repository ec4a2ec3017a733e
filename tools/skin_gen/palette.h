#pragma once
// Colour ramps: a stone's range of tones from its darkest to its brightest.

#include <initializer_list>
#include <vector>

#include "color.h"

namespace zentrova::skin_gen {

struct ColorStop {
    double at = 0;
    Color color;
};

class Ramp {
public:
    // Stops in rising order of position.
    Ramp(std::initializer_list<ColorStop> stops);
    // Linear between the stops, the end colours outside them.
    Color operator()(double t) const;

private:
    std::vector<ColorStop> stops_;
};

}  // namespace zentrova::skin_gen
