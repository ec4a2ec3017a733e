#include "face/window_motion.h"

#include <gtest/gtest.h>

#include <string>

#include "face_fakes.h"

namespace zentrova {
namespace {

using testing::ScriptedRandom;

constexpr SizeI kScreen{1920, 1080};
constexpr RectI kMonitor{0, 0, kScreen.width, kScreen.height};
constexpr SizeI kClient{200, 100};

// Runs still ticks as the window would, moving to each step's position and
// adopting each save; returns the tick numbers (1-based) that saved.
struct StillRun {
    PointI position;
    PointI saved;
    std::vector<int> saveTicks;
};

StillRun RunStill(WindowMotion& motion, PointI start, PointI saved, SizeI client, int ticks) {
    StillRun run{start, saved, {}};
    for (int tick = 1; tick <= ticks; ++tick) {
        WindowMotion::StillStep step = motion.StillTick(run.position, client, kMonitor, run.saved);
        run.position = step.position;
        if (step.save) {
            run.saved = step.position;
            run.saveTicks.push_back(tick);
        }
    }
    return run;
}

TEST(StillCreep, WindowLeftOfScreenCreepsBackAndIsSavedOnArrival) {
    WindowMotion motion;
    StillRun run = RunStill(motion, {-50, 300}, {-50, 300}, kClient, 49);
    EXPECT_EQ(run.position, (PointI{-1, 300}));
    EXPECT_TRUE(run.saveTicks.empty());

    run = RunStill(motion, run.position, run.saved, kClient, 1);
    EXPECT_EQ(run.position, (PointI{0, 300}));
    EXPECT_EQ(run.saveTicks, std::vector<int>{1});
    EXPECT_EQ(motion.posX, 0);
    EXPECT_EQ(motion.posY, 300);
}

TEST(StillCreep, RightEdgeKeepsTwoPixelMargin) {
    WindowMotion motion;
    const int left = kScreen.width - kClient.width - 1;
    StillRun run = RunStill(motion, {left, 10}, {0, 0}, kClient, 1);
    EXPECT_EQ(run.position.x, kScreen.width - kClient.width - 2);
    EXPECT_EQ(run.saveTicks.size(), 1u);
    EXPECT_EQ(run.saved, run.position);
}

TEST(StillCreep, BottomEdgeHasNoMargin) {
    WindowMotion motion;
    const int top = kScreen.height - kClient.height;
    StillRun run = RunStill(motion, {10, top}, {0, 0}, kClient, 1);
    EXPECT_EQ(run.position, (PointI{10, top}));
    EXPECT_EQ(run.saved, (PointI{10, top}));

    run = RunStill(motion, {10, top + 1}, {0, 0}, kClient, 1);
    EXPECT_EQ(run.position.y, top);
}

TEST(StillCreep, WindowWiderThanScreenSettlesAtZeroAndIsNeverSaved) {
    WindowMotion motion;
    const SizeI wide{2000, 100};
    for (PointI start : {PointI{0, 50}, PointI{3, 50}}) {
        StillRun run = RunStill(motion, start, {7, 7}, wide, 10);
        EXPECT_EQ(run.position, (PointI{0, 50}));
        EXPECT_TRUE(run.saveTicks.empty());
        EXPECT_EQ(motion.posX, 7);  // floating position stays at the last save
    }
}

struct BounceCase {
    int r;
    double velocity;
};

class WanderLeftBounce : public ::testing::TestWithParam<BounceCase> {};

TEST_P(WanderLeftBounce, ShowsPreviousPositionThenSendsWindowRight) {
    WindowMotion motion;
    motion.posX = 0.4;
    motion.posY = 500;
    motion.velX = -1.2;
    motion.velY = 0;
    ScriptedRandom random{GetParam().r};
    PointI shown = motion.WanderTick(kClient, kMonitor, random);
    EXPECT_EQ(shown, (PointI{0, 500}));
    EXPECT_DOUBLE_EQ(motion.posX, 0.4 - 1.2);
    EXPECT_DOUBLE_EQ(motion.velX, GetParam().velocity);
    EXPECT_EQ(motion.velY, 0);
    EXPECT_TRUE(random.Exhausted());
}

INSTANTIATE_TEST_SUITE_P(Magnitudes, WanderLeftBounce,
                         ::testing::Values(BounceCase{0, 1.0}, BounceCase{100, 1.5}, BounceCase{199, 1.995}),
                         [](const auto& info) { return "R" + std::to_string(info.param.r); });

class WanderFarBounce : public ::testing::TestWithParam<BounceCase> {};

TEST_P(WanderFarBounce, RightAndBottomEdgesSendBackSlower) {
    WindowMotion motion;
    motion.posX = kScreen.width - kClient.width - 0.5;
    motion.posY = kScreen.height - kClient.height - 1.0;
    motion.velX = 1.0;
    motion.velY = 1.0;
    ScriptedRandom random{GetParam().r, GetParam().r};
    motion.WanderTick(kClient, kMonitor, random);
    EXPECT_DOUBLE_EQ(motion.velX, -GetParam().velocity);
    EXPECT_DOUBLE_EQ(motion.velY, -GetParam().velocity);
    EXPECT_TRUE(random.Exhausted());
}

INSTANTIATE_TEST_SUITE_P(Magnitudes, WanderFarBounce,
                         ::testing::Values(BounceCase{0, 0.5}, BounceCase{100, 1.0}, BounceCase{199, 1.495}),
                         [](const auto& info) { return "R" + std::to_string(info.param.r); });

TEST(WanderTick, TopEdgeBounceAndHalvesToEven) {
    WindowMotion motion;
    motion.posX = 2.5;
    motion.posY = 3.5;
    motion.velX = 1.0;
    motion.velY = -4.0;
    ScriptedRandom random{40};
    PointI shown = motion.WanderTick(kClient, kMonitor, random);
    EXPECT_EQ(shown, (PointI{2, 4}));
    EXPECT_DOUBLE_EQ(motion.posY, -0.5);
    EXPECT_DOUBLE_EQ(motion.velY, 1.2);
    EXPECT_DOUBLE_EQ(motion.velX, 1.0);
}

TEST(WanderTick, NoBounceDrawsNoRandomNumber) {
    WindowMotion motion;
    motion.posX = 300;
    motion.posY = 300;
    motion.velX = -1.5;
    motion.velY = 1.25;
    ScriptedRandom random;
    EXPECT_EQ(motion.WanderTick(kClient, kMonitor, random), (PointI{300, 300}));
    EXPECT_EQ(motion.WanderTick(kClient, kMonitor, random), (PointI{298, 301}));  // 298.5 -> 298
    EXPECT_TRUE(random.bounds.empty());
}

struct VelocityCase {
    int direction;
    double velX;
    double velY;
};

class VelocityDraw : public ::testing::TestWithParam<VelocityCase> {};

TEST_P(VelocityDraw, DirectionThenXThenYMagnitude) {
    WindowMotion motion;
    ScriptedRandom random{GetParam().direction, 10, 150};
    motion.DrawVelocity(random);
    EXPECT_DOUBLE_EQ(motion.velX, GetParam().velX);
    EXPECT_DOUBLE_EQ(motion.velY, GetParam().velY);
    EXPECT_EQ(random.bounds, (std::vector<int>{4, 200, 200}));
}

INSTANTIATE_TEST_SUITE_P(Directions, VelocityDraw,
                         ::testing::Values(VelocityCase{0, 1.05, 1.75}, VelocityCase{1, -1.05, 1.75},
                                           VelocityCase{2, 1.05, -1.75}, VelocityCase{3, -1.05, -1.75}),
                         [](const auto& info) { return "Case" + std::to_string(info.param.direction); });

TEST(MousePress, RightOpensMenuAtCursorAndStartsNoDrag) {
    WindowMotion motion;
    bool hookRan = false;
    auto press = motion.MouseDown(MouseButton::Right, {40, 50}, [&] { hookRan = true; });
    EXPECT_EQ(press, WindowMotion::Press::OpenMenu);
    EXPECT_EQ(motion.dragAnchor, (PointI{40, 50}));
    EXPECT_FALSE(motion.dragging);
    EXPECT_FALSE(hookRan);
}

TEST(MousePress, MiddleOnlyRecordsAnchor) {
    WindowMotion motion;
    EXPECT_EQ(motion.MouseDown(MouseButton::Middle, {7, 8}), WindowMotion::Press::None);
    EXPECT_EQ(motion.dragAnchor, (PointI{7, 8}));
    EXPECT_FALSE(motion.dragging);
    EXPECT_FALSE(motion.MouseMove({20, 20}, {100, 100}).has_value());
}

TEST(MousePress, LeftRunsHookBeforeDragStarts) {
    WindowMotion motion;
    bool draggingSeenByHook = true;
    PointI anchorSeenByHook;
    auto press = motion.MouseDown(MouseButton::Left, {7, 8}, [&] {
        draggingSeenByHook = motion.dragging;
        anchorSeenByHook = motion.dragAnchor;
    });
    EXPECT_EQ(press, WindowMotion::Press::Drag);
    EXPECT_FALSE(draggingSeenByHook);
    EXPECT_EQ(anchorSeenByHook, (PointI{7, 8}));
    EXPECT_TRUE(motion.dragging);
}

TEST(MouseDrag, MovesByCursorDeltaAndFollowsTheCursor) {
    WindowMotion motion;
    motion.MouseDown(MouseButton::Left, {500, 400});

    EXPECT_FALSE(motion.MouseMove({500, 400}, {100, 100}).has_value());

    auto moved = motion.MouseMove({503, 398}, {100, 100});
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, (PointI{103, 98}));
    EXPECT_EQ(motion.dragAnchor, (PointI{503, 398}));

    moved = motion.MouseMove({503, 399}, *moved);  // one pixel on one axis is enough
    ASSERT_TRUE(moved.has_value());
    EXPECT_EQ(*moved, (PointI{103, 99}));

    motion.MouseUp();
    EXPECT_FALSE(motion.dragging);
    EXPECT_FALSE(motion.MouseMove({600, 600}, {103, 99}).has_value());
}

}  // namespace
}  // namespace zentrova
