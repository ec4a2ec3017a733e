#pragma once
// Which monitor a display window belongs to, for its motion: the one it
// overlaps most, or, when it lies on none (a monitor unplugged, a lower
// resolution), the nearest one.

#include <span>

#include "face/geometry.h"

namespace zentrova {

// The monitor of `window` among `monitors` (full rectangles). Ties go to the
// earlier monitor, so the primary, listed first, wins them. With no monitor
// at all the window's own rectangle is returned, which keeps it in place.
RectI MonitorOf(std::span<const RectI> monitors, const RectI& window);

}  // namespace zentrova
