#include "platform/frame_renderer.h"

#include <algorithm>
#include <optional>
#include <span>
#include <vector>

#include "face/premultiply.h"
#include "face/tile_blend.h"
#include "platform/gdiplus_objects.h"
#include "platform/wide_text.h"
#include "platform/win32_handles.h"

namespace zentrova::platform {

namespace {

using namespace Gdiplus::DllExports;

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

// A run of a text in the family that draws it.
struct TextPiece {
    const TextTools* tools;
    std::wstring text;
};

// Runs in several families, side by side, the whole centred as one text
// would be. Typographic measures leave out GDI+'s padding, so the runs
// meet without gaps.
void DrawPieces(Gdiplus::GpGraphics* graphics, std::span<const TextPiece> pieces, const Gdiplus::RectF& layout,
                Gdiplus::GpBrush* brush) {
    Gdiplus::GpStringFormat* generic = nullptr;
    if (GdipStringFormatGetGenericTypographic(&generic) != Gdiplus::Ok) return;
    gdip::StringFormat format;
    format.set_status(GdipCloneStringFormat(generic, format.out()));
    if (!format) return;
    GdipSetStringFormatFlags(format.get(), Gdiplus::StringFormatFlagsNoWrap |
                                               Gdiplus::StringFormatFlagsMeasureTrailingSpaces);
    GdipSetStringFormatLineAlign(format.get(), Gdiplus::StringAlignmentCenter);
    std::vector<Gdiplus::REAL> widths;
    Gdiplus::REAL total = 0;
    for (const TextPiece& piece : pieces) {
        const Gdiplus::RectF unlimited(0, 0, 1.0e6f, layout.Height);
        Gdiplus::RectF bounds;
        GdipMeasureString(graphics, piece.text.c_str(), -1, piece.tools->font.get(), &unlimited, format.get(), &bounds,
                          nullptr, nullptr);
        widths.push_back(bounds.Width);
        total += bounds.Width;
    }
    Gdiplus::REAL x = layout.X + (layout.Width - total) / 2;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Gdiplus::RectF at(x, layout.Y, widths[i] + 1, layout.Height);
        GdipDrawString(graphics, pieces[i].text.c_str(), -1, pieces[i].tools->font.get(), &at, format.get(), brush);
        x += widths[i];
    }
}

// Draws one text, centred in its layout rectangle and clipped to it, on a
// transparent premultiplied layer covering the rectangle's whole pixels:
// one piece as GDI+ centres it, or runs of several families side by side.
// An unknown family leaves the layer empty: the face still shows.
void DrawTextLayer(const TextLayerKey& key, std::span<const TextPiece> pieces, TextLayer& layer) {
    const PixelBox& box = layer.box;
    if (box.width <= 0 || box.height <= 0 || pieces.empty()) return;
    for (const TextPiece& piece : pieces) {
        if (!piece.tools->font) return;
    }
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
    // The layer's first pixel is the box's, so the rectangle keeps its
    // fraction of a pixel and the glyphs land where they would on the face.
    Gdiplus::RectF layout(key.rect.x - static_cast<float>(box.left), key.rect.y - static_cast<float>(box.top),
                          key.rect.width, key.rect.height);
    if (pieces.size() == 1) {
        GdipDrawString(graphics.get(), pieces[0].text.c_str(), -1, pieces[0].tools->font.get(), &layout, format.get(),
                       brush.get());
    } else {
        DrawPieces(graphics.get(), pieces, layout, brush.get());
    }
    GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
}

}  // namespace

void FrameRenderer::Show(const Frame& frame, const LayeredTarget& target) {
    shown_.Show(frame, [&](const Frame& fresh) { return RenderAndPush(fresh, target); });
}

void FrameRenderer::ForgetScreen() {
    shown_.Forget();
    onScreen_ = false;
}

bool FrameRenderer::KeepBitmapOf(SizeI size, HDC dc) {
    if (bits_ && bitmapSize_ == size) return true;
    bitmap_.reset();
    bits_ = nullptr;
    onScreen_ = false;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height;  // rows from the top, as the canvas
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_) return false;
    bits_ = static_cast<std::uint32_t*>(bits);
    bitmapSize_ = size;
    return true;
}

bool FrameRenderer::RenderAndPush(const Frame& frame, const LayeredTarget& target) {
    if (frame.width <= 0 || frame.height <= 0) return false;
    const std::size_t pixelCount = static_cast<std::size_t>(frame.width) * frame.height;
    // The frame's pixels stay untouched: the texts and tiles go on a copy.
    canvas_.assign(pixelCount, 0);
    if (frame.pixels.size() >= pixelCount) std::copy_n(frame.pixels.begin(), pixelCount, canvas_.begin());

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
            BlendTile(*premultiplied, tile->rect, frame.width, frame.height, canvas_.data());
        } else if (const auto* text = std::get_if<DrawText>(&op)) {
            if (text->font < 0 || text->font >= static_cast<int>(fonts.size())) continue;
            const std::size_t font = static_cast<std::size_t>(text->font);
            const TextLayerKey key{frame.fonts[font], frame.textColor, text->text, text->rect, text->oneLine};
            const TextLayer& layer = texts_.Get(key, canvasSize, [&](const TextLayerKey& k, TextLayer& fresh) {
                // Drawn in the families it was measured in.
                const std::vector<FontRun> runs = fallback_.DrawnRunsFor(k.font.family, k.text);
                if (runs.size() == 1 && runs[0].family == k.font.family) {
                    if (!fonts[font]) fonts[font].emplace(MakeTextTools(frame.fonts[font]));
                    const TextPiece piece{&*fonts[font], Widen(k.text)};
                    DrawTextLayer(k, {&piece, 1}, fresh);
                    return;
                }
                std::vector<TextTools> tools;
                tools.reserve(runs.size());
                std::vector<TextPiece> pieces;
                for (const FontRun& run : runs) {
                    tools.push_back(MakeTextTools({run.family, k.font.emPixels, k.font.bold}));
                    pieces.push_back({&tools.back(), Widen(run.text)});
                }
                DrawTextLayer(k, pieces, fresh);
            });
            BlendTextLayer(layer, frame.width, frame.height, canvas_.data(), frame.textOpacity);
        }
    }
    texts_.EndFrame();

    const SizeI size{frame.width, frame.height};
    if (!KeepBitmapOf(size, target.memoryDc)) return false;
    GdiFlush();  // GDI is done with the bits before they are written
    const PixelBox changed = PremultiplyOver(canvas_, size.width, size.height, {bits_, pixelCount});
    if (onScreen_ && changed.width == 0) return true;

    ScopedSelect select(target.memoryDc, bitmap_.get());
    POINT source{0, 0};
    BLENDFUNCTION blend = target.blend;
    UPDATELAYEREDWINDOWINFO update{};
    update.cbSize = sizeof(update);
    update.hdcSrc = target.memoryDc;
    update.pptSrc = &source;
    update.pblend = &blend;
    update.dwFlags = ULW_ALPHA;
    // The window stays where it stands. Once it shows the bits' earlier
    // frame, only the changed part goes to the screen and its size is not
    // given again (each time costs a full move of the window in the window
    // system); otherwise all of it, at the bitmap's size.
    RECT dirty{changed.left, changed.top, changed.left + changed.width, changed.top + changed.height};
    SIZE extent{size.width, size.height};
    update.hdcDst = target.screenDc;
    update.psize = onScreen_ ? nullptr : &extent;
    update.prcDirty = onScreen_ ? &dirty : nullptr;
    onScreen_ = UpdateLayeredWindowIndirect(target.window, &update) != FALSE;
    return onScreen_;
}

}  // namespace zentrova::platform
