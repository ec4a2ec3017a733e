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

// Puts a topmost window over the other topmost windows, on the screen too.
// Windows leaves a window that is first in its order already where it is,
// but under Wine the screen's stacking can lag behind that order (another
// window's late activation raised that one there): such a window steps out
// of the topmost windows and back in, which raises it for real.
void RaiseOverTopmost(HWND window);

}  // namespace zentrova::platform
