#include "settings/first_run.h"

#include <string>
#include <type_traits>

#include "face/rounding.h"
#include "language/texts.h"
#include "settings/date_time.h"
#include "settings/overloaded.h"

namespace zentrova {
namespace {

struct WindowPositions {
    PointI clock, countdown, calendar;
};

WindowPositions ComputeWindowPositions(const FirstRunContext& context, int clockSize) {
    const PointI settings = SettingsWindowPosition(context.screen, context.settingsWindow);
    const int height = context.settingsWindow.height;
    WindowPositions positions;
    positions.calendar = {settings.x, settings.y - RoundHalfEven(height / 1.2)};
    positions.clock = {settings.x + context.settingsWindow.width / 2, positions.calendar.y};
    positions.countdown = {positions.clock.x, positions.clock.y + context.scale.Pixels(5 * clockSize)};
    return positions;
}

}  // namespace

PointI SettingsWindowPosition(SizeI screen, SizeI settingsWindow) {
    return {screen.width / 2 - settingsWindow.width / 2, screen.height / 2 - settingsWindow.height / 4};
}

int FirstRunPosition(const ComputedPosition& position, const FirstRunContext& context, int clockSize) {
    const WindowPositions positions = ComputeWindowPositions(context, clockSize);
    PointI point;
    switch (position.window) {
        case DisplayWindowId::Clock: point = positions.clock; break;
        case DisplayWindowId::Countdown: point = positions.countdown; break;
        case DisplayWindowId::Calendar: point = positions.calendar; break;
    }
    return position.edge == Edge::Left ? point.x : point.y;
}

void SeedCountList(Settings& settings, int year) {
    int slot = 0;
    for (const SeededEntry& seeded : FirstRunCountList()) {
        settings.CountList[slot++] = {std::string(Tr(seeded.title)), EncodeDate(year + seeded.yearOffset, seeded.month, seeded.day),
                                      0.0, CountRepeat::Year};
    }
    settings.CountMax = slot;
}

void ApplyFirstRunValue(const SettingEntry& entry, Settings& settings, const FirstRunContext& context) {
    auto assign = [&](auto value) {
        std::visit(Overloaded{
                       [&](int Settings::*field) {
                           if constexpr (std::is_same_v<decltype(value), int>) settings.*field = value;
                       },
                       [&](bool Settings::*field) {
                           if constexpr (std::is_same_v<decltype(value), bool>) settings.*field = value;
                       },
                       [&](std::string Settings::*field) {
                           if constexpr (std::is_same_v<decltype(value), std::string_view>)
                               settings.*field = std::string(value);
                       },
                       [](std::monostate) {},
                   },
                   entry.field);
    };
    std::visit(Overloaded{
                   [](KeepLoaded) {},
                   [&](int value) { assign(value); },
                   [&](bool value) { assign(value); },
                   [&](std::string_view value) { assign(value); },
                   [&](ComputedPosition position) {
                       assign(FirstRunPosition(position, context, settings.ClockSize));
                   },
                   [&](SeededList) { SeedCountList(settings, context.year); },
                   [&](RegionalChoice choice) {
                       assign(context.regionalFormats ? choice.elsewhere : choice.unitedStates);
                   },
               },
               entry.firstRun);
}

}  // namespace zentrova
