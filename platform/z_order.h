#pragma once
// Puts a window in the place among the other windows that the core decided
// (face/stay_order.h), without activating it.

#include <windows.h>

#include "face/stay_order.h"

namespace zentrova::platform {

// ZOrder::OverDesktop puts the window's owner (hidden, but an owned window
// can never go below its owner) and then the window right above the window
// that holds the desktop's icons, or at the bottom when no shell runs.
void ApplyZOrder(HWND window, ZOrder order);

}  // namespace zentrova::platform
