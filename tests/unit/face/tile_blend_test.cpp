#include "face/tile_blend.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zentrova {
namespace {

constexpr std::uint32_t Argb(std::uint32_t a, std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return (a << 24) | (r << 16) | (g << 8) | b;
}

TileImage Uniform(int side, std::uint32_t argb) {
    return TileImage{side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * side, argb)};
}

struct Canvas {
    Canvas(int width, int height, std::uint32_t fill = 0)
        : width(width), height(height), pixels(static_cast<std::size_t>(width) * height, fill) {}
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    void Blend(const TileImage& tile, RectF rect) { BlendTile(Premultiply(tile), rect, width, height, pixels.data()); }
    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

TEST(TileBlend, OneToOneOverTransparentCopiesTheTile) {
    TileImage tile{2, {Argb(255, 10, 20, 30), Argb(128, 200, 100, 50), Argb(1, 255, 0, 0), Argb(0, 9, 9, 9)}};
    Canvas canvas(4, 4);
    canvas.Blend(tile, {1, 1, 2, 2});
    EXPECT_EQ(canvas.At(1, 1), tile.argb[0]);
    EXPECT_EQ(canvas.At(2, 1), tile.argb[1]);
    EXPECT_EQ(canvas.At(1, 2), tile.argb[2]);
    EXPECT_EQ(canvas.At(2, 2), 0u) << "an invisible tile pixel leaves the canvas alone";
    for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(canvas.At(x, 0), 0u);
        EXPECT_EQ(canvas.At(x, 3), 0u);
    }
}

TEST(TileBlend, CoversThePixelsWhoseCentresLieInTheRectangle) {
    struct Case {
        RectF rect;
        int firstColumn, endColumn;
    };
    const Case cases[] = {
        {{0.5f, 0, 2.0f, 1}, 0, 2},   // centres 0.5 and 1.5 lie in [0.5, 2.5)
        {{0.6f, 0, 2.0f, 1}, 1, 3},   // 0.5 is outside, 2.5 inside [0.6, 2.6)
        {{1.0f, 0, 0.4f, 1}, 0, 0},   // no centre in [1.0, 1.4)
        {{-3.0f, 0, 5.0f, 1}, 0, 2},  // clipped at the left edge
        {{4.0f, 0, 10.0f, 1}, 4, 6},  // clipped at the right edge
    };
    for (const Case& c : cases) {
        Canvas canvas(6, 1);
        canvas.Blend(Uniform(3, Argb(255, 1, 2, 3)), c.rect);
        for (int x = 0; x < 6; ++x) {
            const bool inside = x >= c.firstColumn && x < c.endColumn;
            EXPECT_EQ(canvas.At(x, 0), inside ? Argb(255, 1, 2, 3) : 0u) << "rect x " << c.rect.x << ", pixel " << x;
        }
    }
}

TEST(TileBlend, TransparentPixelsLendNoColourToTheirNeighbours) {
    // Left column invisible with a loud colour, right column opaque blue:
    // stretched four times, every visible pixel is pure blue.
    TileImage tile{2, {Argb(0, 255, 0, 0), Argb(255, 0, 0, 200), Argb(0, 255, 0, 0), Argb(255, 0, 0, 200)}};
    Canvas canvas(8, 8);
    canvas.Blend(tile, {0, 0, 8, 8});
    int visible = 0;
    for (std::uint32_t p : canvas.pixels) {
        if ((p >> 24) == 0) continue;
        ++visible;
        EXPECT_EQ(p & 0x00FFFFFFu, 200u) << std::hex << p;
    }
    EXPECT_GT(visible, 16);
    EXPECT_EQ(canvas.At(7, 4) >> 24, 255u);
    EXPECT_EQ(canvas.At(0, 4) >> 24, 0u);
}

TEST(TileBlend, BlendsSourceOverWhatIsBeneath) {
    struct Case {
        std::uint32_t below;
        std::uint32_t tile;
        std::uint32_t expected;
    };
    const Case cases[] = {
        // Half-transparent black over opaque white: alpha stays 255, grey 127.
        {Argb(255, 255, 255, 255), Argb(128, 0, 0, 0), Argb(255, 127, 127, 127)},
        // Opaque over anything replaces it.
        {Argb(90, 1, 2, 3), Argb(255, 40, 50, 60), Argb(255, 40, 50, 60)},
        // Two layers of alpha 128/255 (a): a + a (1 - a) = 0.752 -> 192; red
        // (1 x a + 0 x a (1 - a)) / 0.752 = 0.668 -> 170.
        {Argb(128, 0, 0, 0), Argb(128, 255, 0, 0), Argb(192, 170, 0, 0)},
    };
    for (const Case& c : cases) {
        Canvas canvas(2, 2, c.below);
        canvas.Blend(Uniform(2, c.tile), {0, 0, 2, 2});
        for (std::uint32_t p : canvas.pixels) EXPECT_EQ(p, c.expected) << std::hex << c.below << " under " << c.tile;
    }
}

TEST(TileBlend, IncompleteOrEmptyTilesDrawNothing) {
    Canvas canvas(3, 3, Argb(255, 7, 7, 7));
    const std::vector<std::uint32_t> before = canvas.pixels;
    canvas.Blend(TileImage{2, {Argb(255, 1, 1, 1)}}, {0, 0, 3, 3});
    canvas.Blend(TileImage{}, {0, 0, 3, 3});
    canvas.Blend(Uniform(2, Argb(255, 1, 1, 1)), {0, 0, 0, 3});
    canvas.Blend(Uniform(2, Argb(255, 1, 1, 1)), {0, 0, -2, 3});
    EXPECT_EQ(canvas.pixels, before);
}

}  // namespace
}  // namespace zentrova
