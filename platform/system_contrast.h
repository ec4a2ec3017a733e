#pragma once
// Whether the system's high-contrast mode is on, with its colours.

#include <optional>

#include "face/high_contrast.h"

namespace zentrova::platform {

// The window-text and window colours while high contrast is on; nothing
// while it is off.
std::optional<ContrastColours> SystemHighContrast();

}  // namespace zentrova::platform
