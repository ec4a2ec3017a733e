#include "settings/first_run_fit.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace zentrova {
namespace {

// A still window is held 2 pixels from the monitor's right edge.
constexpr int kRightMargin = 2;
// Between windows placed afresh, at 96 DPI.
constexpr int kGap = 4;

bool Free(const RectI& r, const FirstRunGroup& group, const std::vector<RectI>& taken) {
    const RectI& area = group.workArea;
    const RectI room{area.left, area.top, area.right - kRightMargin, area.bottom};
    if (!room.Contains(r) || r.Overlaps(group.settingsWindow)) return false;
    return std::none_of(taken.begin(), taken.end(), [&](const RectI& other) { return r.Overlaps(other); });
}

int Clamp(int value, int low, int high) { return std::max(low, std::min(value, high)); }

long long SquaredDistance(PointI a, PointI b) {
    const long long dx = a.x - b.x;
    const long long dy = a.y - b.y;
    return dx * dx + dy * dy;
}

// The spots worth trying: the wanted position pulled into the work area,
// and every position that lines the window up against an edge of the work
// area, of the settings window or of a window already placed.
PointI PlaceOne(PointI wanted, SizeI size, const FirstRunGroup& group, std::vector<RectI>& taken) {
    const RectI& area = group.workArea;
    const int gap = group.scale.Pixels(kGap);
    const int maxLeft = area.right - kRightMargin - size.width;
    const int maxTop = area.bottom - size.height;
    std::vector<int> lefts{Clamp(wanted.x, area.left, maxLeft), area.left, maxLeft,
                           group.settingsWindow.left - gap - size.width, group.settingsWindow.right + gap};
    std::vector<int> tops{Clamp(wanted.y, area.top, maxTop), area.top, maxTop,
                          group.settingsWindow.top - gap - size.height, group.settingsWindow.bottom + gap};
    for (const RectI& other : taken) {
        lefts.insert(lefts.end(), {other.left, other.right + gap, other.left - gap - size.width});
        tops.insert(tops.end(), {other.top, other.bottom + gap, other.top - gap - size.height});
    }
    std::optional<PointI> best;
    for (int top : tops) {
        for (int left : lefts) {
            const PointI at{left, top};
            if (!Free(RectI::At(at, size), group, taken)) continue;
            if (!best || SquaredDistance(at, wanted) < SquaredDistance(*best, wanted)) best = at;
        }
    }
    // No room at all: on screen, if not clear of the others.
    const PointI placed = best ? *best : PointI{Clamp(wanted.x, area.left, std::max(area.left, maxLeft)),
                                                Clamp(wanted.y, area.top, std::max(area.top, maxTop))};
    taken.push_back(RectI::At(placed, size));
    return placed;
}

bool WantedFits(const FirstRunGroup& group) {
    const std::array rects{RectI::At(group.wanted.clock, group.clock),
                           RectI::At(group.wanted.countdown, group.countdown),
                           RectI::At(group.wanted.calendar, group.calendar)};
    std::vector<RectI> taken;
    for (const RectI& r : rects) {
        if (!Free(r, group, taken)) return false;
        taken.push_back(r);
    }
    return true;
}

}  // namespace

GroupPlacement FitFirstRunGroup(const FirstRunGroup& group) {
    if (WantedFits(group)) return group.wanted;
    std::vector<RectI> taken;
    GroupPlacement placed;
    placed.clock = PlaceOne(group.wanted.clock, group.clock, group, taken);
    // The countdown moves with the clock, and stays under it rather than
    // over it.
    PointI countdown{group.wanted.countdown.x + placed.clock.x - group.wanted.clock.x,
                     group.wanted.countdown.y + placed.clock.y - group.wanted.clock.y};
    if (RectI::At(countdown, group.countdown).Overlaps(taken.front()))
        countdown = {placed.clock.x, placed.clock.y + group.clock.height + group.scale.Pixels(kGap)};
    placed.countdown = PlaceOne(countdown, group.countdown, group, taken);
    placed.calendar = PlaceOne(group.wanted.calendar, group.calendar, group, taken);
    return placed;
}

}  // namespace zentrova
