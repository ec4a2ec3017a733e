#include "platform/menu_glyph.h"

namespace zentrova::platform {

UniqueBitmap MakeCloseGlyph() {
    constexpr int kSide = 10;
    ScreenDc screen;
    UniqueDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), kSide, kSide));
    if (!dc || !bitmap) return {};
    ScopedSelect select(dc.get(), bitmap.get());
    RECT all{0, 0, kSide, kSide};
    FillRect(dc.get(), &all, GetSysColorBrush(COLOR_MENU));
    // A red cross: two anti-diagonal strokes two pixels wide.
    const COLORREF red = RGB(196, 30, 30);
    for (int i = 1; i < kSide - 1; ++i) {
        SetPixel(dc.get(), i, i, red);
        SetPixel(dc.get(), i + 1 < kSide - 1 ? i + 1 : i, i, red);
        SetPixel(dc.get(), kSide - 1 - i, i, red);
        SetPixel(dc.get(), kSide - 2 - i > 0 ? kSide - 2 - i : 1, i, red);
    }
    return bitmap;
}

}  // namespace zentrova::platform
