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

// The layers of one window's frames. A frame asks for each of its texts;
// a layer an earlier frame used is handed back as it is, any other is drawn
// and cut to the pixels it covers. Layers the last frame did not use are
// kept while they are few, the longest unused dropped first: a countdown's
// seconds come round every minute, so after the first minute a frame draws
// no text at all until the minutes change.
class TextLayerCache {
public:
    // Pixels of layers kept beyond the last frame's: a minute of seconds at
    // any usual size, about a quarter of a megabyte at most.
    static constexpr std::size_t kKeptPixels = 64 * 1024;

    // `draw(key, layer)` fills a new layer whose box is already set.
    template <typename Draw>
    const TextLayer& Get(const TextLayerKey& key, SizeI canvas, Draw&& draw) {
        for (Entry& entry : entries_) {
            if (entry.key == key && entry.canvas == canvas) {
                entry.usedInFrame = frame_;
                return entry.layer;
            }
        }
        Entry& entry = entries_.emplace_back();
        entry.key = key;
        entry.canvas = canvas;
        entry.usedInFrame = frame_;
        entry.layer.box = TextLayerBox(key.rect, canvas);
        draw(entry.key, entry.layer);
        TrimTransparentEdges(entry.layer);
        return entry.layer;
    }
    void EndFrame();
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        TextLayerKey key;
        SizeI canvas;
        TextLayer layer;
        std::uint64_t usedInFrame = 0;
    };
    std::vector<Entry> entries_;
    std::uint64_t frame_ = 0;
};

}  // namespace zentrova
