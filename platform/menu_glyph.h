#pragma once
// The small 10 x 10 glyph beside the tray menu's "Close" item.

#include "platform/win32_handles.h"

namespace zentrova::platform {

UniqueBitmap MakeCloseGlyph();

}  // namespace zentrova::platform
