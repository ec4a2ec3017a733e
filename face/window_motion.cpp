#include "face/window_motion.h"

#include "face/rounding.h"

namespace zentrova {

namespace {

// 1.0 .. 1.995 pixels per tick: the speed of a fresh draw and of a bounce
// off the left or top edge.
double FastSpeed(RandomSource& random) { return 1.0 + random.Next(200) / 200.0; }

// 0.5 .. 1.495 pixels per tick: a bounce off the right or bottom edge is
// deliberately slower than one off the left or top.
double SlowSpeed(RandomSource& random) { return 0.5 + random.Next(200) / 200.0; }

}  // namespace

void WindowMotion::Place(PointI leftTop) {
    posX = leftTop.x;
    posY = leftTop.y;
}

void WindowMotion::DrawVelocity(RandomSource& random, double scale) {
    // Direction first, then the magnitudes in X, Y order, so that a seeded
    // generator always gives the same start.
    int direction = random.Next(4);
    double speedX = FastSpeed(random) * scale;
    double speedY = FastSpeed(random) * scale;
    bool negativeX = direction == 1 || direction == 3;
    bool negativeY = direction == 2 || direction == 3;
    velX = negativeX ? -speedX : speedX;
    velY = negativeY ? -speedY : speedY;
}

std::optional<PointI> WindowMotion::MouseMove(PointI cursor, PointI windowLeftTop) {
    if (!dragging) return std::nullopt;
    if (cursor == dragAnchor) return std::nullopt;
    PointI moved{windowLeftTop.x + (cursor.x - dragAnchor.x), windowLeftTop.y + (cursor.y - dragAnchor.y)};
    dragAnchor = cursor;
    return moved;
}

WindowMotion::StillStep WindowMotion::StillTick(PointI leftTop, SizeI client, const RectI& monitor, PointI saved) {
    // The right edge keeps a 2-pixel margin; the bottom edge has none.
    const int minLeft = monitor.left;
    const int minTop = monitor.top;
    const int maxLeft = monitor.right - client.width - 2;
    const int maxTop = monitor.bottom - client.height;

    // One pixel per tick and axis; each test sees the step before it, so a
    // window wider than the monitor ends every tick at its left edge.
    PointI p = leftTop;
    if (p.x > maxLeft) --p.x;
    if (p.x < minLeft) ++p.x;
    if (p.y > maxTop) --p.y;
    if (p.y < minTop) ++p.y;

    StillStep step;
    step.position = p;
    bool inside = p.x >= minLeft && p.x <= maxLeft && p.y >= minTop && p.y <= maxTop;
    if (p != saved && inside) {
        step.save = true;
        saved = p;
    }
    // Wandering always resumes from the last saved position.
    posX = saved.x;
    posY = saved.y;
    return step;
}

PointI WindowMotion::WanderTick(SizeI window, const RectI& monitor, RandomSource& random, double scale) {
    // The window shown now is where the previous tick left it.
    PointI shown{RoundHalfEven(posX), RoundHalfEven(posY)};
    posX += velX;
    posY += velY;
    if (!(posX > monitor.left)) velX = FastSpeed(random) * scale;
    if (posX >= monitor.right - window.width) velX = -SlowSpeed(random) * scale;
    if (!(posY > monitor.top)) velY = FastSpeed(random) * scale;
    if (posY >= monitor.bottom - window.height) velY = -SlowSpeed(random) * scale;
    return shown;
}

}  // namespace zentrova
