#include "face/high_contrast.h"

#include <gtest/gtest.h>

namespace zentrova {
namespace {

constexpr ContrastColours kBlackOnWhite{{0, 0, 0}, {255, 255, 255}};

// A skin face with a cut-out corner, faded texts and the calendar's two
// tiles: a plain cell and one with a ring pixel.
Frame SkinFrame() {
    Frame frame;
    frame.width = 3;
    frame.height = 2;
    frame.pixels = {0x00000000u, 0x80102030u, 0xFF405060u, 0x40708090u, 0xFFA0B0C0u, 0x00000000u};
    frame.textColor = {255, 193, 23};
    frame.textOpacity = 0.4f;
    frame.tiles = {TileImage{2, {0x00000000u, 0xFF112233u, 0xFF112233u, 0x80445566u}},
                   TileImage{2, {0x00000000u, 0xFFFFC117u, 0xFF112233u, 0x80445566u}}};
    frame.ops = {DrawText{0, "10:15", {0, 0, 3, 2}, true}, DrawTile{1, {0, 0, 1, 1}}};
    return frame;
}

TEST(HighContrastTest, TextInTheSchemesTextColourOnAnOpaquePlateWithTheRingAsAMark) {
    Frame frame = SkinFrame();
    const Frame composed = frame;
    ApplyHighContrast(frame, kBlackOnWhite);
    EXPECT_EQ(frame.pixels, std::vector<std::uint32_t>(6, 0xFFFFFFFFu));
    EXPECT_EQ(frame.textColor, (Rgb{0, 0, 0}));
    EXPECT_EQ(frame.textOpacity, 1.0f);
    ASSERT_EQ(frame.tiles.size(), 2u);
    EXPECT_EQ(frame.tiles[0].argb, std::vector<std::uint32_t>(4, 0u));
    EXPECT_EQ(frame.tiles[1].argb, (std::vector<std::uint32_t>{0u, 0xFF000000u, 0u, 0u}));
    // What is drawn where stays the window's.
    EXPECT_EQ(frame.ops, composed.ops);
    EXPECT_EQ(frame.fonts, composed.fonts);

    // A frame that draws nothing yet (empty pixels mean all transparent)
    // still gets its plate, in the scheme's own colours.
    Frame empty;
    empty.width = 2;
    empty.height = 1;
    ApplyHighContrast(empty, {{255, 255, 0}, {0, 0, 0}});
    EXPECT_EQ(empty.pixels, (std::vector<std::uint32_t>{0xFF000000u, 0xFF000000u}));
    EXPECT_EQ(empty.textColor, (Rgb{255, 255, 0}));
}

}  // namespace
}  // namespace zentrova
