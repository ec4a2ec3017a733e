#include "app/tray_tip.h"

#include "app/program_names.h"

namespace zentrova {

std::string TrayTipText(std::string_view time, std::string_view countdown) {
    std::string second(time);
    if (!second.empty() && !countdown.empty()) second += "; ";
    second += countdown;
    return second.empty() ? std::string(kApplicationTitle) : std::string(kApplicationTitle) + "\n" + second;
}

}  // namespace zentrova
