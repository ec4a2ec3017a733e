#include "face/face_planes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <string>

namespace zentrova {
namespace {

// A working bitmap whose every byte is distinct enough to tell the channels
// and pixels apart: blue = x, green = y, red = x + y (all mod 256).
WorkingBitmap PatternBitmap(SizeI size) {
    WorkingBitmap bitmap;
    bitmap.Resize(size);
    for (int y = 0; y < size.height; ++y) {
        std::uint8_t* row = bitmap.Row(y);
        for (int x = 0; x < size.width; ++x) {
            row[3 * x] = static_cast<std::uint8_t>(x);
            row[3 * x + 1] = static_cast<std::uint8_t>(y);
            row[3 * x + 2] = static_cast<std::uint8_t>(x + y);
        }
    }
    return bitmap;
}

std::int32_t AlphaAt(const FacePlanes& planes, int x, int y) {
    return planes.alpha[static_cast<std::size_t>(y) * planes.width + x];
}

FacePlanes Filled(SizeI size, FaceShape shape, int transparency) {
    FacePlanes planes;
    FillFacePlanes(PatternBitmap(size), shape, transparency, planes);
    return planes;
}

struct CentreCase {
    int transparency;
    std::int32_t alpha;
};

class FaceCentreAlpha : public ::testing::TestWithParam<CentreCase> {};

TEST_P(FaceCentreAlpha, FollowsTransparencyWithHalvesToEven) {
    for (FaceShape shape : {FaceShape::RoundedRect, FaceShape::Oval}) {
        FacePlanes planes = Filled({200, 100}, shape, GetParam().transparency);
        EXPECT_EQ(AlphaAt(planes, 100, 50), GetParam().alpha);
    }
}

INSTANTIATE_TEST_SUITE_P(Transparencies, FaceCentreAlpha,
                         ::testing::Values(CentreCase{0, 255}, CentreCase{10, 204}, CentreCase{25, 128},
                                           CentreCase{50, 0},
                                           // An edited registry: held to 0..50 rather than wrapping.
                                           CentreCase{-10, 255}, CentreCase{80, 0}),
                         [](const auto& info) {
                             int t = info.param.transparency;
                             return t < 0 ? "Minus" + std::to_string(-t) : "T" + std::to_string(t);
                         });

TEST(FaceOutline, LeftColumnAndTopRowAreTransparent) {
    for (FaceShape shape : {FaceShape::RoundedRect, FaceShape::Oval}) {
        FacePlanes planes = Filled({200, 120}, shape, 0);
        for (int y = 0; y < planes.height; ++y) EXPECT_EQ(AlphaAt(planes, 0, y), 0) << "row " << y;
        for (int x = 0; x < planes.width; ++x) EXPECT_EQ(AlphaAt(planes, x, 0), 0) << "column " << x;
    }
}

TEST(FaceOutline, RightmostPixelOfMiddleRowKeepsSomeAlpha) {
    FacePlanes rect = Filled({200, 120}, FaceShape::RoundedRect, 0);
    FacePlanes oval = Filled({200, 120}, FaceShape::Oval, 0);
    EXPECT_EQ(AlphaAt(rect, 199, 60), 70);
    EXPECT_EQ(AlphaAt(oval, 199, 60), 20);
}

TEST(FaceOutline, FullTransparencyClearsEveryPixel) {
    FacePlanes planes = Filled({64, 48}, FaceShape::RoundedRect, 50);
    for (std::int32_t alpha : planes.alpha) ASSERT_EQ(alpha, 0);
}

TEST(FaceAlpha, OvalFadeAtKnownDistances) {
    EXPECT_EQ(FaceAlphaAt(0.9, 0), 145);
    EXPECT_EQ(FaceAlphaAt(0.5, 0), 254);
    EXPECT_EQ(FaceAlphaAt(1.0, 0), 0);
    EXPECT_EQ(FaceAlphaAt(1.0000001, 0), 0);
    EXPECT_EQ(FaceAlphaAt(0.9, 25), 73);  // 72.6 with half the opacity
}

// The fast per-row fill must give exactly what the per-pixel formula gives.
TEST(FaceFill, MatchesPerPixelFormulaEverywhere) {
    for (FaceShape shape : {FaceShape::RoundedRect, FaceShape::Oval}) {
        for (int transparency : {0, 7, 25}) {
            const SizeI size{173, 61};
            FacePlanes planes = Filled(size, shape, transparency);
            for (int y = 0; y < size.height; ++y) {
                for (int x = 0; x < size.width; ++x) {
                    double nx = 2.0 * x / (size.width + 0.001) - 1.0;
                    double ny = 2.0 * y / (size.height + 0.001) - 1.0;
                    ASSERT_EQ(AlphaAt(planes, x, y), FaceAlphaAt(FaceDistance(shape, nx, ny), transparency))
                        << x << "," << y;
                }
            }
        }
    }
}

TEST(FaceFill, ColoursComeFromSkinBytesInsideAndAreKeptOutside) {
    const SizeI size{40, 30};
    FacePlanes planes;
    planes.Resize(size);
    std::fill(planes.red.begin(), planes.red.end(), 100);
    std::fill(planes.green.begin(), planes.green.end(), 200);
    std::fill(planes.blue.begin(), planes.blue.end(), 250);
    FillFacePlanes(PatternBitmap(size), FaceShape::Oval, 0, planes);

    const std::size_t centre = 15 * 40 + 20;
    EXPECT_EQ(planes.red[centre], 35);    // byte 3x + 2
    EXPECT_EQ(planes.green[centre], 15);  // byte 3x + 1
    EXPECT_EQ(planes.blue[centre], 20);   // byte 3x
    EXPECT_EQ(planes.alpha[0], 0);
    EXPECT_EQ(planes.red[0], 100);
    EXPECT_EQ(planes.green[0], 200);
    EXPECT_EQ(planes.blue[0], 250);
}

TEST(FaceFill, PlanesFollowTheBitmapSize) {
    FacePlanes planes;
    planes.Resize({500, 500});
    FillFacePlanes(PatternBitmap({30, 20}), FaceShape::RoundedRect, 0, planes);
    EXPECT_EQ(planes.width, 30);
    EXPECT_EQ(planes.height, 20);
    EXPECT_EQ(planes.alpha.size(), 600u);
    EXPECT_EQ(planes.blue.size(), 600u);
}

struct ClampCase {
    SizeI requested;
    SizeI capacity;
    SizeI expected;
};

class FaceSizeClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(FaceSizeClamp, StaysWithinCapacityAndAtLeastOnePixel) {
    EXPECT_EQ(ClampFaceSize(GetParam().requested, GetParam().capacity), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Capacities, FaceSizeClamp,
                         ::testing::Values(ClampCase{{300, 80}, {1601, 401}, {300, 80}},
                                           ClampCase{{5000, 900}, {1601, 401}, {1601, 401}},
                                           ClampCase{{1601, 1001}, {1601, 1001}, {1601, 1001}},
                                           ClampCase{{0, -7}, {101, 101}, {1, 1}},
                                           ClampCase{{102, 64}, {101, 101}, {101, 64}}),
                         [](const auto& info) {
                             const ClampCase& c = info.param;
                             auto dim = [](int v) { return v < 0 ? "Minus" + std::to_string(-v) : std::to_string(v); };
                             return dim(c.requested.width) + "x" + dim(c.requested.height) + "In" +
                                    std::to_string(c.capacity.width) + "x" + std::to_string(c.capacity.height);
                         });

TEST(FacePreparation, HugeRequestedFaceIsClampedBeforeTouchingPlanes) {
    SkinSet skins;
    WorkingBitmap working;
    FacePlanes planes;
    Rgb text;
    const SizeI face = ClampFaceSize({1'000'000, 1'000'000}, {1601, 401});
    PrepareFace(skins, 1, face, FaceShape::RoundedRect, 0, working, planes, text);
    EXPECT_EQ(planes.width, 1601);
    EXPECT_EQ(planes.height, 401);
    EXPECT_EQ(planes.alpha.size(), 1601u * 401u);
    EXPECT_EQ(planes.red.size(), 1601u * 401u);
    EXPECT_EQ(working.bgr.size(), 1601u * 401u * 3u);
}

TEST(FrameBuild, PacksBytesAsArgbRowsFromTheTop) {
    FacePlanes planes;
    planes.Resize({2, 2});
    planes.alpha = {0xFF, 0, 128, 255};
    planes.red = {0xFF, 0x12, 0, 1};
    planes.green = {0x34, 0x34, 0, 2};
    planes.blue = {0x56, 0x56, 0, 3};
    std::vector<std::uint32_t> argb{7, 7, 7, 7, 7, 7, 7};
    BuildFramePixels(planes, argb);
    ASSERT_EQ(argb.size(), 4u);
    EXPECT_EQ(argb[0], 0xFFFF3456u);
    EXPECT_EQ(argb[1], 0x00123456u);
    EXPECT_EQ(argb[2], 0x80000000u);
    EXPECT_EQ(argb[3], 0xFF010203u);
}

}  // namespace
}  // namespace zentrova
