#pragma once
// First-run values that are not fixed: the display windows' positions, which
// depend on the screen and the settings window, and the seeded countdown list.

#include "face/dpi_scale.h"
#include "face/geometry.h"
#include "settings/settings.h"
#include "settings/settings_schema.h"

namespace zentrova {

struct FirstRunContext {
    int year = 0;           // today's year; seeds the countdown list
    SizeI screen;           // primary screen in pixels
    SizeI settingsWindow;   // outer size of the settings window, at its scale
    DpiScale scale;         // of the primary monitor, where the windows first stand
    // Any region but English (United States): the clock and the calendar
    // start on the system's own short date and time.
    bool regionalFormats = false;
};

// Where the settings window sits on every start: horizontally centred, its
// top a quarter of its height above the screen's middle line.
PointI SettingsWindowPosition(SizeI screen, SizeI settingsWindow);

// A display window's first-run left or top. The countdown sits below the
// clock by 5 pixels per clock size step at 96 DPI, scaled like the clock.
int FirstRunPosition(const ComputedPosition& position, const FirstRunContext& context, int clockSize);

// Seeds the list with FirstRunCountList() and sets CountMax to its length.
void SeedCountList(Settings& settings, int year);

// Gives the field of `entry` its first-run value (a KeepLoaded field is left
// alone). Positions use the ClockSize already in `settings`.
void ApplyFirstRunValue(const SettingEntry& entry, Settings& settings, const FirstRunContext& context);

}  // namespace zentrova
