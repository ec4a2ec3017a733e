#pragma once
// Reads the window in front for the full-screen decision of the core.

#include "face/full_screen.h"

namespace zentrova::platform {

// The foreground window's rectangles, style, class, process and state, and
// what the shell reports of full-screen programs.
ForegroundWindow ReadForegroundWindow();

}  // namespace zentrova::platform
