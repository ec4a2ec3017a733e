#include "platform/system_contrast.h"

#include <windows.h>

namespace zentrova::platform {
namespace {

Rgb SystemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

}  // namespace

std::optional<ContrastColours> SystemHighContrast() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    if (!SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)) return std::nullopt;
    if ((contrast.dwFlags & HCF_HIGHCONTRASTON) == 0) return std::nullopt;
    return ContrastColours{SystemColour(COLOR_WINDOWTEXT), SystemColour(COLOR_WINDOW)};
}

}  // namespace zentrova::platform
