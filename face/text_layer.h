#pragma once
// Texts drawn once on a transparent layer and blended over the frames that
// follow while they stay the same. Drawing text is most of what a frame
// costs on screen, and from one second to the next most texts repeat: the
// countdown's title and labels, the clock's date, the calendar's days.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "face/frame.h"
#include "face/geometry.h"
#include "face/recent_cache.h"

namespace zentrova {

// Whole pixels of a canvas, from the top left.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelBox&, const PixelBox&) = default;
};

// The whole pixels of a width * height canvas that a text laid out in `rect`
// can touch: the drawing clips a text to its layout rectangle, and a face
// clamped to its largest size may be smaller than its texts.
PixelBox TextLayerBox(RectF rect, SizeI canvas);

struct TextLayer {
    PixelBox box;
    // box.width * box.height ARGB words, colour premultiplied by alpha, as
    // the drawing library leaves them on a transparent premultiplied bitmap.
    std::vector<std::uint32_t> premultiplied;
};

// Blends the layer source-over into `canvas` (width * height
// non-premultiplied ARGB words), clipped to the canvas, with the layer's
// alpha scaled by `opacity` (0..1; the face's own, so the text fades with it).
void BlendTextLayer(const TextLayer& layer, int width, int height, std::uint32_t* canvas, float opacity = 1.0f);

// Cuts the layer's box to its pixels that are not fully transparent (none
// left for a layer without any), so that a kept layer holds only what it
// shows; blending it gives the same canvas.
void TrimTransparentEdges(TextLayer& layer);

// Everything that decides a text layer's pixels.
struct TextLayerKey {
    FontChoice font;
    Rgb color;
    std::string text;
    RectF rect;
    bool oneLine = false;
    friend bool operator==(const TextLayerKey&, const TextLayerKey&) = default;
};

// The layers of one window's frames: each drawn once, cut to the pixels it
// covers, and kept while the frames use it or, unused, while the kept
// layers are few.
class TextLayerCache {
public:
    // Pixels of layers kept beyond the last frame's: a minute of seconds at
    // any usual size, a quarter of a megabyte at most.
    static constexpr std::size_t kKeptPixels = 64 * 1024;

    // `draw(key, layer)` fills a new layer whose box is already set.
    template <typename Draw>
    const TextLayer& Get(const TextLayerKey& key, SizeI canvas, Draw&& draw) {
        return layers_.Get(Placed{key, canvas}, [&](const Placed& placed, TextLayer& layer) {
            layer.box = TextLayerBox(placed.key.rect, placed.canvas);
            draw(placed.key, layer);
            TrimTransparentEdges(layer);
        });
    }
    void EndFrame() { layers_.EndFrame(); }
    std::size_t Size() const { return layers_.Size(); }

private:
    struct Placed {
        TextLayerKey key;
        SizeI canvas;
        friend bool operator==(const Placed&, const Placed&) = default;
    };
    static std::size_t PixelsOf(const TextLayer& layer) { return layer.premultiplied.size(); }
    RecentCache<Placed, TextLayer> layers_{kKeptPixels, &PixelsOf};
};

}  // namespace zentrova
