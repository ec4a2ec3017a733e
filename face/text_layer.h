#pragma once
// Texts drawn once on a transparent layer and blended over the frames that
// follow while they stay the same. Drawing text is most of what a frame
// costs on screen, and from one second to the next most texts repeat: the
// countdown's title and labels, the clock's date, the calendar's days.

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
// a layer the frame before also used is handed back as it is, any other is
// drawn. Once the frame is done, layers it did not use are dropped, so the
// cache never holds more than one frame's texts.
class TextLayerCache {
public:
    // `draw(key, layer)` fills a new layer whose box is already set.
    template <typename Draw>
    const TextLayer& Get(const TextLayerKey& key, SizeI canvas, Draw&& draw) {
        for (Entry& entry : entries_) {
            if (entry.key == key && entry.canvas == canvas) {
                entry.used = true;
                return entry.layer;
            }
        }
        Entry& entry = entries_.emplace_back();
        entry.key = key;
        entry.canvas = canvas;
        entry.used = true;
        entry.layer.box = TextLayerBox(key.rect, canvas);
        draw(entry.key, entry.layer);
        return entry.layer;
    }
    void EndFrame();
    std::size_t Size() const { return entries_.size(); }

private:
    struct Entry {
        TextLayerKey key;
        SizeI canvas;
        TextLayer layer;
        bool used = false;
    };
    std::vector<Entry> entries_;
};

}  // namespace zentrova
