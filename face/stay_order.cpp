#include "face/stay_order.h"

#include <string_view>

namespace zentrova {
namespace {

// The classes the shell gives the window that holds the desktop's icons.
bool IsDesktopHostClass(std::string_view className) { return className == "Progman" || className == "WorkerW"; }

}  // namespace

StayMode StayModeOf(int stored) {
    switch (stored) {
        case 1: return StayMode::AmongWindows;
        case 2: return StayMode::OnDesktop;
        default: return StayMode::OnTop;
    }
}

bool DesktopShownOver(const ForegroundWindow& front, const RectI& monitor) {
    return front.exists && front.visible && !front.minimised && !front.cloaked && !front.ownProcess &&
           IsDesktopHostClass(front.className) && front.holdsDesktopIcons && front.aboveOtherWindows &&
           front.window.Contains(monitor);
}

std::optional<ZOrder> DecideZOrder(StayMode mode, const ForegroundWindow& front, const RectI& monitor,
                                   bool fullScreen) {
    switch (mode) {
        case StayMode::OnTop: return ZOrder::Topmost;
        case StayMode::AmongWindows: return ZOrder::Normal;
        case StayMode::OnDesktop: break;
    }
    if (front.exists && front.ownProcess) return std::nullopt;
    if (fullScreen || !DesktopShownOver(front, monitor)) return ZOrder::OverDesktop;
    return ZOrder::UnderTopmost;
}

}  // namespace zentrova
