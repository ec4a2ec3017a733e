#pragma once
// Renders a core Frame (face pixels, tiles, centred anti-aliased texts; the
// texts with GDI+) and pushes it to a layered window with
// UpdateLayeredWindowIndirect.

#include <windows.h>

#include "face/frame.h"
#include "face/text_layer.h"
#include "platform/font_fallback.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

// The device contexts and blend record a display window keeps for its life.
struct LayeredTarget {
    HWND window = nullptr;
    HDC screenDc = nullptr;
    HDC memoryDc = nullptr;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};

// One display window's renderer. It keeps the text layers of the frame it
// rendered last, so a text that repeats is blended, not drawn again, and the
// bitmap the window was last given, so that a frame sends the screen only
// the part that changed. GDI+ objects live only inside the call.
class FrameRenderer {
public:
    // True once the frame is on the screen; false when it could not be
    // rendered or the window refused it.
    bool RenderAndPush(const Frame& frame, const LayeredTarget& target, POINT leftTop);
    // The window may no longer show the last frame (it was resized or shown
    // again): the next frame goes to the screen whole.
    void ForgetScreen();

private:
    TextLayerCache texts_;
    FontFallback fallback_;
    std::vector<std::uint32_t> canvas_;  // the frame being composed, non-premultiplied
    UniqueBitmap shown_;                 // premultiplied, as last given to the window
    std::uint32_t* shownBits_ = nullptr;
    SizeI shownSize_;
    bool onScreen_ = false;  // the window shows what shown_ holds
};

}  // namespace zentrova::platform
