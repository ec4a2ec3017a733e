// The first start's arrangement on the common laptop screens: kept where it
// fits, placed afresh where it would stand above the screen's top edge.

#include "settings/first_run_fit.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "settings/first_run.h"

namespace zentrova {
namespace {

// The first start's faces and the settings window at 96 DPI, as the
// program prepares them under Wine.
constexpr SizeI kClock{232, 28};
constexpr SizeI kCountdown{229, 48};
constexpr SizeI kCalendar{202, 227};
constexpr SizeI kSettingsWindow{404, 343};
constexpr int kFirstRunClockSize = 6;
constexpr int kTaskbar = 40;  // at 96 DPI

FirstRunGroup GroupOn(SizeI screen, int dpi) {
    const DpiScale scale{dpi};
    const FirstRunContext context{2026, screen, scale.Pixels(kSettingsWindow), scale};
    const auto at = [&](DisplayWindowId window) {
        return PointI{FirstRunPosition({window, Edge::Left}, context, kFirstRunClockSize),
                      FirstRunPosition({window, Edge::Top}, context, kFirstRunClockSize)};
    };
    FirstRunGroup group;
    group.workArea = {0, 0, screen.width, screen.height - scale.Pixels(kTaskbar)};
    group.settingsWindow = RectI::At(SettingsWindowPosition(screen, context.settingsWindow), context.settingsWindow);
    group.clock = scale.Pixels(kClock);
    group.countdown = scale.Pixels(kCountdown);
    group.calendar = scale.Pixels(kCalendar);
    group.wanted = {at(DisplayWindowId::Clock), at(DisplayWindowId::Countdown), at(DisplayWindowId::Calendar)};
    group.scale = scale;
    return group;
}

bool Overlap(const RectI& a, const RectI& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Every window lies on the screen; where there is room for all four, each
// is also clear of the settings window and of the others.
TEST(FirstRunFit, EveryWindowOnScreenAndClearOfTheSettingsWindowAndTheOthers) {
    struct Screen {
        SizeI size;
        int dpi;
        bool keepsTheArrangement;
        bool roomForAll = true;
    };
    const Screen screens[] = {
        {{1024, 768}, 96, true},   {{1920, 1080}, 96, true},  {{1920, 1080}, 144, false},
        {{1366, 768}, 120, false}, {{1280, 800}, 144, false}, {{2560, 1440}, 192, false},
        {{800, 600}, 192, false, false},
    };
    for (const Screen& screen : screens) {
        const std::string what = std::to_string(screen.size.width) + "x" + std::to_string(screen.size.height) +
                                 " at " + std::to_string(screen.dpi) + " DPI";
        SCOPED_TRACE(what);
        const FirstRunGroup group = GroupOn(screen.size, screen.dpi);
        const GroupPlacement placed = FitFirstRunGroup(group);
        EXPECT_EQ(placed == group.wanted, screen.keepsTheArrangement);
        const std::array rects{RectI::At(placed.clock, group.clock), RectI::At(placed.countdown, group.countdown),
                               RectI::At(placed.calendar, group.calendar)};
        for (std::size_t i = 0; i < rects.size(); ++i) {
            const RectI& r = rects[i];
            EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= group.workArea.right - 2 &&
                        r.bottom <= group.workArea.bottom)
                << "window " << i;
            if (!screen.roomForAll) continue;
            EXPECT_FALSE(Overlap(r, group.settingsWindow)) << "window " << i;
            for (std::size_t j = 0; j < i; ++j) EXPECT_FALSE(Overlap(r, rects[j])) << i << " over " << j;
        }
        if (!screen.roomForAll) continue;
        // The countdown stays under the clock.
        EXPECT_EQ(placed.countdown.x, placed.clock.x);
        EXPECT_GT(placed.countdown.y, placed.clock.y);
    }
}

// At 150 % the arrangement stands above the top edge: each window comes
// down to it together, the countdown clear of the clock as it was meant.
TEST(FirstRunFit, At150PercentOnFullHdTheGroupComesDownToTheTopEdge) {
    const FirstRunGroup group = GroupOn({1920, 1080}, 144);
    ASSERT_EQ(group.wanted.clock, (PointI{960, -16}));
    ASSERT_LT(group.wanted.countdown.y, 42);
    const GroupPlacement placed = FitFirstRunGroup(group);
    EXPECT_EQ(placed.clock, (PointI{960, 0}));
    EXPECT_EQ(placed.countdown, (PointI{960, 45}));  // still 30 pixels at 96 DPI below the clock
    EXPECT_EQ(placed.calendar, (PointI{657, 0}));
}

}  // namespace
}  // namespace zentrova
