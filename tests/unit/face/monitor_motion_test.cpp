// Still creep and wander on desktops of several monitors: a window belongs
// to the monitor it overlaps most (or the nearest), and stays inside it.

#include <gtest/gtest.h>

#include <vector>

#include "face/monitor_layout.h"
#include "face/window_motion.h"
#include "face_fakes.h"

namespace zentrova {
namespace {

using testing::ScriptedRandom;

constexpr SizeI kClient{200, 100};
// A 1920 x 1080 primary with a taller 1280 x 1024... monitor right of it,
// its top 200 pixels higher: every edge of the second differs.
constexpr RectI kPrimary{0, 0, 1920, 1080};
constexpr RectI kRight{1920, -200, 3200, 824};
const std::vector<RectI> kTwo{kPrimary, kRight};

TEST(MonitorOf, OverlapDecidesThenDistanceThenThePrimary) {
    struct Case {
        const char* what;
        PointI at;
        RectI expected;
    } cases[] = {
        {"inside the primary", {100, 100}, kPrimary},
        {"inside the right one", {2500, 0}, kRight},
        {"mostly right", {1860, 100}, kRight},         // 140 of 200 columns on the right one
        {"mostly primary", {1800, 100}, kPrimary},     // 120 of 200 on the primary
        {"half and half", {1820, 100}, kPrimary},      // 100 / 100: the tie goes to the primary
        {"above the right one", {2500, -900}, kRight},  // on none: the nearest
        {"far right", {5000, 300}, kRight},
        {"left of all", {-700, 500}, kPrimary},
        {"below the right one, nearer the primary", {1930, 1000}, kPrimary},
    };
    for (const Case& c : cases) EXPECT_EQ(MonitorOf(kTwo, RectI::At(c.at, kClient)), c.expected) << c.what;
    const RectI alone = RectI::At({5, 6}, kClient);
    EXPECT_EQ(MonitorOf({}, alone), alone);
}

// Still ticks against the monitor the window belongs to at each tick.
PointI CreepFor(const std::vector<RectI>& monitors, PointI start, int ticks, int* saves = nullptr) {
    WindowMotion motion;
    PointI position = start;
    PointI saved = start;
    for (int i = 0; i < ticks; ++i) {
        const RectI monitor = MonitorOf(monitors, RectI::At(position, kClient));
        const WindowMotion::StillStep step = motion.StillTick(position, kClient, monitor, saved);
        position = step.position;
        if (step.save) {
            saved = position;
            if (saves) ++*saves;
        }
    }
    return position;
}

TEST(StillCreepOnMonitors, AWindowOnTheSecondMonitorStaysThereAndIsSaved) {
    int saves = 0;
    EXPECT_EQ(CreepFor(kTwo, {2500, -150}, 20, &saves), (PointI{2500, -150}));
    EXPECT_EQ(saves, 0);  // already saved where it stands: nothing to write

    // Dragged past the right one's top: it creeps down into it, not toward
    // the primary's top at 0.
    EXPECT_EQ(CreepFor(kTwo, {2500, -210}, 30, &saves), (PointI{2500, -200}));
    EXPECT_EQ(saves, 1);
    // Straddling, mostly on the right one: it creeps fully onto it, keeping
    // the 2-pixel margin only at a monitor's right edge.
    EXPECT_EQ(CreepFor(kTwo, {1860, 100}, 200), (PointI{1920, 100}));
    EXPECT_EQ(CreepFor(kTwo, {3100, 100}, 200), (PointI{3200 - 200 - 2, 100}));
}

TEST(StillCreepOnMonitors, OneMonitorIsTodaysScreen) {
    const std::vector<RectI> one{kPrimary};
    EXPECT_EQ(CreepFor(one, {2500, -150}, 800), (PointI{1920 - 200 - 2, 0}));
    EXPECT_EQ(CreepFor(one, {-50, 300}, 50), (PointI{0, 300}));
}

TEST(StillCreepOnMonitors, AWindowLeftOnAnUnpluggedMonitorCreepsOntoTheNearest) {
    // It stood on the right one, which is gone.
    const std::vector<RectI> onlyPrimary{kPrimary};
    PointI position = CreepFor(onlyPrimary, {2500, -150}, 100);
    EXPECT_EQ(position, (PointI{2400, -50}));  // one pixel per tick and axis
    position = CreepFor(onlyPrimary, position, 700);
    EXPECT_EQ(position, (PointI{1920 - 200 - 2, 0}));
}

TEST(WanderOnMonitors, BouncesOffTheEdgesOfItsOwnMonitor) {
    WindowMotion motion;
    motion.posX = kRight.right - kClient.width - 0.5;
    motion.posY = kRight.top + 0.5;
    motion.velX = 1.0;
    motion.velY = -1.0;
    ScriptedRandom random{0, 0};
    motion.WanderTick(kClient, kRight, random);
    EXPECT_DOUBLE_EQ(motion.velX, -0.5);  // off the right one's right edge
    EXPECT_DOUBLE_EQ(motion.velY, 1.0);   // off its top at -200, not the primary's 0
    EXPECT_TRUE(random.Exhausted());

    // Crossing x = 1920 from the right one is a bounce off its left edge.
    motion.posX = kRight.left + 0.5;
    motion.posY = 300;
    motion.velX = -1.0;
    motion.velY = 0.0;
    random.Add({100});
    EXPECT_EQ(motion.WanderTick(kClient, kRight, random), (PointI{1920, 300}));
    EXPECT_DOUBLE_EQ(motion.velX, 1.5);
}

TEST(WanderOnMonitors, SpeedsScaleWithTheWindowsDpi) {
    struct Case {
        double scale;
        double draw, fastBounce, slowBounce;
    } cases[] = {{1.0, 1.5, 1.5, 1.0}, {1.25, 1.875, 1.875, 1.25}, {1.5, 2.25, 2.25, 1.5}, {2.0, 3.0, 3.0, 2.0}};
    for (const Case& c : cases) {
        WindowMotion motion;
        ScriptedRandom random{0, 100, 100};
        motion.DrawVelocity(random, c.scale);
        EXPECT_DOUBLE_EQ(motion.velX, c.draw);
        EXPECT_DOUBLE_EQ(motion.velY, c.draw);

        motion.posX = 0.5;
        motion.posY = kPrimary.bottom - kClient.height - 0.5;
        motion.velX = -1.0;
        motion.velY = 1.0;
        random.Add({100, 100});
        motion.WanderTick(kClient, kPrimary, random, c.scale);
        EXPECT_DOUBLE_EQ(motion.velX, c.fastBounce) << c.scale;
        EXPECT_DOUBLE_EQ(motion.velY, -c.slowBounce) << c.scale;
    }
}

}  // namespace
}  // namespace zentrova
