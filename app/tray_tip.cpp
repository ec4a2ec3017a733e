#include "app/tray_tip.h"

#include "app/program_names.h"
#include "text/utf.h"

namespace zentrova {

std::string TrayTipText(std::span<const std::string> clocks, std::string_view countdown) {
    const auto compose = [&](std::size_t shownClocks) {
        std::string second;
        const auto add = [&](std::string_view part) {
            if (part.empty()) return;
            if (!second.empty()) second += "; ";
            second += part;
        };
        for (std::size_t i = 0; i < shownClocks; ++i) add(clocks[i]);
        add(countdown);
        return second.empty() ? std::string(kApplicationTitle) : std::string(kApplicationTitle) + "\n" + second;
    };
    std::size_t shown = clocks.size();
    std::string tip = compose(shown);
    // The first clock always stays; the shell cuts what is still too long.
    while (shown > 1 && Utf8ToUtf16(tip).size() > kTrayTipRoom) tip = compose(--shown);
    return tip;
}

}  // namespace zentrova
