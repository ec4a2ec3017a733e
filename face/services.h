#pragma once
// Services of the system that the display windows' logic calls. The platform
// provides the real ones; tests put fakes behind them.

#include <cstdint>
#include <span>
#include <string>

#include "face/full_screen.h"
#include "face/geometry.h"
#include "face/pointer_input.h"
#include "settings/date_time.h"

namespace zentrova {

// Text extent at 96 DPI, whatever the screen's DPI: family at a size in
// points (a point is 4/3 of a pixel there). Windows scale what they
// measure by their own DPI, so nothing is scaled twice.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual SizeI Measure(const std::string& family, int points, const std::string& text) = 0;
    // The extent of a text in a drawing font, whose em is sized in pixels.
    // The default takes the pixels for points, which suits measurers that
    // make no difference between the two (the tests'); the platform's
    // measures the drawing font itself.
    virtual SizeI MeasurePixels(const std::string& family, int emPixels, bool bold, const std::string& text) {
        (void)bold;
        return Measure(family, emPixels, text);
    }
};

class Desktop {
public:
    virtual ~Desktop() = default;
    // Every monitor's full rectangle in screen pixels, the primary first;
    // never empty. Kept between calls until DisplayChanged.
    virtual std::span<const RectI> Monitors() const = 0;
    virtual PointI CursorPos() const = 0;
    // The monitors were added, removed, moved or resized: read them again.
    virtual void DisplayChanged() = 0;
    // The window in front and what the system says of full-screen programs.
    // A desktop that cannot tell has nothing in front.
    virtual ForegroundWindow Foreground() const { return {}; }
    // Another window came to the front: Foreground must look again.
    virtual void ForegroundChanged() {}
    // The user's drag rectangle and double-click time.
    virtual ClickLimits Clicks() const { return {}; }
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual int Next(int bound) = 0;  // uniform in 0..bound-1
};

class TimeSource {
public:
    virtual ~TimeSource() = default;
    virtual LocalTime Now() const = 0;
    // The universal time, from which another zone's time is worked out.
    virtual LocalTime UtcNow() const = 0;
    // A running count of milliseconds for measuring short spans, such as a
    // press and its release; by default from the local time.
    virtual std::int64_t Milliseconds() const;
};

// What a display window asks of the application shell.
class ShellActions {
public:
    virtual ~ShellActions() = default;
    virtual void ShowSettingsWindow() = 0;
    virtual void EndProgram() = 0;  // closes the main (clock) window
    // The menu's "Remove this clock", which only the clocks after the first offer.
    virtual void RemoveThisWindow() {}
};

}  // namespace zentrova
