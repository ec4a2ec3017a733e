#include "bitmap_font.h"

#include <array>
#include <cstdint>

namespace zentrova::skin_gen {

namespace {

using Glyph = std::array<std::uint8_t, kGlyphHeight>;  // bit 4 is the left column

constexpr std::array<Glyph, 10> kDigits = {{
    {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E},  // 0
    {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},  // 1
    {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F},  // 2
    {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},  // 3
    {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02},  // 4
    {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},  // 5
    {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E},  // 6
    {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},  // 7
    {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E},  // 8
    {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C},  // 9
}};
constexpr Glyph kColon = {0x00, 0x0C, 0x0C, 0x00, 0x0C, 0x0C, 0x00};
constexpr Glyph kBlank = {0, 0, 0, 0, 0, 0, 0};

const Glyph& GlyphFor(char c) {
    if (c >= '0' && c <= '9') return kDigits[static_cast<std::size_t>(c - '0')];
    return c == ':' ? kColon : kBlank;
}

void PutPixel(Pixels8& canvas, int x, int y, Rgb8 color) {
    if (x < 0 || y < 0 || x >= canvas.width || y >= canvas.height) return;
    const std::size_t at = (static_cast<std::size_t>(y) * canvas.width + x) * 3;
    canvas.rgb[at] = color.r;
    canvas.rgb[at + 1] = color.g;
    canvas.rgb[at + 2] = color.b;
}

}  // namespace

int TextWidth(std::string_view text, int scale) {
    if (text.empty()) return 0;
    return static_cast<int>(text.size()) * (kGlyphWidth + 1) * scale - scale;
}

void DrawText(Pixels8& canvas, int x, int y, std::string_view text, int scale, Rgb8 color) {
    for (char c : text) {
        const Glyph& glyph = GlyphFor(c);
        for (int row = 0; row < kGlyphHeight; ++row) {
            for (int column = 0; column < kGlyphWidth; ++column) {
                if (!(glyph[row] & (0x10 >> column))) continue;
                for (int dy = 0; dy < scale; ++dy) {
                    for (int dx = 0; dx < scale; ++dx) {
                        PutPixel(canvas, x + column * scale + dx, y + row * scale + dy, color);
                    }
                }
            }
        }
        x += (kGlyphWidth + 1) * scale;
    }
}

}  // namespace zentrova::skin_gen
