#pragma once
// How a display window moves: dragged with the left button, or wandering
// over the primary screen and bouncing off its edges, or, when still,
// nudged back on screen one pixel per tick and saved once inside.

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
    // Random direction case 0..3, then a magnitude 1 + r/200 for X, then Y.
    void DrawVelocity(RandomSource& random);

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
    StillStep StillTick(PointI leftTop, SizeI client, SizeI screen, PointI saved);
    // One wander tick: returns where to show the window (the position of the
    // tick before), then advances and bounces.
    PointI WanderTick(SizeI window, SizeI screen, RandomSource& random);
};

}  // namespace zentrova
