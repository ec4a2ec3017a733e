#include "face/display_window.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "face_fakes.h"

namespace zentrova {
namespace {

using testing::CountingSink;
using testing::FakeServices;
using testing::Front;

// A display window that only counts its redraws and left presses.
class CountingWindow : public DisplayWindow {
public:
    CountingWindow(DisplayContext context, MotionSettings motion) : DisplayWindow(context, motion) {}

    using DisplayWindow::ForgetLastTime;
    using DisplayWindow::PlaceAtSavedPosition;
    using DisplayWindow::SetFaceSize;

    int refreshes = 0;
    int rebuilds = 0;
    LocalTime lastRefresh;
    std::vector<PointI> leftPresses;
    bool draggingDuringPress = true;
    std::string spoken = "first";

    std::string SpokenValue() const override { return spoken; }

protected:
    void Rebuild() override { ++rebuilds; }
    void Refresh(const LocalTime& now) override {
        ++refreshes;
        lastRefresh = now;
    }
    void OnLeftPress(PointI client) override {
        leftPresses.push_back(client);
        draggingDuringPress = motion_.dragging;
    }
};

class DisplayWindowTest : public ::testing::Test {
protected:
    DisplayWindowTest() : window(services.Context(), MotionSettings{go, left, top, sink, hideFullScreen, stay}) {
        window.SetFaceSize({200, 100}, {1601, 401});
    }

    FakeServices services;
    bool go = false;
    int left = 100;
    int top = 100;
    CountingSink sink;
    bool hideFullScreen = true;
    int stay = 0;
    CountingWindow window;
};

// A screen reader hears of a change once: a repeated value is not told
// again, and a second change within the second waits for the next one.
TEST_F(DisplayWindowTest, TellsAChangedSpokenValueAtMostOnceASecond) {
    services.time.Set(10, 0, 0);
    window.OnTimer();
    window.spoken = "second";
    window.ForgetLastTime();  // a rebuild redraws within the same second
    window.OnTimer();
    EXPECT_EQ(services.surface.spokenValues, (std::vector<std::string>{"first"}));
    services.time.Set(10, 0, 1);
    window.OnTimer();
    services.time.Set(10, 0, 2);
    window.OnTimer();
    EXPECT_EQ(services.surface.spokenValues, (std::vector<std::string>{"first", "second"}));
}

TEST_F(DisplayWindowTest, RedrawsOnlyWhenTheSecondChanges) {
    services.surface.position = {100, 100};
    services.time.Set(10, 0, 0);
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 1);
    EXPECT_EQ(window.LastTime(), (TimeOfDay{10, 0, 0}));

    services.time.now.millisecond = 500;
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 1);

    services.time.Set(10, 0, 1);
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 2);
    EXPECT_EQ(window.lastRefresh.second, 1);

    window.ForgetLastTime();
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 3);
}

// The program's once-a-second work is handed each new second once, also
// while the window stands aside for a full-screen program.
TEST_F(DisplayWindowTest, HandsEachNewSecondToItsListenerOnce) {
    std::vector<int> seconds;
    window.OnNewSecond([&](const LocalTime& now) { seconds.push_back(now.second); });
    ForegroundWindow video;
    video.exists = video.visible = true;
    video.window = video.client = services.desktop.monitors[0];
    // Second, millisecond, a full-screen program in front.
    for (const auto& [second, millisecond, covered] :
         {std::tuple{0, 5, false}, {0, 500, false}, {1, 5, true}, {2, 5, true}, {2, 700, false}}) {
        services.time.Set(10, 0, second);
        services.time.now.millisecond = millisecond;
        services.desktop.foreground = covered ? video : ForegroundWindow{};
        window.OnTimer();
        EXPECT_EQ(window.SteppedAside(), covered) << second;
    }
    EXPECT_EQ(seconds, (std::vector<int>{0, 1, 2}));
}

TEST_F(DisplayWindowTest, ForgottenTimeAtMidnightWaitsForTheNextSecond) {
    services.time.Set(0, 0, 0);
    window.ForgetLastTime();
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 0);
}

TEST_F(DisplayWindowTest, StillTickWritesPositionOnceWhenItArrivesInside) {
    services.surface.position = {-2, 100};
    left = -2;
    window.OnTimer();
    EXPECT_EQ(services.surface.position, (PointI{-1, 100}));
    EXPECT_EQ(sink.writes, 0);

    window.OnTimer();
    EXPECT_EQ(services.surface.position, (PointI{0, 100}));
    EXPECT_EQ(sink.writes, 1);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(top, 100);

    const std::size_t movesBefore = services.surface.moves.size();
    window.OnTimer();
    EXPECT_EQ(sink.writes, 1);
    EXPECT_EQ(services.surface.moves.size(), movesBefore);  // nothing to move
}

TEST_F(DisplayWindowTest, DraggedStillWindowIsSavedOnTheNextTick) {
    services.surface.position = {100, 100};
    services.desktop.cursor = {150, 150};
    window.OnMouseDown(MouseButton::Left, {50, 50});
    services.desktop.cursor = {160, 145};
    window.OnMouseMove();
    services.desktop.cursor = {170, 140};
    window.OnMouseMove();
    EXPECT_EQ(services.surface.position, (PointI{120, 90}));
    EXPECT_EQ(sink.writes, 0);  // the drag itself writes nothing

    window.OnTimer();
    EXPECT_EQ(sink.writes, 1);
    EXPECT_EQ(left, 120);
    EXPECT_EQ(top, 90);
    EXPECT_DOUBLE_EQ(window.Motion().posX, 120);
}

TEST_F(DisplayWindowTest, WanderTickMovesToFloatingPositionAndNeverSaves) {
    go = true;
    window.Motion().posX = 10.5;
    window.Motion().posY = 20.5;
    window.Motion().velX = 1.0;
    window.Motion().velY = 1.0;
    window.OnTimer();
    window.OnTimer();
    ASSERT_EQ(services.surface.moves.size(), 2u);
    EXPECT_EQ(services.surface.moves[0], (PointI{10, 20}));
    EXPECT_EQ(services.surface.moves[1], (PointI{12, 22}));  // 11.5 -> 12, 21.5 -> 22
    EXPECT_EQ(sink.writes, 0);
    EXPECT_EQ(left, 100);
}

TEST_F(DisplayWindowTest, WanderBouncesOffTheFaceSizedRightEdge) {
    go = true;
    services.desktop.SetScreen({1000, 800});
    window.Motion().posX = 799.5;  // 1000 - 200 face width - 0.5
    window.Motion().posY = 300;
    window.Motion().velX = 1.0;
    window.Motion().velY = 0.0;
    services.random.Add({0});
    window.OnTimer();
    EXPECT_DOUBLE_EQ(window.Motion().velX, -0.5);
}

// The tick runs every 30 ms only while something moves; a window at rest
// sleeps until just after the next second, when its texts may change.
TEST_F(DisplayWindowTest, ARestingWindowTicksJustAfterEachSecondAndAMovingOneEvery30Ms) {
    services.surface.position = {100, 100};
    services.time.Set(10, 0, 0);
    services.time.now.millisecond = 250;
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), 755);

    // A timer firing a little early still gets a full period, never less
    // than the moving one.
    services.time.now.millisecond = 990;
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);

    // Off screen: the window creeps back on every 30 ms tick, and rests once
    // the position it arrived at is saved.
    services.desktop.SetScreen({1000, 800});
    services.surface.position = {799, 100};  // 1 px beyond the 2 px right margin
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    EXPECT_EQ(sink.writes, 1);
    services.time.now.millisecond = 10;
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), 995);

    go = true;
    window.Motion().velX = 1.0;
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
}

TEST_F(DisplayWindowTest, DragsAndNewFacesWakeARestingWindowAtOnce) {
    services.surface.position = {100, 100};
    window.OnTimer();
    ASSERT_GT(services.surface.TickPeriod(), kDisplayTimerMs);

    window.ForgetLastTime();  // what face preparation does
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    window.OnTimer();
    ASSERT_GT(services.surface.TickPeriod(), kDisplayTimerMs);

    // The menu button does not wake it; the drag button does, and the window
    // keeps ticking fast while the button is held.
    window.OnMouseDown(MouseButton::Right, {1, 1});
    EXPECT_GT(services.surface.TickPeriod(), kDisplayTimerMs);
    window.OnMouseDown(MouseButton::Left, {1, 1});
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    window.OnTimer();
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    window.OnMouseUp(MouseButton::Left);
    window.OnTimer();
    EXPECT_GT(services.surface.TickPeriod(), kDisplayTimerMs);

    window.Wake();
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
}

TEST_F(DisplayWindowTest, RightPressOpensMenuAtCursorWithoutDrag) {
    services.desktop.cursor = {640, 480};
    window.OnMouseDown(MouseButton::Right, {3, 4});
    ASSERT_EQ(services.surface.menus.size(), 1u);
    EXPECT_EQ(services.surface.menus[0], (PointI{640, 480}));
    EXPECT_FALSE(window.Motion().dragging);
    EXPECT_TRUE(window.leftPresses.empty());
}

TEST_F(DisplayWindowTest, LeftPressRunsHookWithClientPointThenDrags) {
    services.desktop.cursor = {640, 480};
    window.OnMouseDown(MouseButton::Left, {3, 4});
    ASSERT_EQ(window.leftPresses.size(), 1u);
    EXPECT_EQ(window.leftPresses[0], (PointI{3, 4}));
    EXPECT_FALSE(window.draggingDuringPress);
    EXPECT_TRUE(window.Motion().dragging);
    EXPECT_TRUE(services.surface.menus.empty());

    window.OnMouseUp(MouseButton::Left);
    services.desktop.cursor = {700, 500};
    window.OnMouseMove();
    EXPECT_TRUE(services.surface.moves.empty());
}

TEST_F(DisplayWindowTest, MoveWithCursorAtAnchorDoesNotMoveWindow) {
    services.desktop.cursor = {640, 480};
    window.OnMouseDown(MouseButton::Left, {3, 4});
    window.OnMouseMove();
    EXPECT_TRUE(services.surface.moves.empty());
}

TEST_F(DisplayWindowTest, PopupCommandsReachTheShell) {
    window.OnPopupCommand(PopupCommand::Settings);
    EXPECT_EQ(services.shell.settingsShown, 1);
    EXPECT_EQ(services.shell.ended, 0);
    window.OnPopupCommand(PopupCommand::Close);
    EXPECT_EQ(services.shell.ended, 1);
    window.OnKeyDown(27);  // only the clock closes on Escape
    EXPECT_EQ(services.shell.ended, 1);
}

TEST_F(DisplayWindowTest, PlacementUsesSavedPositionAndDrawsVelocity) {
    left = -30;
    top = 40;
    services.random.Add({3, 0, 199});
    window.PlaceAtSavedPosition();
    EXPECT_EQ(services.surface.position, (PointI{-30, 40}));
    EXPECT_DOUBLE_EQ(window.Motion().posX, -30);
    EXPECT_DOUBLE_EQ(window.Motion().posY, 40);
    EXPECT_DOUBLE_EQ(window.Motion().velX, -1.0);
    EXPECT_DOUBLE_EQ(window.Motion().velY, -1.995);
}

TEST_F(DisplayWindowTest, FaceSizeIsClampedAndBecomesClientSize) {
    window.SetFaceSize({4000, 0}, {1601, 401});
    EXPECT_EQ(window.FaceSize(), (SizeI{1601, 1}));
    EXPECT_EQ(services.surface.clientSizes.back(), (SizeI{1601, 1}));
}

// After a resume, a change of the clock or of the time zone, the window
// redraws at once, whatever the second, and its timer is set afresh.
TEST_F(DisplayWindowTest, ACatchUpRedrawsAtOnceAndRestartsTheTicks) {
    services.surface.position = {100, 100};
    services.time.Set(10, 0, 0);
    services.time.now.millisecond = 250;
    window.OnTimer();
    ASSERT_EQ(window.refreshes, 1);
    ASSERT_TRUE(services.surface.restarts.empty());

    // The machine slept a whole day to the second: an ordinary tick sees
    // nothing new, a catch-up redraws with the new date.
    services.time.now.day += 1;
    window.OnTimer();
    EXPECT_EQ(window.refreshes, 1);
    window.CatchUp();
    EXPECT_EQ(window.refreshes, 2);
    EXPECT_EQ(window.lastRefresh.day, services.time.now.day);
    // Resting, its next tick comes just after the next second, from now.
    EXPECT_EQ(services.surface.restarts, (std::vector<int>{755}));

    // Even at midnight, where a forgotten time waits for the next second.
    services.time.Set(0, 0, 0);
    window.ForgetLastTime();
    window.CatchUp();
    EXPECT_EQ(window.refreshes, 3);
}

TEST_F(DisplayWindowTest, TakesTheScaleOfItsMonitorAtPlacementAndRebuildsOnlyOnAChange) {
    services.surface.dpi = 144;
    services.random.Add({0, 100, 100});
    window.PlaceAtSavedPosition();
    EXPECT_EQ(window.Scale().Dpi(), 144);
    EXPECT_DOUBLE_EQ(window.Motion().velX, 2.25);  // 1.5 pixels per tick at 96 DPI

    window.OnDpiChanged(144);
    EXPECT_EQ(window.rebuilds, 0);
    window.OnDpiChanged(96);
    EXPECT_EQ(window.rebuilds, 1);
    EXPECT_EQ(window.Scale().Dpi(), 96);
    EXPECT_DOUBLE_EQ(window.Motion().velX, 1.5);  // the same speed on the screen
    window.OnDpiChanged(192);
    EXPECT_EQ(window.rebuilds, 2);
    EXPECT_DOUBLE_EQ(window.Motion().velY, 3.0);
}

// A still window stands on a second monitor, which is unplugged: the
// display change reads the monitors again at once and the window creeps
// onto the one left, on 30 ms ticks, and is saved there.
TEST_F(DisplayWindowTest, AMonitorRemovedUnderAStillWindowSendsItOntoTheNearest) {
    services.desktop.monitors = {RectI{0, 0, 1000, 800}, RectI{1000, 0, 2000, 800}};
    services.surface.position = {1500, 300};
    left = 1500;
    top = 300;
    window.OnTimer();
    EXPECT_EQ(services.surface.position, (PointI{1500, 300}));  // at home on the second
    ASSERT_GT(services.surface.TickPeriod(), kDisplayTimerMs);

    services.desktop.monitors = {RectI{0, 0, 1000, 800}};
    window.OnDisplayChange();
    EXPECT_EQ(services.desktop.displayChanges, 1);
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    for (int tick = 0; tick < 1500 - 798; ++tick) window.OnTimer();
    EXPECT_EQ(services.surface.position, (PointI{798, 300}));  // 1000 - 200 - 2
    EXPECT_EQ(left, 798);
    EXPECT_EQ(sink.writes, 1);
}

// A full-screen program comes to the front on the window's monitor: the
// window hides without moving or saving, keeps drawing its texts, and comes
// back where it was when the program leaves; on another monitor, or with
// the option off, it stays.
TEST_F(DisplayWindowTest, StepsAsideMotionlessWhileAFullScreenProgramCoversItsMonitor) {
    services.desktop.monitors = {RectI{0, 0, 1000, 800}, RectI{1000, 0, 2000, 800}};
    services.surface.position = {-5, 300};  // off screen: it would creep and save
    ForegroundWindow video;
    video.exists = video.visible = true;
    video.window = video.client = services.desktop.monitors[0];
    services.desktop.foreground = video;
    services.time.Set(10, 0, 0);

    window.OnForegroundChange();
    EXPECT_EQ(services.desktop.foregroundChanges, 1);
    EXPECT_TRUE(services.surface.steppedAside);
    EXPECT_TRUE(window.SteppedAside());
    go = true;
    window.Motion().velX = 1.0;
    for (int second = 1; second <= 3; ++second) {
        services.time.Set(10, 0, second);
        window.OnTimer();
        EXPECT_GT(services.surface.TickPeriod(), kDisplayTimerMs);  // at rest, once a second
    }
    EXPECT_TRUE(services.surface.moves.empty());
    EXPECT_EQ(sink.writes, 0);
    EXPECT_EQ(window.refreshes, 4);

    // The program leaves the front: back at once, where it was, and moving.
    go = false;
    services.desktop.foreground = {};
    window.OnForegroundChange();
    EXPECT_FALSE(services.surface.steppedAside);
    EXPECT_EQ(window.refreshes, 5);  // drawn afresh on coming back
    EXPECT_EQ(services.surface.moves, (std::vector<PointI>{{-4, 300}}));

    // The same program on the other monitor, or with the option off.
    services.desktop.foreground = video;
    services.desktop.foreground.window = services.desktop.foreground.client = services.desktop.monitors[1];
    window.OnTimer();
    EXPECT_FALSE(services.surface.steppedAside);
    services.desktop.foreground = video;
    hideFullScreen = false;
    window.OnTimer();
    EXPECT_FALSE(services.surface.steppedAside);
    hideFullScreen = true;
    window.OnTimer();
    EXPECT_TRUE(services.surface.steppedAside);
}

// Each mode asks for its place before the window first shows and again when
// the user picks another; only a window on the desktop asks again after a
// change in front (something may have raised it): an ordinary window would
// come up over the window the user just activated.
TEST_F(DisplayWindowTest, AsksForItsPlaceWhenItsModeNeedsIt) {
    using Z = ZOrder;
    const std::vector<ZOrder> asked[] = {{Z::Topmost}, {Z::Normal}, {Z::OverDesktop, Z::OverDesktop}};
    const ZOrder afterPickingTheNext[] = {Z::Normal, Z::OverDesktop, Z::Topmost};
    for (stay = 0; stay < 3; ++stay) {
        SCOPED_TRACE(stay);
        services.surface.zOrders.clear();
        CountingWindow fresh(services.Context(), MotionSettings{go, left, top, sink, hideFullScreen, stay});
        services.random.Add({0, 0, 0});
        fresh.PlaceAtSavedPosition();
        fresh.OnTimer();
        fresh.OnForegroundChange();
        EXPECT_EQ(services.surface.zOrders, asked[stay]);
        const int picked = stay;
        stay = (stay + 1) % 3;
        fresh.OnTimer();
        EXPECT_EQ(fresh.CurrentZOrder(), afterPickingTheNext[picked]);
        stay = picked;
    }
}

// A window on the desktop through Show desktop and its undo: lifted while
// the desktop stands in front of the windows, kept in place while our own
// window is in front, asking nothing while stepped aside for a full-screen
// program, and back under the windows after. It looks again at the short
// period for a moment after each change in front.
TEST_F(DisplayWindowTest, OnTheDesktopFollowsTheWindowInFront) {
    const RectI screen = services.desktop.monitors[0];
    ForegroundWindow own = Front("ZentrovaSettings", {100, 100, 500, 400});
    own.ownProcess = true;
    const std::pair<ForegroundWindow, std::vector<ZOrder>> steps[] = {
        {Front("WorkerW", screen, true, true), {ZOrder::UnderTopmost}}, {own, {}}, {Front("VideoPlayer", screen), {}},
        {Front("Notepad", {100, 100, 800, 600}), {ZOrder::OverDesktop}}};
    stay = 2;
    services.time.Set(10, 0, 0);
    for (const auto& [front, asked] : steps) {
        services.surface.zOrders.clear();
        services.desktop.foreground = front;
        window.OnForegroundChange();
        EXPECT_EQ(services.surface.zOrders, asked);
    }
    EXPECT_EQ(services.surface.TickPeriod(), kDisplayTimerMs);
    for (int tick = 0; tick < 1000 / kDisplayTimerMs; ++tick) window.OnTimer();
    EXPECT_GT(services.surface.TickPeriod(), kDisplayTimerMs);
}

}  // namespace
}  // namespace zentrova
