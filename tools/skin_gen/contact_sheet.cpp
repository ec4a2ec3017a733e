#include "contact_sheet.h"

#include <algorithm>
#include <string>

#include "bitmap_font.h"

namespace zentrova::skin_gen {

namespace {

constexpr int kGap = 14;
constexpr int kLabelBand = 24;
constexpr int kLabelScale = 2;
constexpr int kSampleScale = 4;
constexpr Rgb8 kBackground{38, 38, 42};
constexpr Rgb8 kLabelColor{210, 210, 214};
constexpr const char* kSampleText = "12:34";

void Blit(Pixels8& canvas, const Pixels8& tile, int left, int top) {
    for (int y = 0; y < tile.height; ++y) {
        const auto from = tile.rgb.begin() + static_cast<std::ptrdiff_t>(y) * tile.width * 3;
        const auto to = canvas.rgb.begin() +
                        (static_cast<std::ptrdiff_t>(top + y) * canvas.width + left) * 3;
        std::copy(from, from + static_cast<std::ptrdiff_t>(tile.width) * 3, to);
    }
}

}  // namespace

Pixels8 BuildContactSheet(const std::vector<SheetEntry>& entries, int columns) {
    int tileWidth = 0;
    int tileHeight = 0;
    for (const SheetEntry& e : entries) {
        tileWidth = std::max(tileWidth, e.skin->width);
        tileHeight = std::max(tileHeight, e.skin->height);
    }
    const int rows = (static_cast<int>(entries.size()) + columns - 1) / columns;
    const int cellHeight = tileHeight + kLabelBand;
    Pixels8 sheet;
    sheet.width = columns * tileWidth + (columns + 1) * kGap;
    sheet.height = rows * cellHeight + (rows + 1) * kGap;
    sheet.rgb.resize(static_cast<std::size_t>(sheet.width) * sheet.height * 3);
    for (std::size_t i = 0; i < sheet.rgb.size(); i += 3) {
        sheet.rgb[i] = kBackground.r;
        sheet.rgb[i + 1] = kBackground.g;
        sheet.rgb[i + 2] = kBackground.b;
    }

    for (std::size_t i = 0; i < entries.size(); ++i) {
        const SheetEntry& e = entries[i];
        const int left = kGap + static_cast<int>(i % columns) * (tileWidth + kGap);
        const int top = kGap + static_cast<int>(i / columns) * (cellHeight + kGap);
        Blit(sheet, *e.skin, left, top);

        const int sampleWidth = TextWidth(kSampleText, kSampleScale);
        const int sampleHeight = kGlyphHeight * kSampleScale;
        DrawText(sheet, left + (e.skin->width - sampleWidth) / 2, top + (e.skin->height - sampleHeight) / 2,
                 kSampleText, kSampleScale, e.textColor);

        const std::string label = std::to_string(e.number);
        DrawText(sheet, left + (e.skin->width - TextWidth(label, kLabelScale)) / 2,
                 top + tileHeight + (kLabelBand - kGlyphHeight * kLabelScale) / 2, label, kLabelScale,
                 kLabelColor);
    }
    return sheet;
}

}  // namespace zentrova::skin_gen
