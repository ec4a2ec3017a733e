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

void WindowMotion::DrawVelocity(RandomSource& random) {
    // Direction first, then the magnitudes in X, Y order, so that a seeded
    // generator always gives the same start.
    int direction = random.Next(4);
    double speedX = FastSpeed(random);
    double speedY = FastSpeed(random);
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

WindowMotion::StillStep WindowMotion::StillTick(PointI leftTop, SizeI client, SizeI screen, PointI saved) {
    // The right edge keeps a 2-pixel margin; the bottom edge has none.
    const int maxLeft = screen.width - client.width - 2;
    const int maxTop = screen.height - client.height;

    // One pixel per tick and axis; each test sees the step before it, so a
    // window wider than the screen ends every tick at left 0.
    PointI p = leftTop;
    if (p.x > maxLeft) --p.x;
    if (p.x < 0) ++p.x;
    if (p.y > maxTop) --p.y;
    if (p.y < 0) ++p.y;

    StillStep step;
    step.position = p;
    bool inside = p.x >= 0 && p.x <= maxLeft && p.y >= 0 && p.y <= maxTop;
    if (p != saved && inside) {
        step.save = true;
        saved = p;
    }
    // Wandering always resumes from the last saved position.
    posX = saved.x;
    posY = saved.y;
    return step;
}

PointI WindowMotion::WanderTick(SizeI window, SizeI screen, RandomSource& random) {
    // The window shown now is where the previous tick left it.
    PointI shown{RoundHalfEven(posX), RoundHalfEven(posY)};
    posX += velX;
    posY += velY;
    if (!(posX > 0)) velX = FastSpeed(random);
    if (posX >= screen.width - window.width) velX = -SlowSpeed(random);
    if (!(posY > 0)) velY = FastSpeed(random);
    if (posY >= screen.height - window.height) velY = -SlowSpeed(random);
    return shown;
}

}  // namespace zentrova
