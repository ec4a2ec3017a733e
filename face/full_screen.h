#pragma once
// Whether the window in front covers a display window's monitor the way a
// full-screen video, game or presentation does, so that the display window
// steps out of its way. A maximised window is not full screen (its client
// area stops at the caption and the taskbar although its frame hangs a few
// pixels past the monitor), nor are the desktop, the shell's own windows,
// our own windows, or a window that is hidden, minimised or cloaked.

#include <span>
#include <string>

#include "face/geometry.h"

namespace zentrova {

// What the system says of the user's state; only the two full-screen cases
// matter here.
enum class UserNotificationState { Other, FullScreenDirect3D, PresentationMode };

// The foreground window as the platform saw it, rectangles in screen pixels.
struct ForegroundWindow {
    bool exists = false;
    RectI window;  // the outer rectangle, frame included
    RectI client;  // the client area
    bool framed = false;  // has a caption or a sizing border
    std::string className;
    bool ownProcess = false;
    bool desktopOrShell = false;  // the desktop window or the shell's window
    bool visible = false;
    bool minimised = false;
    bool cloaked = false;
    // For the desktop's windows: it holds the desktop's icons, and it stands
    // above some other program's visible window (the desktop brought in
    // front by Show desktop) rather than under them all.
    bool holdsDesktopIcons = false;
    bool aboveOtherWindows = false;
    UserNotificationState notification = UserNotificationState::Other;
};

// True when `front` covers `monitor` (the full rectangle of the display
// window's monitor) among `monitors` (all of them, the primary first): a
// borderless window whose rectangle takes in the whole monitor, a framed one
// whose client area does, or, when the system reports a full-screen Direct3D
// program or presentation mode, any window in front that stands on that
// monitor.
bool CoversMonitor(const ForegroundWindow& front, const RectI& monitor, std::span<const RectI> monitors);

}  // namespace zentrova
