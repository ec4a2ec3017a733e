#include "face/full_screen.h"

#include <array>
#include <string_view>

#include "face/monitor_layout.h"

namespace zentrova {
namespace {

// The desktop's and the taskbars' window classes: in front when the user
// clicks the desktop or the taskbar, and as large as a monitor.
constexpr std::array<std::string_view, 4> kShellClasses = {"Progman", "WorkerW", "Shell_TrayWnd",
                                                           "Shell_SecondaryTrayWnd"};

bool IsShellClass(std::string_view className) {
    for (std::string_view shell : kShellClasses)
        if (className == shell) return true;
    return false;
}

}  // namespace

bool CoversMonitor(const ForegroundWindow& front, const RectI& monitor, std::span<const RectI> monitors) {
    if (!front.exists || !front.visible || front.minimised || front.cloaked) return false;
    if (front.ownProcess || front.desktopOrShell || IsShellClass(front.className)) return false;
    const RectI& covering = front.framed ? front.client : front.window;
    if (covering.Contains(monitor)) return true;
    // A full-screen Direct3D program may run at a mode of its own whose
    // rectangles say little; the monitor it stands on is the one it fills.
    if (front.notification == UserNotificationState::Other) return false;
    return MonitorOf(monitors, front.window) == monitor;
}

}  // namespace zentrova
