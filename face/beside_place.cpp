#include "face/beside_place.h"

#include <algorithm>
#include <array>

namespace zentrova {

PointI PlaceBeside(const RectI& beside, SizeI size, const RectI& monitor, std::span<const RectI> others, int gap) {
    const std::array<PointI, 4> candidates = {
        PointI{beside.right + gap, beside.top},
        PointI{beside.left, beside.bottom + gap},
        PointI{beside.left - gap - size.width, beside.top},
        PointI{beside.left, beside.top - gap - size.height},
    };
    const auto onMonitor = [&](PointI at) { return monitor.Contains(RectI::At(at, size)); };
    const auto clear = [&](PointI at) {
        const RectI place = RectI::At(at, size);
        return std::none_of(others.begin(), others.end(), [&](const RectI& other) { return other.Overlaps(place); });
    };
    for (PointI at : candidates) {
        if (onMonitor(at) && clear(at)) return at;
    }
    for (PointI at : candidates) {
        if (onMonitor(at)) return at;
    }
    // A monitor too small for both: the right-hand place, kept on it.
    const PointI right = candidates.front();
    return {std::clamp(right.x, monitor.left, std::max(monitor.left, monitor.right - size.width)),
            std::clamp(right.y, monitor.top, std::max(monitor.top, monitor.bottom - size.height))};
}

}  // namespace zentrova
