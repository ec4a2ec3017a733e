#include "face/premultiply.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentrova {
namespace {

TEST(Premultiply, ScalesEachColourByAlphaToTheNearest) {
    struct Case {
        std::uint32_t argb;
        std::uint32_t premultiplied;
    };
    const Case cases[] = {
        {0xFF123456u, 0xFF123456u},  // opaque: as it is
        {0x00FFFFFFu, 0x00000000u},  // transparent: no colour left
        {0x80FF8040u, 0x80804020u},  // 255, 128, 64 at 128/255: 128, 64.25, 32.1
        {0x01FFFFFFu, 0x01010101u},  // 255/255 rounds up to 1
    };
    for (const Case& c : cases) EXPECT_EQ(Premultiplied(c.argb), c.premultiplied) << std::hex << c.argb;
}

// A 4 x 3 frame over the bits of the frame before: only what changed is
// written, and its box is what goes to the screen.
TEST(Premultiply, WritesOverTheShownFrameAndBoxesWhatChanged) {
    std::vector<std::uint32_t> frame(12, 0xFF102030u);
    std::vector<std::uint32_t> shown(12, 0xFF102030u);
    EXPECT_EQ(PremultiplyOver(frame, 4, 3, shown).width, 0);

    frame[1] = 0x80FF8040u;       // x 1, y 0
    frame[2 * 4 + 2] = 0x00FFFFFFu;  // x 2, y 2
    const PixelBox changed = PremultiplyOver(frame, 4, 3, shown);
    EXPECT_EQ(changed, (PixelBox{1, 0, 2, 3}));
    EXPECT_EQ(shown[1], 0x80804020u);
    EXPECT_EQ(shown[2 * 4 + 2], 0u);
    EXPECT_EQ(shown[3], 0xFF102030u);

    // Bits too few for the frame are left alone.
    std::vector<std::uint32_t> small(4, 7u);
    EXPECT_EQ(PremultiplyOver(frame, 4, 3, small).width, 0);
    EXPECT_EQ(small, std::vector<std::uint32_t>(4, 7u));
}

}  // namespace
}  // namespace zentrova
