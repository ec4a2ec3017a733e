#include "face/monitor_layout.h"

#include <algorithm>

namespace zentrova {
namespace {

long long OverlapArea(const RectI& a, const RectI& b) {
    const long long width = std::min(a.right, b.right) - std::max(a.left, b.left);
    const long long height = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
    return width > 0 && height > 0 ? width * height : 0;
}

// The gap between two rectangles on one axis; 0 when they overlap on it.
long long Gap(int lowA, int highA, int lowB, int highB) {
    if (highA <= lowB) return static_cast<long long>(lowB) - highA;
    if (highB <= lowA) return static_cast<long long>(lowA) - highB;
    return 0;
}

long long SquaredDistance(const RectI& a, const RectI& b) {
    const long long dx = Gap(a.left, a.right, b.left, b.right);
    const long long dy = Gap(a.top, a.bottom, b.top, b.bottom);
    return dx * dx + dy * dy;
}

}  // namespace

RectI MonitorOf(std::span<const RectI> monitors, const RectI& window) {
    if (monitors.empty()) return window;
    const RectI* best = &monitors.front();
    long long bestOverlap = OverlapArea(*best, window);
    for (const RectI& monitor : monitors.subspan(1)) {
        const long long overlap = OverlapArea(monitor, window);
        if (overlap > bestOverlap) {
            best = &monitor;
            bestOverlap = overlap;
        }
    }
    if (bestOverlap > 0) return *best;
    best = &monitors.front();
    long long bestDistance = SquaredDistance(*best, window);
    for (const RectI& monitor : monitors.subspan(1)) {
        const long long distance = SquaredDistance(monitor, window);
        if (distance < bestDistance) {
            best = &monitor;
            bestDistance = distance;
        }
    }
    return *best;
}

}  // namespace zentrova
