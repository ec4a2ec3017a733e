#include "face/skin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "face/face_planes.h"

namespace zentrova {
namespace {

// A skin whose pixel (x, y) has blue = x, green = y and red = `red`.
SkinImage CoordinateSkin(std::uint8_t red = 7) {
    SkinImage skin{kSkinSide, kSkinSide, {}};
    skin.bgrx.resize(static_cast<std::size_t>(kSkinSide) * kSkinSide * 4);
    for (int y = 0; y < kSkinSide; ++y) {
        for (int x = 0; x < kSkinSide; ++x) {
            std::uint8_t* p = &skin.bgrx[(static_cast<std::size_t>(y) * kSkinSide + x) * 4];
            p[0] = static_cast<std::uint8_t>(x);
            p[1] = static_cast<std::uint8_t>(y);
            p[2] = red;
            p[3] = 255;
        }
    }
    return skin;
}

TEST(SkinTextColor, FixedColourPerSkin) {
    const Rgb expected[kSkinCount] = {{255, 193, 23}, {84, 13, 45},   {255, 235, 0},  {97, 55, 56},
                                      {255, 131, 246}, {76, 56, 23},   {0, 255, 195},  {62, 76, 203},
                                      {84, 13, 45},   {255, 255, 0},  {255, 204, 0},  {35, 255, 175},
                                      {103, 14, 0},   {255, 255, 0},  {89, 41, 100}};
    for (int skin = 1; skin <= kSkinCount; ++skin) {
        auto color = SkinTextColor(skin);
        ASSERT_TRUE(color.has_value()) << skin;
        EXPECT_EQ(*color, expected[skin - 1]) << "skin " << skin;
    }
}

TEST(SkinTextColor, NothingOutsideOneToFifteen) {
    for (int skin : {-1, 0, 16, 1000}) EXPECT_FALSE(SkinTextColor(skin).has_value()) << skin;
}

TEST(SkinSetFind, FindsLoadedImagesByNumber) {
    SkinSet skins;
    skins.images[0] = CoordinateSkin(1);
    skins.images[14] = CoordinateSkin(15);
    ASSERT_NE(skins.Find(1), nullptr);
    EXPECT_EQ(skins.Find(1), &skins.images[0]);
    EXPECT_EQ(skins.Find(15), &skins.images[14]);
    EXPECT_EQ(skins.Find(0), nullptr);
    EXPECT_EQ(skins.Find(16), nullptr);
    EXPECT_EQ(skins.Find(2), nullptr);  // never loaded
}

TEST(SkinSetFind, DecodesEachSkinOnceWhenFirstAskedFor) {
    std::vector<int> asked;
    SkinSet skins;
    skins.images[2] = CoordinateSkin(3);  // already there: never asked for
    skins.load = [&](int skin) -> std::optional<SkinImage> {
        asked.push_back(skin);
        if (skin == 5) return std::nullopt;  // a resource that does not decode
        return CoordinateSkin(static_cast<std::uint8_t>(skin));
    };
    for (int skin : {1, 3, 5, 1, 5, 0, 16, 3, 1}) skins.Find(skin);
    EXPECT_EQ(asked, (std::vector<int>{1, 5}));
    ASSERT_NE(skins.Find(1), nullptr);
    EXPECT_EQ(skins.Find(1)->bgrx[2], 1);  // red holds the skin's number
    EXPECT_EQ(skins.Find(3)->bgrx[2], 3);
    EXPECT_EQ(skins.Find(5), nullptr);
}

TEST(SkinSetFind, RejectsImageWithTooFewBytes) {
    SkinSet skins;
    skins.images[3] = CoordinateSkin();
    skins.images[3].bgrx.resize(100);
    EXPECT_EQ(skins.Find(4), nullptr);
}

TEST(SkinStretch, NearestSourcePixelOnEachAxis) {
    const SkinImage skin = CoordinateSkin();
    for (SizeI size : {SizeI{300, 70}, SizeI{140, 140}, SizeI{97, 401}, SizeI{1, 1}}) {
        WorkingBitmap target;
        target.Resize(size);
        StretchSkin(skin, target);
        for (int y = 0; y < size.height; ++y) {
            const std::uint8_t* row = target.Row(y);
            for (int x = 0; x < size.width; ++x) {
                ASSERT_EQ(row[3 * x], x * kSkinSide / size.width) << size.width << "x" << size.height;
                ASSERT_EQ(row[3 * x + 1], y * kSkinSide / size.height) << size.width << "x" << size.height;
                ASSERT_EQ(row[3 * x + 2], 7);
            }
        }
    }
}

class UnknownSkinPreparation : public ::testing::TestWithParam<int> {};

TEST_P(UnknownSkinPreparation, StretchesNothingAndKeepsTextColour) {
    SkinSet skins;
    for (SkinImage& image : skins.images) image = CoordinateSkin(200);
    WorkingBitmap working;
    working.Resize({50, 40});
    std::fill(working.bgr.begin(), working.bgr.end(), std::uint8_t{9});
    FacePlanes planes;
    Rgb text{1, 2, 3};

    PrepareFace(skins, GetParam(), {50, 40}, FaceShape::Oval, 0, working, planes, text);

    EXPECT_EQ(text, (Rgb{1, 2, 3}));
    for (std::uint8_t byte : working.bgr) ASSERT_EQ(byte, 9);
    EXPECT_EQ(planes.red[20 * 50 + 25], 9);  // face still cut from what the bitmap held
    EXPECT_EQ(planes.alpha[20 * 50 + 25], 255);
}

INSTANTIATE_TEST_SUITE_P(OutsideRange, UnknownSkinPreparation, ::testing::Values(0, 16),
                         [](const auto& info) { return "Skin" + std::to_string(info.param); });

TEST(SkinPreparation, KnownSkinIsStretchedAndSetsTextColour) {
    SkinSet skins;
    skins.images[2] = CoordinateSkin(200);
    WorkingBitmap working;
    FacePlanes planes;
    Rgb text{1, 2, 3};

    PrepareFace(skins, 3, {280, 70}, FaceShape::RoundedRect, 0, working, planes, text);

    EXPECT_EQ(text, (Rgb{255, 235, 0}));
    EXPECT_EQ(working.width, 280);
    EXPECT_EQ(working.height, 70);
    const std::size_t centre = 35 * 280 + 140;
    EXPECT_EQ(planes.red[centre], 200);
    EXPECT_EQ(planes.green[centre], 70);  // row 35 of 70 samples source row 70
    EXPECT_EQ(planes.blue[centre], 70);   // column 140 of 280 samples source column 70
}

}  // namespace
}  // namespace zentrova
