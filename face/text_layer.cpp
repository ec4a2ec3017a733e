#include "face/text_layer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "face/pixel_blend.h"

namespace zentrova {
namespace {

// Keeps absurd layout rectangles from overflowing the box arithmetic.
int ClampedFloor(float value) {
    constexpr float kLimit = 1 << 24;
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::floor(std::clamp(value, -kLimit, kLimit)));
}

int ClampedCeil(float value) {
    constexpr float kLimit = 1 << 24;
    if (!std::isfinite(value)) return 0;
    return static_cast<int>(std::ceil(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace

PixelBox TextLayerBox(RectF rect, SizeI canvas) {
    if (!(rect.width > 0) || !(rect.height > 0)) return {};
    const int left = std::max(0, ClampedFloor(rect.x));
    const int top = std::max(0, ClampedFloor(rect.y));
    const int right = std::min(canvas.width, ClampedCeil(rect.x + rect.width));
    const int bottom = std::min(canvas.height, ClampedCeil(rect.y + rect.height));
    if (right <= left || bottom <= top) return {};
    return PixelBox{left, top, right - left, bottom - top};
}

void BlendTextLayer(const TextLayer& layer, int width, int height, std::uint32_t* canvas, float opacity) {
    const PixelBox& box = layer.box;
    const std::size_t count = static_cast<std::size_t>(std::max(box.width, 0)) * std::max(box.height, 0);
    if (count == 0 || layer.premultiplied.size() < count || width <= 0 || height <= 0) return;
    // Premultiplied, every channel scales with the alpha.
    const float scale = std::min(opacity, 1.0f) / 255.0f;
    if (!(scale > 0.0f)) return;
    const int firstRow = std::max(0, -box.top);
    const int endRow = std::min(box.height, height - box.top);
    const int firstColumn = std::max(0, -box.left);
    const int endColumn = std::min(box.width, width - box.left);
    for (int y = firstRow; y < endRow; ++y) {
        const std::uint32_t* source = layer.premultiplied.data() + static_cast<std::size_t>(y) * box.width;
        const std::size_t rowStart = static_cast<std::size_t>(box.top + y) * width;
        for (int x = firstColumn; x < endColumn; ++x) {
            const std::uint32_t p = source[x];
            if ((p >> 24) == 0) continue;
            const float pixel[4] = {static_cast<float>((p >> 16) & 0xFF) * scale,
                                    static_cast<float>((p >> 8) & 0xFF) * scale, static_cast<float>(p & 0xFF) * scale,
                                    static_cast<float>(p >> 24) * scale};
            std::uint32_t& below = canvas[rowStart + static_cast<std::size_t>(box.left + x)];
            below = BlendOver(pixel, below);
        }
    }
}

void TrimTransparentEdges(TextLayer& layer) {
    const PixelBox box = layer.box;
    if (box.width <= 0 || box.height <= 0 ||
        layer.premultiplied.size() < static_cast<std::size_t>(box.width) * box.height)
        return;
    const auto shows = [&](int x, int y) {
        return (layer.premultiplied[static_cast<std::size_t>(y) * box.width + x] >> 24) != 0;
    };
    int left = box.width, right = -1, top = box.height, bottom = -1;
    for (int y = 0; y < box.height; ++y) {
        for (int x = 0; x < box.width; ++x) {
            if (!shows(x, y)) continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0) {
        layer = TextLayer{};
        return;
    }
    if (left == 0 && top == 0 && right == box.width - 1 && bottom == box.height - 1) return;
    const int width = right - left + 1;
    const int height = bottom - top + 1;
    std::vector<std::uint32_t> cut(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const auto row = layer.premultiplied.begin() + static_cast<std::ptrdiff_t>(top + y) * box.width + left;
        std::copy_n(row, width, cut.begin() + static_cast<std::ptrdiff_t>(y) * width);
    }
    layer.box = PixelBox{box.left + left, box.top + top, width, height};
    layer.premultiplied = std::move(cut);
}

}  // namespace zentrova
