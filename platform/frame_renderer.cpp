#include "platform/frame_renderer.h"

#include <vector>

#include "face/tile_blend.h"
#include "platform/gdiplus_objects.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

namespace gdip {
std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    int length = MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return wide;
}
}  // namespace gdip

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

struct TextTools {
    gdip::FontFamily family;
    gdip::Font font;
};

TextTools MakeTextTools(const FontChoice& entry) {
    TextTools tools;
    std::wstring name = gdip::Widen(entry.family);
    tools.family.set_status(GdipCreateFontFamilyFromName(name.c_str(), nullptr, tools.family.out()));
    if (tools.family)
        tools.font.set_status(GdipCreateFont(tools.family.get(), static_cast<Gdiplus::REAL>(entry.emPixels),
                                             entry.bold ? Gdiplus::FontStyleBold : Gdiplus::FontStyleRegular,
                                             Gdiplus::UnitPixel, tools.font.out()));
    return tools;
}

// Tiles are stretched and blended by the core straight into the canvas that
// the GDI+ bitmap wraps (GDI+'s own image stretch costs tens of
// milliseconds per calendar frame); texts are drawn by GDI+. The surface is
// flushed before the canvas is touched directly so the ops keep their order.
void DrawOps(const Frame& frame, Gdiplus::GpGraphics* graphics, std::uint32_t* canvas) {
    std::vector<TextTools> fonts;
    fonts.reserve(frame.fonts.size());
    for (const FontChoice& entry : frame.fonts) fonts.push_back(MakeTextTools(entry));
    std::vector<PremultipliedTile> tiles;
    tiles.reserve(frame.tiles.size());
    for (const TileImage& tile : frame.tiles) tiles.push_back(Premultiply(tile));

    gdip::Brush brush;
    const Gdiplus::ARGB color = 0xFF000000u | (frame.textColor.r << 16) | (frame.textColor.g << 8) | frame.textColor.b;
    brush.set_status(GdipCreateSolidFill(color, reinterpret_cast<Gdiplus::GpSolidFill**>(brush.out())));
    gdip::StringFormat format;
    format.set_status(GdipCreateStringFormat(0, 0, format.out()));
    GdipSetStringFormatAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
    GdipSetTextRenderingHint(graphics, Gdiplus::TextRenderingHintAntiAlias);

    bool textPending = false;
    for (const DrawOp& op : frame.ops) {
        if (const auto* tile = std::get_if<DrawTile>(&op)) {
            if (tile->tile < 0 || tile->tile >= static_cast<int>(tiles.size())) continue;
            if (textPending) GdipFlush(graphics, Gdiplus::FlushIntentionSync);
            textPending = false;
            BlendTile(tiles[tile->tile], tile->rect, frame.width, frame.height, canvas);
        } else if (const auto* text = std::get_if<DrawText>(&op)) {
            if (text->font < 0 || text->font >= static_cast<int>(fonts.size())) continue;
            // An unknown family leaves the text undrawn; the face still shows.
            if (!fonts[text->font].font) continue;
            std::wstring wide = gdip::Widen(text->text);
            Gdiplus::RectF layout(text->rect.x, text->rect.y, text->rect.width, text->rect.height);
            GdipDrawString(graphics, wide.c_str(), -1, fonts[text->font].font.get(), &layout, format.get(),
                           brush.get());
            textPending = true;
        }
    }
    if (textPending) GdipFlush(graphics, Gdiplus::FlushIntentionSync);
}

}  // namespace

void RenderAndPush(const Frame& frame, const LayeredTarget& target, POINT leftTop) {
    if (frame.width <= 0 || frame.height <= 0) return;
    const std::size_t pixelCount = static_cast<std::size_t>(frame.width) * frame.height;
    std::vector<std::uint32_t> transparent;
    const std::uint32_t* pixels = frame.pixels.data();
    if (frame.pixels.size() < pixelCount) {
        transparent.assign(pixelCount, 0);
        pixels = transparent.data();
    }
    // GDI+ draws into a copy so that the caller's pixels stay untouched.
    std::vector<std::uint32_t> canvas(pixels, pixels + pixelCount);
    gdip::Bitmap bitmap = BitmapOver(frame.width, frame.height, canvas.data());
    if (!bitmap) return;

    {
        gdip::Graphics graphics;
        graphics.set_status(GdipGetImageGraphicsContext(bitmap.get(), graphics.out()));
        if (graphics) DrawOps(frame, graphics.get(), canvas.data());
    }

    HBITMAP gdiBitmap = nullptr;
    GdipCreateHBITMAPFromBitmap(bitmap.get(), &gdiBitmap, 0);  // background: transparent black
    UniqueBitmap frameBitmap(gdiBitmap);
    if (!frameBitmap) return;
    ScopedSelect select(target.memoryDc, frameBitmap.get());
    SIZE size{frame.width, frame.height};
    POINT source{0, 0};
    BLENDFUNCTION blend = target.blend;
    UpdateLayeredWindow(target.window, target.screenDc, &leftTop, &size, target.memoryDc, &source, 0, &blend,
                        ULW_ALPHA);
}

}  // namespace zentrova::platform
