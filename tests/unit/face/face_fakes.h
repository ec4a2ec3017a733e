#pragma once
// Fakes for the services a display window's logic calls, shared by the
// face tests.

#include <gtest/gtest.h>

#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

#include "face/display_surface.h"
#include "face/display_window.h"
#include "face/services.h"

namespace zentrova::testing {

class FakeSurface : public DisplaySurface {
public:
    void SetClientSize(SizeI size) override { clientSizes.push_back(size); }
    PointI Position() const override { return position; }
    int Dpi() const override { return dpi; }
    void MoveTo(PointI leftTop) override {
        position = leftTop;
        moves.push_back(leftTop);
    }
    void SetVisible(bool value) override { visible = value; }
    void StepAside(bool aside) override { steppedAside = aside; }
    void SetZOrder(ZOrder order) override { zOrders.push_back(order); }
    void Push(const Frame&) override { ++pushes; }
    void ShowPopupMenu(PointI screen) override { menus.push_back(screen); }
    void ScheduleTicks(int delayMs) override { tickDelays.push_back(delayMs); }
    void RestartTicks(int delayMs) override {
        tickDelays.push_back(delayMs);
        restarts.push_back(delayMs);
    }
    void SetSpokenValue(const std::string& value) override { spokenValues.push_back(value); }
    void Announce(const std::string& text) override { announcements.push_back(text); }
    // The period the window's ticks run at now.
    int TickPeriod() const { return tickDelays.empty() ? 0 : tickDelays.back(); }

    PointI position;
    int dpi = 96;
    bool visible = false;
    bool steppedAside = false;
    int pushes = 0;
    std::vector<SizeI> clientSizes;
    std::vector<PointI> moves;
    std::vector<PointI> menus;
    std::vector<int> tickDelays;
    std::vector<int> restarts;  // the RestartTicks calls alone
    std::vector<ZOrder> zOrders;
    std::vector<std::string> spokenValues;
    std::vector<std::string> announcements;
};

class FakeDesktop : public Desktop {
public:
    std::span<const RectI> Monitors() const override { return monitors; }
    PointI CursorPos() const override { return cursor; }
    void DisplayChanged() override { ++displayChanges; }
    ForegroundWindow Foreground() const override { return foreground; }
    void ForegroundChanged() override { ++foregroundChanges; }
    // One screen of `size` at the origin, as most tests have it.
    void SetScreen(SizeI size) { monitors = {RectI{0, 0, size.width, size.height}}; }

    std::vector<RectI> monitors{RectI{0, 0, 1920, 1080}};
    PointI cursor;
    int displayChanges = 0;
    ForegroundWindow foreground;
    int foregroundChanges = 0;
};

// Hands out scripted values and records the bounds asked for; running dry
// or a value outside the bound fails the test.
class ScriptedRandom : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<int> values) : values_(values) {}
    void Add(std::initializer_list<int> values) { values_.insert(values_.end(), values); }
    int Next(int bound) override {
        bounds.push_back(bound);
        if (values_.empty()) {
            ADD_FAILURE() << "random source ran dry";
            return 0;
        }
        int value = values_.front();
        values_.pop_front();
        EXPECT_GE(value, 0);
        EXPECT_LT(value, bound);
        return value;
    }
    bool Exhausted() const { return values_.empty(); }

    std::vector<int> bounds;

private:
    std::deque<int> values_;
};

class FakeTime : public TimeSource {
public:
    LocalTime Now() const override { return now; }
    LocalTime UtcNow() const override { return utc; }
    void Set(int hour, int minute, int second) {
        now.hour = hour;
        now.minute = minute;
        now.second = second;
    }

    LocalTime now{2024, 5, 17, 10, 0, 0, 0};
    LocalTime utc{2024, 5, 17, 8, 0, 0, 0};
};

class FakeShell : public ShellActions {
public:
    void ShowSettingsWindow() override { ++settingsShown; }
    void EndProgram() override { ++ended; }

    int settingsShown = 0;
    int ended = 0;
};

class FakeMeasurer : public TextMeasurer {
public:
    SizeI Measure(const std::string&, int points, const std::string& text) override {
        return SizeI{static_cast<int>(text.size()) * points, points * 2};
    }
};

class CountingSink : public PositionSink {
public:
    void WritePosition() override { ++writes; }
    int writes = 0;
};

// Every service a display window needs, wired into a context.
struct FakeServices {
    FakeSurface surface;
    FakeMeasurer measurer;
    FakeDesktop desktop;
    ScriptedRandom random;
    FakeTime time;
    FakeShell shell;
    SkinSet skins;
    WorkingBitmaps bitmaps;

    DisplayContext Context() { return DisplayContext{surface, measurer, desktop, random, time, shell, skins, bitmaps}; }
};

// A visible window of another program in front: its class, rectangle, and
// for the desktop's windows whether it holds the icons and stands above
// other windows.
inline ForegroundWindow Front(const char* className, RectI window, bool icons = false, bool raised = false) {
    ForegroundWindow front;
    front.exists = front.visible = true;
    front.className = className;
    front.window = front.client = window;
    front.holdsDesktopIcons = icons;
    front.aboveOtherWindows = raised;
    return front;
}

}  // namespace zentrova::testing
