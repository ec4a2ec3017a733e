#include "face/premultiply.h"

#include <algorithm>
#include <cstddef>

namespace zentrova {

PixelBox PremultiplyOver(std::span<const std::uint32_t> argb, int width, int height, std::span<std::uint32_t> shown) {
    const std::size_t count = static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0));
    if (argb.size() < count || shown.size() < count) return {};
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t fresh = Premultiplied(argb[row + x]);
            if (fresh == shown[row + x]) continue;
            shown[row + x] = fresh;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

}  // namespace zentrova
