#pragma once
// Renders a core Frame (face pixels, tiles, centred anti-aliased texts) with
// GDI+ and pushes it to a layered window with UpdateLayeredWindow.

#include <windows.h>

#include "face/frame.h"
#include "face/text_layer.h"
#include "platform/font_fallback.h"

namespace zentrova::platform {

// The device contexts and blend record a display window keeps for its life.
struct LayeredTarget {
    HWND window = nullptr;
    HDC screenDc = nullptr;
    HDC memoryDc = nullptr;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
};

// One display window's renderer. It keeps the text layers of the frame it
// rendered last, so a text that repeats is blended, not drawn again; every
// GDI+ object and the GDI bitmap of the frame live only inside the call.
class FrameRenderer {
public:
    // True once the frame is on the screen; false when it could not be
    // rendered or UpdateLayeredWindow refused it.
    bool RenderAndPush(const Frame& frame, const LayeredTarget& target, POINT leftTop);

private:
    TextLayerCache texts_;
    FontFallback fallback_;
};

}  // namespace zentrova::platform
