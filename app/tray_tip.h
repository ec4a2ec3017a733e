#pragma once
// The notification icon's tip.

#include <string>
#include <string_view>

namespace zentrova {

// The program's name and, on a second line, the clock's time and the
// countdown's value.
std::string TrayTipText(std::string_view time, std::string_view countdown);

}  // namespace zentrova
