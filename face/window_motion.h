#pragma once
// How a display window moves: dragged with the left button, or wandering
// over its monitor and bouncing off the monitor's edges, or, when still,
// nudged back onto its monitor one pixel per tick and saved once inside.
// `monitor` is the full rectangle of the monitor the window belongs to
// (MonitorOf); on a single screen it is the screen.

#include <optional>

#include "face/display_surface.h"
#include "face/geometry.h"
#include "face/services.h"

namespace zentrova {

class WindowMotion {
public:
    double posX = 0, posY = 0;
    double velX = 0, velY = 0;
    bool dragging = false;
    PointI dragAnchor;

    // Creation: floating position from the window's placed left and top.
    void Place(PointI leftTop);
    // Random direction case 0..3, then a magnitude 1 + r/200 for X, then Y,
    // times `scale` so that the speed keeps its size on the screen.
    void DrawVelocity(RandomSource& random, double scale = 1.0);

    enum class Press { None, OpenMenu, Drag };
    // Records the anchor for any button; a left press starts a drag, a right
    // press asks for the menu at the anchor. `beforeDrag` runs between
    // reading the anchor and setting the drag (the calendar's arrow test).
    template <typename BeforeDrag>
    Press MouseDown(MouseButton button, PointI cursor, BeforeDrag&& beforeDrag) {
        dragAnchor = cursor;
        if (button == MouseButton::Right) return Press::OpenMenu;
        if (button != MouseButton::Left) return Press::None;
        beforeDrag();
        dragging = true;
        dragAnchor = cursor;
        return Press::Drag;
    }
    Press MouseDown(MouseButton button, PointI cursor) { return MouseDown(button, cursor, [] {}); }
    // The window's new left/top when a drag moves it by at least one pixel.
    std::optional<PointI> MouseMove(PointI cursor, PointI windowLeftTop);
    void MouseUp() { dragging = false; }

    struct StillStep {
        PointI position;  // where the window must be after the tick
        bool save = false;  // the saved position changed to `position`
    };
    // One still tick: creep on screen, then save when inside and changed.
    // Leaves posX/posY at the (possibly new) saved position.
    StillStep StillTick(PointI leftTop, SizeI client, const RectI& monitor, PointI saved);
    // One wander tick: returns where to show the window (the position of the
    // tick before), then advances and bounces; bounce speeds times `scale`.
    PointI WanderTick(SizeI window, const RectI& monitor, RandomSource& random, double scale = 1.0);
};

}  // namespace zentrova
