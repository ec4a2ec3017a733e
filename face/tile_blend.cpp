#include "face/tile_blend.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "face/pixel_blend.h"

namespace zentrova {
namespace {

// The source position of each destination pixel along one axis: the two
// neighbouring source pixels and the weight of the second.
struct Tap {
    int first;
    int second;
    float weight;
};

// Pixels [begin, end) along an axis of `extent` pixels whose centres lie in
// [start, start + length).
struct Span {
    int begin;
    int end;
};

Span CoveredPixels(float start, float length, int extent) {
    const int begin = std::max(0, static_cast<int>(std::ceil(start - 0.5f)));
    const int end = std::min(extent, static_cast<int>(std::ceil(start + length - 0.5f)));
    return {begin, std::max(begin, end)};
}

std::vector<Tap> Taps(Span span, float start, float length, int side) {
    std::vector<Tap> taps;
    taps.reserve(static_cast<std::size_t>(span.end - span.begin));
    const float scale = static_cast<float>(side) / length;
    for (int d = span.begin; d < span.end; ++d) {
        const float source = std::clamp((static_cast<float>(d) + 0.5f - start) * scale - 0.5f, 0.0f,
                                        static_cast<float>(side - 1));
        const int first = static_cast<int>(source);
        taps.push_back({first, std::min(first + 1, side - 1), source - static_cast<float>(first)});
    }
    return taps;
}

}  // namespace

PremultipliedTile Premultiply(const TileImage& tile) {
    PremultipliedTile out;
    const std::size_t count = static_cast<std::size_t>(std::max(tile.side, 0)) * std::max(tile.side, 0);
    if (tile.side <= 0 || tile.argb.size() < count) return out;
    out.side = tile.side;
    out.rgba.resize(count * 4);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t p = tile.argb[i];
        const float a = static_cast<float>(p >> 24) / 255.0f;
        out.rgba[i * 4 + 0] = static_cast<float>((p >> 16) & 0xFF) / 255.0f * a;
        out.rgba[i * 4 + 1] = static_cast<float>((p >> 8) & 0xFF) / 255.0f * a;
        out.rgba[i * 4 + 2] = static_cast<float>(p & 0xFF) / 255.0f * a;
        out.rgba[i * 4 + 3] = a;
    }
    return out;
}

void BlendTile(const PremultipliedTile& tile, RectF rect, int width, int height, std::uint32_t* canvas) {
    if (tile.side <= 0 || !(rect.width > 0) || !(rect.height > 0) || width <= 0 || height <= 0) return;
    const Span columns = CoveredPixels(rect.x, rect.width, width);
    const Span rows = CoveredPixels(rect.y, rect.height, height);
    if (columns.begin >= columns.end || rows.begin >= rows.end) return;
    const std::vector<Tap> across = Taps(columns, rect.x, rect.width, tile.side);
    const std::vector<Tap> down = Taps(rows, rect.y, rect.height, tile.side);
    const std::size_t rowStride = static_cast<std::size_t>(tile.side) * 4;

    for (int y = rows.begin; y < rows.end; ++y) {
        const Tap& ty = down[static_cast<std::size_t>(y - rows.begin)];
        const float* top = tile.rgba.data() + static_cast<std::size_t>(ty.first) * rowStride;
        const float* bottom = tile.rgba.data() + static_cast<std::size_t>(ty.second) * rowStride;
        std::uint32_t* out = canvas + static_cast<std::size_t>(y) * width;
        for (int x = columns.begin; x < columns.end; ++x) {
            const Tap& tx = across[static_cast<std::size_t>(x - columns.begin)];
            float source[4];
            for (int c = 0; c < 4; ++c) {
                const float upper = top[tx.first * 4 + c] + (top[tx.second * 4 + c] - top[tx.first * 4 + c]) * tx.weight;
                const float lower =
                    bottom[tx.first * 4 + c] + (bottom[tx.second * 4 + c] - bottom[tx.first * 4 + c]) * tx.weight;
                source[c] = upper + (lower - upper) * ty.weight;
            }
            out[x] = BlendOver(source, out[x]);
        }
    }
}

}  // namespace zentrova
