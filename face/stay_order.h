#pragma once
// Where a display window stands among the other windows: always on top, as
// an ordinary window, or on the desktop under every ordinary window. A
// window on the desktop is lifted only while the desktop itself has been
// brought in front of the other windows (Show desktop, Windows+M), so that
// it stays visible there, and goes back under the windows afterwards.

#include <optional>

#include "face/full_screen.h"
#include "face/geometry.h"

namespace zentrova {

// As stored: 0, 1, 2.
enum class StayMode { OnTop = 0, AmongWindows = 1, OnDesktop = 2 };

// A stored value outside the three modes counts as the first.
StayMode StayModeOf(int stored);

// The Z order the platform is asked for.
enum class ZOrder {
    Topmost,       // in the topmost band
    Normal,        // an ordinary window: raised once, then covered and raised as the user works
    OverDesktop,   // just above the desktop's icons, under every ordinary window
    UnderTopmost,  // above every ordinary window but under the topmost ones
};

// True when `front`, the window in front, is the desktop's icon host
// brought in front of the other windows over `monitor`: the desktop window
// itself ("Progman") or one behind which the shell moved the icons
// ("WorkerW"), holding the icons, taking in the monitor and standing above
// other windows. A click on the desktop makes it the foreground window too,
// but leaves it under the other windows.
bool DesktopShownOver(const ForegroundWindow& front, const RectI& monitor);

// The order for a window in `mode` on `monitor` with `front` in front;
// `fullScreen` when that window covers the monitor as a full-screen program
// does. A window on the desktop never rises above a full-screen program.
// None while one of our own windows is in front of a window on the desktop:
// it keeps its place, so that opening its menu or the settings window over
// the shown desktop does not send it under the desktop.
std::optional<ZOrder> DecideZOrder(StayMode mode, const ForegroundWindow& front, const RectI& monitor,
                                   bool fullScreen);

}  // namespace zentrova
