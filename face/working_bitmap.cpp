#include "face/working_bitmap.h"

#include <algorithm>
#include <cstddef>

namespace zentrova {

void WorkingBitmap::Resize(SizeI size) {
    // A bitmap is never empty, so Row(0) is always valid.
    width = std::max(size.width, 1);
    height = std::max(size.height, 1);
    bgr.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
}

}  // namespace zentrova
