#pragma once
// A control's place from a layout table at a window's scale. The tables
// hold the 96-DPI places; the windows scale them once when they make or
// lay out their controls.

#include "face/dpi_scale.h"
#include "settings_window/settings_controls.h"

namespace zentrova {

// Left and top, right and bottom edges are scaled as points, and the width
// and height follow from them, so two controls that touch at 96 DPI still
// touch at any scale.
inline ControlPlace ScaledPlace(const ControlPlace& design, DpiScale scale) {
    const int left = scale.Pixels(design.left);
    const int top = scale.Pixels(design.top);
    return {left, top, scale.Pixels(design.left + design.width) - left, scale.Pixels(design.top + design.height) - top};
}

}  // namespace zentrova
