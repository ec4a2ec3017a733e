#pragma once
// The notification icon's tip.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace zentrova {

// What the shell shows of a tip: 127 UTF-16 units.
inline constexpr std::size_t kTrayTipRoom = 127;

// The program's name and, on a second line, each clock's time (with its
// label) and the countdown's value. Clocks that would make the tip longer
// than the shell shows are left out from the last, so that the countdown
// and the clocks shown stay whole.
std::string TrayTipText(std::span<const std::string> clocks, std::string_view countdown);

}  // namespace zentrova
