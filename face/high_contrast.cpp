#include "face/high_contrast.h"

#include <algorithm>
#include <cstddef>

namespace zentrova {
namespace {

constexpr std::uint32_t Opaque(Rgb colour) {
    return 0xFF000000u | (std::uint32_t{colour.r} << 16) | (std::uint32_t{colour.g} << 8) | colour.b;
}

}  // namespace

void ApplyHighContrast(Frame& frame, ContrastColours colours) {
    frame.pixels.assign(static_cast<std::size_t>(frame.width) * frame.height, Opaque(colours.plate));
    frame.textColor = colours.text;
    frame.textOpacity = 1.0f;
    if (frame.tiles.empty()) return;
    const TileImage plain = frame.tiles.front();
    const std::uint32_t mark = Opaque(colours.text);
    for (std::size_t t = 0; t < frame.tiles.size(); ++t) {
        TileImage& tile = frame.tiles[t];
        for (std::size_t i = 0; i < tile.argb.size(); ++i) {
            const bool marked = t > 0 && (plain.side != tile.side || i >= plain.argb.size() ||
                                          tile.argb[i] != plain.argb[i]);
            tile.argb[i] = marked ? mark : 0u;
        }
    }
}

}  // namespace zentrova
