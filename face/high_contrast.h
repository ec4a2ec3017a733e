#pragma once
// A frame as it shows while the system's high-contrast mode is on: the text
// in the system's window-text colour on an opaque plate of its window colour,
// whatever the skin, the shape and the transparency, so it reads at full
// contrast. The frame is otherwise the one the window composed.

#include "face/frame.h"
#include "face/geometry.h"

namespace zentrova {

struct ContrastColours {
    Rgb text;
    Rgb plate;
    friend bool operator==(const ContrastColours&, const ContrastColours&) = default;
};

// Every face pixel becomes the opaque plate, the texts take the text colour
// at full opacity. Tile 0 is the plain cell that the other tiles mark (the
// calendar's today ring): where a later tile differs from it, the mark is
// drawn in the text colour; every other tile pixel vanishes into the plate.
void ApplyHighContrast(Frame& frame, ContrastColours colours);

}  // namespace zentrova
