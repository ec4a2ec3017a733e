#include "platform/frame_renderer.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "face/tile_blend.h"
#include "platform/gdiplus_objects.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

namespace {

using namespace Gdiplus::DllExports;

constexpr Gdiplus::PixelFormat kArgb = 0x26200A;  // PixelFormat32bppARGB, not premultiplied

// A GDI+ bitmap over ARGB words that outlive it.
gdip::Bitmap BitmapOver(int width, int height, const std::uint32_t* pixels) {
    gdip::Bitmap bitmap;
    bitmap.set_status(GdipCreateBitmapFromScan0(width, height, width * 4, kArgb,
                                                reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(pixels)),
                                                bitmap.out()));
    return bitmap;
}

constexpr Gdiplus::PixelFormat kPremultipliedArgb = 0xE200B;  // PixelFormat32bppPARGB

struct TextTools {
    gdip::FontFamily family;
    gdip::Font font;
};

// `entry.family` is one the system has: the family the text was measured in.
TextTools MakeTextTools(const FontChoice& entry) {
    TextTools tools;
    const std::wstring name = Widen(entry.family);
    tools.family.set_status(GdipCreateFontFamilyFromName(name.c_str(), nullptr, tools.family.out()));
    if (tools.family)
        tools.font.set_status(GdipCreateFont(tools.family.get(), static_cast<Gdiplus::REAL>(entry.emPixels),
                                             entry.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular,
                                             Gdiplus::UnitPixel, tools.font.out()));
    return tools;
}

// Draws one text, centred in its layout rectangle and clipped to it, on a
// transparent premultiplied layer covering the rectangle's whole pixels.
// An unknown family leaves the layer empty: the face still shows.
void DrawTextLayer(const TextLayerKey& key, const TextTools& tools, TextLayer& layer) {
    const PixelBox& box = layer.box;
    if (box.width <= 0 || box.height <= 0 || !tools.font) return;
    layer.premultiplied.assign(static_cast<std::size_t>(box.width) * box.height, 0);
    gdip::Bitmap bitmap;
    bitmap.set_status(GdipCreateBitmapFromScan0(box.width, box.height, box.width * 4, kPremultipliedArgb,
                                                reinterpret_cast<BYTE*>(layer.premultiplied.data()), bitmap.out()));
    if (!bitmap) return;
    gdip::Graphics graphics;
    graphics.set_status(GdipGetImageGraphicsContext(bitmap.get(), graphics.out()));
    if (!graphics) return;
    gdip::Brush brush;
    const Gdiplus::ARGB color = 0xFF000000u | (key.color.r << 16) | (key.color.g << 8) | key.color.b;
    brush.set_status(GdipCreateSolidFill(color, reinterpret_cast<Gdiplus::GpSolidFill**>(brush.out())));
    gdip::StringFormat format;
    format.set_status(GdipCreateStringFormat(key.oneLine ? Gdiplus::StringFormatFlagsNoWrap : 0, 0, format.out()));
    GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetTextRenderingHint(graphics.get(), Gdiplus::TextRenderingHintAntiAlias);
    const std::wstring wide = Widen(key.text);
    // The layer's first pixel is the box's, so the rectangle keeps its
    // fraction of a pixel and the glyphs land where they would on the face.
    Gdiplus::RectF layout(key.rect.x - static_cast<float>(box.left), key.rect.y - static_cast<float>(box.top),
                          key.rect.width, key.rect.height);
    GdipDrawString(graphics.get(), wide.c_str(), -1, tools.font.get(), &layout, format.get(), brush.get());
    GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
}

}  // namespace

bool FrameRenderer::RenderAndPush(const Frame& frame, const LayeredTarget& target, POINT leftTop) {
    if (frame.width <= 0 || frame.height <= 0) return false;
    const std::size_t pixelCount = static_cast<std::size_t>(frame.width) * frame.height;
    // The frame's pixels stay untouched: the texts and tiles go on a copy.
    std::vector<std::uint32_t> canvas(pixelCount, 0);
    if (frame.pixels.size() >= pixelCount) std::copy_n(frame.pixels.begin(), pixelCount, canvas.begin());

    // Tiles are stretched and blended by the core (GDI+'s own image stretch
    // costs tens of milliseconds per calendar frame); texts come from the
    // layer cache, drawn by GDI+ only when new. Both in the frame's order.
    const SizeI canvasSize{frame.width, frame.height};
    std::vector<std::optional<TextTools>> fonts(frame.fonts.size());
    std::vector<std::optional<PremultipliedTile>> tiles(frame.tiles.size());
    for (const DrawOp& op : frame.ops) {
        if (const auto* tile = std::get_if<DrawTile>(&op)) {
            if (tile->tile < 0 || tile->tile >= static_cast<int>(tiles.size())) continue;
            auto& premultiplied = tiles[static_cast<std::size_t>(tile->tile)];
            if (!premultiplied) premultiplied = Premultiply(frame.tiles[static_cast<std::size_t>(tile->tile)]);
            BlendTile(*premultiplied, tile->rect, frame.width, frame.height, canvas.data());
        } else if (const auto* text = std::get_if<DrawText>(&op)) {
            if (text->font < 0 || text->font >= static_cast<int>(fonts.size())) continue;
            const std::size_t font = static_cast<std::size_t>(text->font);
            const TextLayerKey key{frame.fonts[font], frame.textColor, text->text, text->rect, text->oneLine};
            const TextLayer& layer = texts_.Get(key, canvasSize, [&](const TextLayerKey& k, TextLayer& fresh) {
                // Drawn in the family it was measured in.
                const std::string family = fallback_.DrawnFamilyFor(k.font.family, k.text);
                if (family != k.font.family) {
                    DrawTextLayer(k, MakeTextTools({family, k.font.emPixels, k.font.bold}), fresh);
                    return;
                }
                if (!fonts[font]) fonts[font].emplace(MakeTextTools(frame.fonts[font]));
                DrawTextLayer(k, *fonts[font], fresh);
            });
            BlendTextLayer(layer, frame.width, frame.height, canvas.data(), frame.textOpacity);
        }
    }
    texts_.EndFrame();

    gdip::Bitmap bitmap = BitmapOver(frame.width, frame.height, canvas.data());
    if (!bitmap) return false;
    HBITMAP gdiBitmap = nullptr;
    GdipCreateHBITMAPFromBitmap(bitmap.get(), &gdiBitmap, 0);  // background: transparent black
    UniqueBitmap frameBitmap(gdiBitmap);
    if (!frameBitmap) return false;
    ScopedSelect select(target.memoryDc, frameBitmap.get());
    SIZE size{frame.width, frame.height};
    POINT source{0, 0};
    BLENDFUNCTION blend = target.blend;
    return UpdateLayeredWindow(target.window, target.screenDc, &leftTop, &size, target.memoryDc, &source, 0, &blend,
                               ULW_ALPHA) != FALSE;
}

}  // namespace zentrova::platform
