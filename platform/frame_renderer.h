#pragma once
// Renders a core Frame (face pixels, tiles, centred anti-aliased texts; the
// texts with GDI+) and pushes it to a layered window with
// UpdateLayeredWindowIndirect.

#include <windows.h>

#include "face/frame.h"
#include "face/shown_frame.h"
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

// One display window's renderer: it knows what the window shows. A frame
// equal to the shown one is not rendered again; the text layers of the last
// frame are kept, so a text that repeats is blended, not drawn again; and
// the bitmap the window was last given is kept, so that a frame sends the
// screen only the part that changed. GDI+ objects live only inside a call.
class FrameRenderer {
public:
    // Renders `frame` and pushes it to the window where it stands, unless
    // the window already shows it.
    void Show(const Frame& frame, const LayeredTarget& target);
    // The window may no longer show the last frame (it was resized, shown
    // again, or its colours changed): the next frame is rendered and goes to
    // the screen whole.
    void ForgetScreen();

private:
    // True once the frame is on the screen; false when it could not be
    // rendered or the window refused it.
    bool RenderAndPush(const Frame& frame, const LayeredTarget& target);
    // The kept bitmap at `size`; false when it cannot be made.
    bool KeepBitmapOf(SizeI size, HDC dc);

    ShownFrame shown_;
    TextLayerCache texts_;
    FontFallback fallback_;
    std::vector<std::uint32_t> canvas_;  // the frame being composed, non-premultiplied
    UniqueBitmap bitmap_;                // premultiplied, as last given to the window
    std::uint32_t* bits_ = nullptr;
    SizeI bitmapSize_;
    bool onScreen_ = false;  // the window shows what bitmap_ holds
};

}  // namespace zentrova::platform
