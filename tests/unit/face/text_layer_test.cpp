#include "face/text_layer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "face/face_planes.h"

namespace zentrova {
namespace {

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

TEST(TextLayerBox, CoversEveryPixelTheRectangleTouchesOnTheCanvas) {
    const SizeI canvas{100, 50};
    EXPECT_EQ(TextLayerBox({2.0f, 3.0f, 10.0f, 4.0f}, canvas), (PixelBox{2, 3, 10, 4}));
    EXPECT_EQ(TextLayerBox({2.5f, 3.25f, 10.0f, 4.0f}, canvas), (PixelBox{2, 3, 11, 5}));
    // A text wider than its clamped face is cut to the face.
    EXPECT_EQ(TextLayerBox({-1.5f, -0.5f, 300.0f, 20.0f}, canvas), (PixelBox{0, 0, 100, 20}));
    EXPECT_EQ(TextLayerBox({90.5f, 45.0f, 30.0f, 30.0f}, canvas), (PixelBox{90, 45, 10, 5}));
    EXPECT_EQ(TextLayerBox({120.0f, 5.0f, 10.0f, 3.0f}, canvas), PixelBox{});
    EXPECT_EQ(TextLayerBox({5.0f, 5.0f, 0.0f, 3.0f}, canvas), PixelBox{});
    EXPECT_EQ(TextLayerBox({5.0f, 5.0f, 3.0f, -1.0f}, canvas), PixelBox{});
    const float huge = 1e30f;
    EXPECT_EQ(TextLayerBox({-huge, -huge, huge * 2, huge * 2}, canvas), (PixelBox{0, 0, 100, 50}));
}

struct Canvas {
    Canvas(int width, int height, std::uint32_t fill)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill) {}
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TextLayer Layer(PixelBox box, std::uint32_t premultiplied) {
    return TextLayer{box, std::vector<std::uint32_t>(static_cast<std::size_t>(box.width) * box.height, premultiplied)};
}

TEST(BlendTextLayer, BlendsPremultipliedTextOverTheFace) {
    Canvas face(4, 3, Argb(255, 100, 100, 100));
    // Opaque white replaces, half-covered white (premultiplied 128) mixes
    // half and half, an untouched layer pixel leaves the face alone.
    TextLayer layer{{1, 1, 3, 1}, {Argb(255, 255, 255, 255), Argb(128, 128, 128, 128), 0}};
    BlendTextLayer(layer, face.width, face.height, face.pixels.data());
    EXPECT_EQ(face.At(1, 1), Argb(255, 255, 255, 255));
    EXPECT_EQ(face.At(2, 1), Argb(255, 178, 178, 178));  // 128/255 + 100/255 * 127/255
    EXPECT_EQ(face.At(3, 1), Argb(255, 100, 100, 100));
    EXPECT_EQ(face.At(0, 1), Argb(255, 100, 100, 100));
    EXPECT_EQ(face.At(1, 0), Argb(255, 100, 100, 100));
}

TEST(BlendTextLayer, OverATransparentCornerTheTextKeepsItsOwnColour) {
    Canvas face(2, 1, 0);
    TextLayer layer{{0, 0, 2, 1}, {Argb(64, 48, 16, 0), Argb(255, 10, 20, 30)}};
    BlendTextLayer(layer, face.width, face.height, face.pixels.data());
    EXPECT_EQ(face.At(0, 0), Argb(64, 191, 64, 0)) << "stored unpremultiplied on the face";
    EXPECT_EQ(face.At(1, 0), Argb(255, 10, 20, 30));
}

TEST(BlendTextLayer, ClipsToTheCanvasOnEverySide) {
    Canvas face(3, 3, Argb(255, 0, 0, 0));
    BlendTextLayer(Layer({-2, -2, 7, 7}, Argb(255, 9, 9, 9)), face.width, face.height, face.pixels.data());
    for (std::uint32_t pixel : face.pixels) EXPECT_EQ(pixel, Argb(255, 9, 9, 9));

    Canvas untouched(3, 3, Argb(255, 0, 0, 0));
    BlendTextLayer(Layer({3, 0, 2, 2}, Argb(255, 9, 9, 9)), 3, 3, untouched.pixels.data());
    BlendTextLayer(Layer({0, -2, 2, 2}, Argb(255, 9, 9, 9)), 3, 3, untouched.pixels.data());
    TextLayer shortOfPixels{{0, 0, 2, 2}, {Argb(255, 9, 9, 9)}};
    BlendTextLayer(shortOfPixels, 3, 3, untouched.pixels.data());
    for (std::uint32_t pixel : untouched.pixels) EXPECT_EQ(pixel, Argb(255, 0, 0, 0));
}

// A face of transparency T with an opaque white text over all of it, as
// the frame path blends it: the text's alpha takes the face's 1 - T/50.
std::vector<std::uint32_t> FaceWithText(int transparency) {
    WorkingBitmap skin;
    skin.Resize({21, 11});
    FacePlanes planes;
    FillFacePlanes(skin, FaceShape::RoundedRect, transparency, planes);
    std::vector<std::uint32_t> pixels;
    BuildFramePixels(planes, pixels);
    const TextLayer white = Layer({0, 0, 21, 11}, Argb(255, 255, 255, 255));
    BlendTextLayer(white, 21, 11, pixels.data(), static_cast<float>(FaceOpacity(transparency)));
    return pixels;
}

TEST(BlendTextLayer, TheTextFadesWithTheFace) {
    auto alpha = [](const std::vector<std::uint32_t>& pixels, int x, int y) {
        return static_cast<int>(pixels[static_cast<std::size_t>(y) * 21 + x] >> 24);
    };
    // Transparency 0: as before, the text is opaque, on the face and on the
    // cut-out corner alike.
    const std::vector<std::uint32_t> opaque = FaceWithText(0);
    EXPECT_EQ(alpha(opaque, 10, 5), 255);
    EXPECT_EQ(alpha(opaque, 0, 0), 255);
    // 25: half the text over the half-transparent face (128): 0.5 + 0.5 x
    // 128/255 of the way, and half alone over the corner.
    const std::vector<std::uint32_t> half = FaceWithText(25);
    EXPECT_NEAR(alpha(half, 10, 5), 191.5, 1.0);
    EXPECT_NEAR(alpha(half, 0, 0), 127.5, 1.0);
    // 50: nothing shows anywhere, so every click passes through.
    for (std::uint32_t pixel : FaceWithText(50)) EXPECT_EQ(pixel >> 24, 0u);
}

TextLayerKey Key(const std::string& text, float x = 0) {
    return TextLayerKey{FontChoice{"Arial", 12, false}, Rgb{1, 2, 3}, text, RectF{x, 0, 40, 10}};
}

constexpr SizeI kCanvas{200, 60};

TEST(TextLayerCache, DrawsEachTextOnceWhileKept) {
    TextLayerCache cache;
    std::vector<std::string> drawn;
    auto draw = [&](const TextLayerKey& key, TextLayer& layer) {
        drawn.push_back(key.text);
        layer.premultiplied.assign(static_cast<std::size_t>(layer.box.width) * layer.box.height, 0xFF000000u);
    };

    const TextLayer& title = cache.Get(Key("Christmas"), kCanvas, draw);
    EXPECT_EQ(title.box, (PixelBox{0, 0, 40, 10})) << "the box is set before drawing";
    cache.Get(Key("10 s"), kCanvas, draw);
    cache.EndFrame();

    // The next seconds: the title repeats, the seconds change and come back.
    EXPECT_EQ(cache.Get(Key("Christmas"), kCanvas, draw).premultiplied.size(), 400u);
    cache.Get(Key("9 s"), kCanvas, draw);
    cache.EndFrame();
    cache.Get(Key("10 s"), kCanvas, draw);
    cache.EndFrame();
    EXPECT_EQ(drawn, (std::vector<std::string>{"Christmas", "10 s", "9 s"}));
    EXPECT_EQ(cache.Size(), 3u);

    // Moved, recoloured or in another font, a text is another layer.
    cache.Get(Key("Christmas", 1), kCanvas, draw);
    TextLayerKey bold = Key("9 s");
    bold.font.bold = true;
    cache.Get(bold, kCanvas, draw);
    TextLayerKey red = Key("9 s");
    red.color = Rgb{255, 0, 0};
    cache.Get(red, kCanvas, draw);
    cache.EndFrame();
    EXPECT_EQ(drawn.size(), 6u);

    // A face resized under a text makes a new layer, cut to the new size.
    const TextLayer& cut = cache.Get(Key("Christmas", 1), SizeI{20, 60}, draw);
    EXPECT_EQ(drawn.size(), 7u);
    EXPECT_EQ(cut.box, (PixelBox{1, 0, 19, 10}));
}

TEST(TextLayerCache, DropsTheLongestUnusedBeyondItsBudget) {
    TextLayerCache cache;
    int draws = 0;
    auto draw = [&](const TextLayerKey&, TextLayer& layer) {
        ++draws;
        layer.premultiplied.assign(static_cast<std::size_t>(layer.box.width) * layer.box.height, 0xFF000000u);
    };
    // Layers of 400 pixels, one new each frame; the budget holds this many
    // beyond the frame's own.
    const int kept = static_cast<int>(TextLayerCache::kKeptPixels / 400);
    for (int second = 0; second <= kept + 1; ++second) {
        cache.Get(Key(std::to_string(second)), kCanvas, draw);
        cache.EndFrame();
    }
    EXPECT_EQ(cache.Size(), static_cast<std::size_t>(kept) + 1);
    draws = 0;
    cache.Get(Key("1"), kCanvas, draw);  // kept, the oldest still held
    EXPECT_EQ(draws, 0);
    cache.Get(Key("0"), kCanvas, draw);  // the longest unused, dropped
    EXPECT_EQ(draws, 1);
}

TEST(TextLayerCache, KeepsOnlyTheCoveredPixelsOfALayer) {
    // A glyph in the middle of its cell: the layer shrinks to it and blends
    // to the same canvas; a layer without any pixel keeps none.
    TextLayerCache cache;
    auto glyph = [](const TextLayerKey&, TextLayer& layer) {
        layer.premultiplied.assign(static_cast<std::size_t>(layer.box.width) * layer.box.height, 0u);
        layer.premultiplied[3 * 40 + 5] = 0x80402010u;
        layer.premultiplied[6 * 40 + 9] = 0xFF000000u;
    };
    const TextLayer& trimmed = cache.Get(Key("x", 2), kCanvas, glyph);
    EXPECT_EQ(trimmed.box, (PixelBox{7, 3, 5, 4}));
    std::vector<std::uint32_t> viaTrimmed(kCanvas.width * kCanvas.height, 0xFF808080u);
    BlendTextLayer(trimmed, kCanvas.width, kCanvas.height, viaTrimmed.data());
    TextLayer whole{PixelBox{2, 0, 40, 10}, {}};
    glyph(Key("x"), whole);
    std::vector<std::uint32_t> viaWhole(kCanvas.width * kCanvas.height, 0xFF808080u);
    BlendTextLayer(whole, kCanvas.width, kCanvas.height, viaWhole.data());
    EXPECT_EQ(viaTrimmed, viaWhole);

    const TextLayer& empty = cache.Get(Key(" "), kCanvas, [](const TextLayerKey&, TextLayer& layer) {
        layer.premultiplied.assign(static_cast<std::size_t>(layer.box.width) * layer.box.height, 0u);
    });
    EXPECT_TRUE(empty.premultiplied.empty());
    EXPECT_EQ(empty.box.width, 0);
}

}  // namespace
}  // namespace zentrova
