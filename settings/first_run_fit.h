#pragma once
// A first start that fits the screen. The first-run positions stack the
// clock and the countdown above the settings window and the calendar to
// their left; on a small or strongly scaled screen that puts them above the
// top edge, where each creeps down on its own until they overlap one
// another or the settings window. Where that arrangement does not fit, the
// group is placed afresh, each window at the free spot nearest to where the
// arrangement wanted it.

#include "face/dpi_scale.h"
#include "face/geometry.h"

namespace zentrova {

struct GroupPlacement {
    PointI clock, countdown, calendar;
    friend bool operator==(const GroupPlacement&, const GroupPlacement&) = default;
};

struct FirstRunGroup {
    RectI workArea;        // the primary monitor's, where the windows first stand
    RectI settingsWindow;  // where the settings window stands, frame included
    SizeI clock, countdown, calendar;  // the faces as first prepared
    GroupPlacement wanted;  // the first-run positions
    DpiScale scale;
};

// The wanted positions when every window lies in the work area (with the
// still windows' 2-pixel right margin), clear of the settings window and of
// the others; otherwise the clock, the countdown (moved with the clock, and
// under it where it would cover it) and the calendar, in that order, each
// where it is inside and clear of those placed before, as near as can be to
// where it was wanted. A window that finds no such spot (a screen too small
// for all four) is kept inside the work area.
GroupPlacement FitFirstRunGroup(const FirstRunGroup& group);

}  // namespace zentrova
